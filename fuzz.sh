#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default
# 60), one at a time, then prints the executions and coverage of each.
# Usage: ./fuzz.sh [SECONDS] [TARGET...]   (targets as in fuzz/CMakeLists.txt)
# Crashes, hangs and runaway allocations are kept in BUILD/fuzz-runs/crashes.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
seconds="${1:-60}"
shift || true
build="${PLUMEX_FUZZ_BUILD:-$here/build-fuzz}"
"$here/scripts/deps.sh"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DPLUMEX_FUZZ=ON > /dev/null
cmake --build "$build" -j"${PLUMEX_FUZZ_JOBS:-$(nproc)}" --target plumex_fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in "$here"/fuzz/*_fuzz.cpp; do
    name="$(basename "$source" _fuzz.cpp)"
    targets+=("$name")
  done
fi
runs="$build/fuzz-runs"
mkdir -p "$runs/crashes"
export UBSAN_OPTIONS=print_stacktrace=1
failed=0
table=""
for name in "${targets[@]}"; do
  corpus="$runs/corpus/$name"
  scratch="$runs/scratch/$name"  # plumex-text may read files named by its input
  mkdir -p "$corpus" "$scratch"
  options=(-max_total_time="$seconds" -timeout=5 -rss_limit_mb=1024 -malloc_limit_mb=64 -max_len=16384
           -artifact_prefix="$runs/crashes/$name-" -print_final_stats=1)
  [ -f "$here/fuzz/dict/$name.dict" ] && options+=(-dict="$here/fuzz/dict/$name.dict")
  log="$runs/$name.log"
  status=ok
  (cd "$scratch" && "$build/fuzz/${name}_fuzz" "${options[@]}" "$corpus" "$here/fuzz/corpus/$name") > "$log" 2>&1 ||
    { status="FAILED (see $log)"; failed=1; }
  last="$(grep -E '^#[0-9]+[[:space:]].* cov: ' "$log" | tail -1 || true)"
  execs="$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}' || true)"
  cov="$(sed -nE 's/.* cov: ([0-9]+).*/\1/p' <<< "$last")"
  ft="$(sed -nE 's/.* ft: ([0-9]+).*/\1/p' <<< "$last")"
  table+="$(printf '%-22s %12s %7s %7s  %s' "$name" "${execs:-?}" "${cov:-?}" "${ft:-?}" "$status")"$'\n'
done
printf '%-22s %12s %7s %7s  %s\n' target executions cov ft result
printf '%s' "$table"
exit "$failed"
