#!/usr/bin/env bash
# Reads a 256 MiB XPR image with 'dorvane inspect' (header + checksum pass)
# and with 'cat FILE >/dev/null', alternately, and prints the ratio of the
# median times. Both read the file from the page cache after a warm-up.
set -euo pipefail
build=${1:-build}
runs=${RUNS:-7}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
python3 "$(dirname "$0")/../scripts/make_samples.py" "$dir" --big-mib 256 >/dev/null
file="$dir/big.img"
"$build/bin/dorvane" inspect "$file" >/dev/null
cat "$file" >/dev/null

ns() { date +%s%N; }
inspect_times=()
cat_times=()
for _ in $(seq "$runs"); do
  t0=$(ns); "$build/bin/dorvane" inspect "$file" >/dev/null; t1=$(ns)
  cat "$file" >/dev/null; t2=$(ns)
  inspect_times+=($((t1 - t0)))
  cat_times+=($((t2 - t1)))
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
mi=$(median "${inspect_times[@]}")
mc=$(median "${cat_times[@]}")
awk -v i="$mi" -v c="$mc" 'BEGIN {
  printf "inspect 256 MiB: %.1f ms   cat: %.1f ms   ratio inspect/cat: %.2f (goal <= 2)\n", i/1e6, c/1e6, i/c }'
