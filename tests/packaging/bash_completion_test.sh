#!/usr/bin/env bash
# The completion for dorvane, run as bash runs it on TAB, without the
# bash-completion package's helpers (the script must work either way).
# usage: bash_completion_test.sh COMPLETION_FILE DORVANE
set -uo pipefail
export LC_ALL=C  # the order the cases are written in
completion=$1
real_dorvane=$2
source "$completion"

# The real program for its commands and options; two known ports instead of
# whatever this machine has.
fake_dorvane() {
  if [ "${1:-}" = ports ]; then
    printf '/dev/ttyS0\t\n/dev/ttyUSB0\tFT232R USB UART\n'
  else
    "$real_dorvane" "$@"
  fi
}

failures=0
# complete WORD... : the line up to the cursor, the last word being completed.
complete_line() {
  COMP_WORDS=(fake_dorvane "$@")
  COMP_CWORD=$(( ${#COMP_WORDS[@]} - 1 ))
  COMPREPLY=()
  _dorvane
  printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}
expect() {
  local want=$1; shift
  local got
  got=$(complete_line "$@")
  if [ "$got" != "$want" ]; then
    echo "FAIL: dorvane $* <TAB>: got '$got', want '$want'"
    failures=$((failures + 1))
  fi
}

# Commands, read from the program's help.
expect "inspect" ins
expect "--help --lang --version bundle channels check demo-data diff doctor download import inspect port ports reorder repack station upload" ""
expect "demo-data diff doctor download" d
expect "--help --json" diff a.irz --
# Options of each command, from its usage line.
expect "--forced --help --json --port --trace --verify" download --
expect "--force --help --json --port --trace" upload --
expect "--full --help --seed" demo-data x.irz --
expect "--csv --help --json" channels --
expect "--help --json --loopback --port --power-cycle-wait" doctor --
expect "--csv --forced --help --json --port --ports --repeat --report --verify" station --
# The language before the command, then the command and its options.
expect "ar auto" --lang a
expect "demo-data diff doctor download" --lang de d
expect "--forced --help --json --port --trace --verify" --lang de download --
# Port names after --port, in both spellings.
expect "/dev/ttyS0 /dev/ttyUSB0" download --port ""
expect "/dev/ttyUSB0" upload --port /dev/ttyU
expect "/dev/ttyS0 /dev/ttyUSB0" download --port = ""
expect "--port=/dev/ttyUSB0" download --port=/dev/ttyU
# Files for the file arguments, nothing where there is no argument.
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
touch "$dir/app.img" "$dir/stbdata.irz"
expect "$dir/app.img" inspect "$dir/a"
expect "$dir/stbdata.irz" download --port /dev/ttyS0 "$dir/s"
expect "" ports ""
# The port command takes one port.
expect "/dev/ttyS0 /dev/ttyUSB0" port ""
expect "" port /dev/ttyS0 ""
expect "" demo-data x.irz --seed ""
# The connection check takes no file, nor a file for its wait.
expect "" doctor ""
expect "" doctor --power-cycle-wait ""

[ "$failures" -eq 0 ] && echo "bash completion: all cases pass"
exit $(( failures > 0 ))
