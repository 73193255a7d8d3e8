#!/bin/bash
# Times iconv on the text that bench/utf8_bench.cpp converts (16 MB and
# 100 MB of Russian prose in Windows-1251, and its UTF-8), then runs those
# benchmarks, so that both sets of figures come from one run on one machine.
# Usage: bench/utf8_iconv_bench.sh PATH-TO-PLUMEX_BENCH
set -euo pipefail

if [[ $# -ne 1 || ! -x "$1" ]]; then
  echo "usage: $0 PATH-TO-PLUMEX_BENCH" >&2
  exit 2
fi
bench=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The three lines of bench/utf8_bench.cpp, repeated and cut to size.
printf '%s\r\n' \
  "Утром над рекой стоял густой туман, и лодки у причала казались серыми тенями." \
  "Старый рыбак медленно разматывал сети, поглядывая на небо, где уже проступало солнце." \
  "Он знал, что к полудню ветер переменится и клёв будет хорошим, если только не начнётся дождь." \
  | iconv -f utf-8 -t cp1251 > "$work/unit"

# The best wall time of three runs, in milliseconds: other work on the
# machine only ever adds time.
best_ms() {
  local input=$1 best=''
  shift
  for _ in 1 2 3; do
    local start end ms
    start=$(date +%s%N)
    "$@" < "$input" > "$work/out"
    end=$(date +%s%N)
    ms=$(((end - start) / 1000000))
    [[ -z $best || $ms -lt $best ]] && best=$ms
  done
  echo "$best"
}

for mb in 16 100; do
  cp "$work/unit" "$work/win"
  until [[ $(stat -c %s "$work/win") -ge $((mb << 20)) ]]; do
    cat "$work/win" "$work/win" > "$work/twice" && mv "$work/twice" "$work/win"
  done
  truncate -s $((mb << 20)) "$work/win"
  iconv -f cp1251 -t utf-8 < "$work/win" > "$work/utf8"
  printf 'iconv -f utf-8 -t cp1251, %3d MB: %6d ms\n' "$mb" "$(best_ms "$work/utf8" iconv -f utf-8 -t cp1251)"
  cmp -s "$work/out" "$work/win" || { echo "iconv did not give the text back" >&2; exit 1; }
  printf 'iconv -f cp1251 -t utf-8, %3d MB: %6d ms\n' "$mb" "$(best_ms "$work/win" iconv -f cp1251 -t utf-8)"
done

filter='Utf8|Win1251ToUtf8'
"$bench" --benchmark_filter="$filter"
# New text lands in fresh pages, and where a page fault is dear (virtual
# machines) that alone can outweigh a conversion; in huge pages it is not.
echo "With glibc.malloc.hugetlb=1:"
GLIBC_TUNABLES=glibc.malloc.hugetlb=1 "$bench" --benchmark_filter="$filter"
