#!/usr/bin/env bash
# Throughput of the batch program: 1,000 random laminates of 8 to 48 plies
# (fixed seed) analysed with --output-dir as text and as JSON, against a
# shell loop of 100 single runs. Prints laminates per second; not a test.
#
# Usage: bench/throughput.sh [PROGRAM] [COUNT]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$here/build/vellacore}
count=${2:-1000}
# The scratch folder is in memory when the machine has one (/dev/shm), so that
# the figures measure the program rather than the disk; BENCH_SCRATCH picks
# another folder.
scratch=${BENCH_SCRATCH:-$( [ -d /dev/shm ] && [ -w /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")}
[ -x "$program" ] || { echo "no program at $program" >&2; exit 2; }
work=$(mktemp -d "$scratch/vellacore-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
# The program's settings and data folder stay inside the scratch folder.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data
mkdir -p "$work/in" "$HOME/config" "$HOME/data"

python3 - "$work/in" "$count" "$here/tests/reference" <<'PY'
import os, random, sys
sys.path.insert(0, sys.argv[3])
import differential_check as dc
rnd = random.Random(20240612)
for i in range(int(sys.argv[2])):
    with open(os.path.join(sys.argv[1], "laminate-%04d.vcl" % i), "w", newline="") as f:
        f.write(dc.random_data_file(rnd, layers=(8, 48)))
PY

now() { date +%s.%N; }
rate() { python3 -c "import sys; n, t = int(sys.argv[1]), float(sys.argv[2]); print('%-34s %6d laminates in %7.3f s: %8.0f per second' % (sys.argv[3], n, t, n / t))" "$@"; }

echo "scratch folder: $scratch ($(stat -f -c %T "$scratch"))"
for format in text json "json --curves"; do
  out=$work/out-${format// /}
  start=$(now)
  # shellcheck disable=SC2086 # "json --curves" is meant to split
  "$program" --output-dir "$out" --format $format "$work"/in/*.vcl 2>/dev/null || true
  rate "$count" "$(python3 -c "print($(now) - $start)")" "--output-dir, $format, $(nproc) threads"
  [ -d "$out" ] || { echo "the program wrote nothing: $program" >&2; exit 2; }
  echo "    $(du -sh "$out" | cut -f1) written"
done

singles=100
start=$(now)
for f in $(ls "$work"/in/*.vcl | head -n "$singles"); do
  "$program" "$f" "$work/single.txt" 2>/dev/null || true
done
rate "$singles" "$(python3 -c "print($(now) - $start)")" "shell loop of single runs, text"
