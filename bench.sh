#!/usr/bin/env bash
# Builds and runs the benchmarks; extra arguments go to every benchmark binary.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/deps.sh"
"$here/scripts/build.sh" plumex_bench plumex_gui_bench plumex_search_bench plumex-text
export QT_QPA_PLATFORM=offscreen
"$here/build/bench/plumex_bench" "$@"
"$here/build/bench/plumex_gui_bench" "$@"
"$here/build/bench/plumex_search_bench" "$@"
"$here/bench/text_tool_bench.sh" "$here/build/plumex-text"
"$here/bench/utf8_iconv_bench.sh" "$here/build/bench/plumex_bench"
