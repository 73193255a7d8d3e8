#!/usr/bin/env bash
# Installs what is missing, builds and starts Plumex: ./run.sh [file]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/deps.sh"
"$here/scripts/build.sh" plumex plumex-text
exec "$here/build/plumex" "$@"
