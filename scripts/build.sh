#!/usr/bin/env bash
# Configures and builds into build/; extra arguments are build targets.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=Release -DPLUMEX_WERROR=ON > /dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$here/build" -j"$(nproc)" "${targets[@]}"
