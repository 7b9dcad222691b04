#!/usr/bin/env bash
# Transfers against lrzsz through the simulated STB's relay at a paced
# 115,200 bit/s with a bit flipped in 1 of 20,000 bytes in both directions:
# RUNS uploads from "sb --ymodem -k" for each start delay (1, 3 and 6 s after
# the upload command, with the program's requests waiting in its input) and
# RUNS downloads into "rb", each with its own error seed. Counts the runs
# whose file arrived byte for byte. Takes about 20 s per run.
# usage: bench/lrzsz_soak.sh [BUILD_DIR] [RUNS]
set -uo pipefail
build=${1:-build}
runs=${2:-10}
bin=$(cd "$build/bin" && pwd)
if ! command -v sb >/dev/null || ! command -v rb >/dev/null; then
  echo "lrzsz is not installed: skipped"
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A full channel database (an upload must be channel data to be kept), with
# random bytes behind it up to 131,071.
"$bin/dorvane" demo-data --full "$work/source.irz" >/dev/null
python3 - "$work" <<'PY'
import random, sys
r = random.Random(20000)
blob = bytearray(open(sys.argv[1] + "/source.irz", "rb").read())
blob += bytes(r.getrandbits(8) for _ in range(131071 - len(blob)))
open(sys.argv[1] + "/source.irz", "wb").write(blob)
open(sys.argv[1] + "/image.bin", "wb").write(bytes(r.getrandbits(8) for _ in range(150000)))
PY
errors=(--rate 115200 --corrupt-in-rate 50 --corrupt-out-rate 50)

# Starts the simulator with the given options; sets $port and $simpid.
start_sim() {
  "$bin/dorvane-sim" "$@" >"$work/sim.log" 2>&1 &
  simpid=$!
  for _ in $(seq 50); do
    port=$(head -1 "$work/sim.log" 2>/dev/null)
    [ -n "$port" ] && return
    sleep 0.1
  done
}

# Uploads from sb started DELAY ms after the command; sets ok_up.
soak_uploads() {
  local delay=$1
  ok_up=0
  for seed in $(seq "$runs"); do
    rm -f "$work/backup.irz"
    start_sim "${errors[@]}" --fault-seed "$seed" --no-stdin --relay upload --relay-delay "$delay" -- \
      sb --ymodem -k "$work/source.irz"
    start=$SECONDS
    DORVANE_TIMEOUTS="start=$((delay + 3000))" timeout 180 "$bin/dorvane" upload --force --port "$port" \
      "$work/backup.irz" >"$work/cli.log" 2>&1
    status=$?
    kill "$simpid" 2>/dev/null; wait "$simpid" 2>/dev/null
    if [ $status -eq 0 ] && cmp -s "$work/source.irz" "$work/backup.irz"; then
      ok_up=$((ok_up + 1)); echo "upload   sb $delay ms late, seed $seed: byte for byte ($((SECONDS - start)) s)"
    else
      echo "upload   sb $delay ms late, seed $seed: FAILED (status $status): $(tail -1 "$work/cli.log")"
    fi
  done
}

uploads=""
for delay in 1000 3000 6000; do
  soak_uploads "$delay"
  uploads="$uploads; uploads from sb $delay ms late: $ok_up of $runs byte for byte"
done

ok_down=0
for seed in $(seq "$runs"); do
  rm -rf "$work/rb"; mkdir "$work/rb"
  start_sim "${errors[@]}" --fault-seed "$seed" --no-stdin --relay download --relay-dir "$work/rb" -- rb
  start=$SECONDS
  DORVANE_TIMEOUTS="start=8000" timeout 180 "$bin/dorvane" download --port "$port" "$work/image.bin" \
    >"$work/cli.log" 2>&1
  status=$?
  sleep 1  # rb writes its file as it exits
  kill "$simpid" 2>/dev/null; wait "$simpid" 2>/dev/null
  if [ $status -eq 0 ] && cmp -s "$work/image.bin" "$work/rb/image.bin"; then
    ok_down=$((ok_down + 1)); echo "download seed $seed: byte for byte ($((SECONDS - start)) s)"
  else
    echo "download seed $seed: FAILED (status $status): $(tail -1 "$work/cli.log")"
  fi
done
echo "downloads into rb: $ok_down of $runs byte for byte$uploads"
