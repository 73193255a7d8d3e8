#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/deps.sh"
"$here/scripts/check_layers.sh"
"$here/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$here/build" --output-on-failure -j"$(nproc)" "$@"
# The window-free code and its tests once more under AddressSanitizer and
# UndefinedBehaviorSanitizer; the first report stops a test and fails the run.
cmake -S "$here" -B "$here/build-asan" -DCMAKE_BUILD_TYPE=Debug -DPLUMEX_SANITIZE=ON > /dev/null
cmake --build "$here/build-asan" -j"$(nproc)" --target plumex_core_tests plumex-text
ctest --test-dir "$here/build-asan" --output-on-failure -j"$(nproc)" "$@"
