#!/bin/bash
# Times plumex-text against iconv on a 100 MB KOI8-R file, and on the same
# text in Windows-1251 to UTF-8 and back.
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

# Runs a command on an input file, output to out.txt; prints the time and
# the input's MB/s.
rate() {
  local name=$1 input=$2
  shift 2
  local start end mb
  mb=$(awk -v b="$(stat -c %s "$input")" 'BEGIN { print b / 1048576 }')
  start=$(date +%s.%N)
  "$@" < "$input" > "$work/out.txt"
  end=$(date +%s.%N)
  awk -v n="$name" -v mb="$mb" -v s="$start" -v e="$end" \
    'BEGIN { t = e - s; printf "%-44s %8.3f s %10.1f MB/s\n", n, t, mb / t }'
}

# Times the tool and iconv on one input; their outputs must be the same.
versus() {
  local input=$1 from=$2 to=$3 iconv_from=$4 iconv_to=$5
  rate "plumex-text convert --from $from --to $to" "$input" "$tool" convert --from "$from" --to "$to"
  mv "$work/out.txt" "$work/plumex.txt"
  rate "iconv -f $iconv_from -t $iconv_to" "$input" iconv -f "$iconv_from" -t "$iconv_to"
  if ! cmp -s "$work/plumex.txt" "$work/out.txt"; then
    echo "outputs differ" >&2
    exit 1
  fi
}

versus "$work/koi.txt" KOI WIN koi8-r cp1251
# The same text in Windows-1251, then in UTF-8, and back.
mv "$work/out.txt" "$work/win.txt"
versus "$work/win.txt" WIN UTF8 cp1251 utf-8
mv "$work/out.txt" "$work/utf8.txt"
versus "$work/utf8.txt" UTF8 WIN utf-8 cp1251
# Named, a file is checked for characters Windows-1251 lacks in a first
# pass and then streamed; standard input has to be held whole.
mv "$work/out.txt" "$work/iconv.txt"
rate "plumex-text convert --from UTF8 --to WIN FILE" "$work/utf8.txt" \
  "$tool" convert --from UTF8 --to WIN "$work/utf8.txt"
cmp -s "$work/iconv.txt" "$work/out.txt" || { echo "outputs differ" >&2; exit 1; }
echo "outputs are identical"
