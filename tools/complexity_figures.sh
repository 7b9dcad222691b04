#!/usr/bin/env bash
# Function size and cognitive complexity over src/, from clang-tidy.
#
#   tools/complexity_figures.sh [BUILD_DIR]
#
# BUILD_DIR must hold compile_commands.json (configure with
# -DCMAKE_EXPORT_COMPILE_COMMANDS=ON) and its generated sources (build it
# first, so moc and uic output exists). Prints, for cognitive complexity,
# function lines and function statements: p50, p90, max, and how many
# functions exceed 25 (complexity) or 60 (lines/statements), over every
# function in src/ (headers too, each counted once; *_win32.cpp left out).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
jobs=${JOBS:-2}
[ -f "$build/compile_commands.json" ] || {
    echo "no $build/compile_commands.json (configure with -DCMAKE_EXPORT_COMPILE_COMMANDS=ON)" >&2
    exit 2
}
# Thresholds of 0 make clang-tidy report every function with its figures.
checks='-*,readability-function-cognitive-complexity,readability-function-size'
config='{CheckOptions: [
  {key: readability-function-cognitive-complexity.Threshold, value: 0},
  {key: readability-function-cognitive-complexity.DescribeBasicIncrements, value: false},
  {key: readability-function-size.LineThreshold, value: 0},
  {key: readability-function-size.StatementThreshold, value: 0}]}'
out=$(mktemp)
trap 'rm -f "$out"' EXIT
find src -name '*.cpp' ! -name '*_win32.cpp' | sort |
    xargs -P "$jobs" -n 4 clang-tidy -quiet -p "$build" --checks="$checks" \
        --config="$config" --header-filter="^$PWD/src/" 2>/dev/null >>"$out" || true
python3 - "$out" <<'PY'
import re, sys
text = open(sys.argv[1], encoding="utf-8", errors="replace").read()
# One finding per function: key by location so headers seen twice count once.
# Every function with a statement gets a size finding; one without a
# complexity finding has complexity 0.
cog, lines, stmts = {}, {}, {}
loc = None
for line in text.splitlines():
    m = re.match(r"^(\S+?):(\d+):(\d+): warning: function '([^']*)' has cognitive complexity of (\d+)", line)
    if m:
        cog[(m[1], m[2], m[4])] = int(m[5])
        continue
    m = re.match(r"^(\S+?):(\d+):(\d+): warning: function '([^']*)' exceeds recommended size", line)
    if m:
        loc = (m[1], m[2], m[4])
        lines.setdefault(loc, 0)
        stmts.setdefault(loc, 0)
        continue
    m = re.search(r"note: (\d+) lines including whitespace and comments", line)
    if m and loc:
        lines[loc] = int(m[1])
        continue
    m = re.search(r"note: (\d+) statements", line)
    if m and loc:
        stmts[loc] = int(m[1])
for key in lines:
    cog.setdefault(key, 0)

def pct(values, p):
    values = sorted(values)
    if not values:
        return 0
    return values[min(len(values) - 1, int(round(p / 100 * (len(values) - 1))))]

def row(name, d, limit):
    v = list(d.values())
    print(f"{name:22} count {len(v):5}  p50 {pct(v, 50):4}  p90 {pct(v, 90):4}  "
          f"max {max(v) if v else 0:5}  over {limit}: {sum(1 for x in v if x > limit)}")

row("cognitive complexity", cog, 25)
row("function lines", lines, 60)
row("function statements", stmts, 60)
worst = sorted(cog.items(), key=lambda kv: -kv[1])[:10]
print("highest cognitive complexity:")
for (path, ln, fn), value in worst:
    print(f"  {value:4}  {fn}  ({path.split('/src/')[-1]}:{ln})")
PY
