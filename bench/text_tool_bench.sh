#!/bin/bash
# Times plumex-text against iconv on a 100 MB KOI8-R file.
# Usage: bench/text_tool_bench.sh PATH-TO-PLUMEX-TEXT
set -euo pipefail

if [[ $# -ne 1 || ! -x "$1" ]]; then
  echo "usage: $0 PATH-TO-PLUMEX-TEXT" >&2
  exit 2
fi
tool=$1
size_mb=100

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The tool reads the tables from the settings folder; keep the user's out of it.
export PLUMEX_HOME="$work/settings"

# Ordinary Russian prose, doubled until it fills the file.
printf '%s\r\n' \
  "Утром над рекой стоял густой туман, и лодки у причала казались серыми тенями." \
  "Старый рыбак медленно разматывал сети, поглядывая на небо, где уже проступало солнце." \
  "Он знал, что к полудню ветер переменится и клёв будет хорошим, если только не начнётся дождь." \
  | iconv -f utf-8 -t koi8-r > "$work/seed"
while [[ $(stat -c %s "$work/seed") -lt $((size_mb << 20)) ]]; do
  cat "$work/seed" "$work/seed" > "$work/double"
  mv "$work/double" "$work/seed"
done
head -c $((size_mb << 20)) "$work/seed" > "$work/koi.txt"
rm "$work/seed"

# Runs a command with stdin and stdout given; prints its MB/s.
rate() {
  local name=$1
  shift
  local start end
  start=$(date +%s.%N)
  "$@" < "$work/koi.txt" > "$work/out.txt"
  end=$(date +%s.%N)
  awk -v n="$name" -v mb="$size_mb" -v s="$start" -v e="$end" \
    'BEGIN { t = e - s; printf "%-40s %8.3f s %10.1f MB/s\n", n, t, mb / t }'
}

rate "plumex-text convert --from KOI --to WIN" "$tool" convert --from KOI --to WIN
cp "$work/out.txt" "$work/plumex.txt"
rate "iconv -f koi8-r -t cp1251" iconv -f koi8-r -t cp1251
if cmp -s "$work/plumex.txt" "$work/out.txt"; then
  echo "outputs are identical"
else
  echo "outputs differ" >&2
  exit 1
fi
