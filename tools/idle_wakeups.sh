#!/usr/bin/env bash
# Wake-ups per second of an idle program: the context switches of all its
# threads (voluntary and not) counted over a quiet spell, after it has had
# time to settle. Each switch is the thread sleeping or being put aside, so
# an idle program that polls shows them at its polling rate.
#
#   tools/idle_wakeups.sh [--settle S] [--seconds S] [--match NAME] -- COMMAND...
#
# COMMAND is started in the background (under Xvfb when no DISPLAY is set);
# with --match the process measured is the newest one named NAME (its
# first 15 characters, as the kernel keeps them; under Wine the program runs
# in a process of its own, not the one started), otherwise COMMAND's own
# process. Prints one line:
#   wakeups/s=F threads=N seconds=S
set -euo pipefail

settle=5
seconds=10
match=""
while [ $# -gt 0 ]; do
  case "$1" in
    --settle) settle=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    --match) match=$2; shift 2 ;;
    --) shift; break ;;
    *) echo "usage: $0 [--settle S] [--seconds S] [--match NAME] -- COMMAND..." >&2; exit 2 ;;
  esac
done
[ $# -gt 0 ] || { echo "$0: no command" >&2; exit 2; }

xvfb=""
if [ -z "${DISPLAY:-}" ]; then
  display=:$((90 + RANDOM % 9))
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp > /dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=$display
  sleep 1
fi

"$@" > /dev/null 2>&1 &
started=$!
cleanup() {
  kill "$started" 2> /dev/null || true
  [ -n "$match" ] && pkill -x -- "${match:0:15}" 2> /dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2> /dev/null || true
}
trap cleanup EXIT

sleep "$settle"
pid=$started
if [ -n "$match" ]; then
  pid=$(pgrep -n -x -- "${match:0:15}" || true)
  [ -n "$pid" ] || { echo "$0: no process matches $match" >&2; exit 1; }
fi

switches() { # the sum over every thread of the process
  local total=0 task v n
  for task in /proc/"$pid"/task/*; do
    v=$(awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status" 2> /dev/null || echo 0)
    n=$(awk '/^nonvoluntary_ctxt_switches/ {print $2}' "$task/status" 2> /dev/null || echo 0)
    total=$((total + ${v:-0} + ${n:-0}))
  done
  echo "$total"
}

before=$(switches)
sleep "$seconds"
after=$(switches)
threads=$(ls /proc/"$pid"/task | wc -l)
awk -v a="$after" -v b="$before" -v s="$seconds" -v t="$threads" \
  'BEGIN { printf "wakeups/s=%.1f threads=%d seconds=%d\n", (a - b) / s, t, s }'
