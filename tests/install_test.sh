#!/usr/bin/env bash
# Installs into a scratch prefix and checks what a desktop needs is there.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
for f in bin/plumex bin/plumex-text share/applications/plumex.desktop \
         share/icons/hicolor/scalable/apps/plumex.svg; do
  [ -s "$prefix/$f" ] || { echo "missing $f"; exit 1; }
done
for f in help.html help_ru.html help.css history.txt readme.txt readme_ru.txt; do
  [ -s "$prefix/share/plumex/$f" ] || { echo "missing share/plumex/$f"; exit 1; }
done
# The browser must read the Russian page as UTF-8.
grep -q '<meta charset="utf-8">' "$prefix/share/plumex/help_ru.html"
grep -q '^Exec=plumex %f$' "$prefix/share/applications/plumex.desktop"
"$prefix/bin/plumex" --version | grep -q '^Plumex 1.91$'
"$prefix/bin/plumex" --help | grep -q '^Usage: plumex'
echo "install layout ok"
