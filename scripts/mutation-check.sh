#!/usr/bin/env bash
# Mutation check: how many small, deliberate faults do the fast tests catch?
#
# Each entry of the mutation list (scripts/mutations.txt) names a source file
# (or a folder), an exact snippet that occurs exactly once there and its
# replacement. One entry at a time, the snippet is replaced, the test programs
# and the batch program are rebuilt, and the whole non-GUI test suite runs:
#   killed    some test failed (or the suite timed out),
#   survived  every test passed,
#   stale     the file is gone or the snippet is missing or not unique
#             (the list needs updating; counted neither way),
#   nobuild   the mutant did not compile (counted neither way).
# The share killed is killed / (killed + survived). The exit status is 0 when
# the share reaches the threshold, 1 when it does not, 2 on a usage error or
# when the unmutated tree already fails its tests.
#
# The source is always restored: the original is copied aside before each
# mutation and copied back afterwards, on exit and on interrupt; a copy left
# by a run that was killed outright is put back at the next start.
set -uo pipefail
shopt -u patsub_replacement 2>/dev/null || true
export LC_ALL=C

cd "$(dirname "$0")/.."
ROOT="$PWD"

threshold=95
list=scripts/mutations.txt
build=build-mutation
jobs=2
only=""
check_only=0
# Tests run in a second pass, only when every other test passed: a killed
# mutant then costs only the quick tests.
slow='^reference_random_laminates$'
timeout=60

usage() {
  cat <<'USAGE'
Usage: scripts/mutation-check.sh [options]
  --threshold P    lowest share killed, in percent, for exit status 0 (default 95)
  --list FILE      mutation list (default scripts/mutations.txt)
  --build-dir DIR  build folder, configured without the GUI and benchmarks
                   (default build-mutation)
  --jobs N         parallel build and test jobs (default 2)
  --only LIST      run only these entries, by number: 3,7,10-12
  --slow REGEX     tests run after the others pass (default ^reference_random_laminates$)
  --timeout SEC    time limit of each test (default 60)
  --check          only check that every entry applies; no build, no tests
USAGE
}

while (($#)); do
  case "$1" in
    --threshold) threshold="${2:?}"; shift 2 ;;
    --list) list="${2:?}"; shift 2 ;;
    --build-dir) build="${2:?}"; shift 2 ;;
    --jobs) jobs="${2:?}"; shift 2 ;;
    --only) only="${2:?}"; shift 2 ;;
    --slow) slow="${2?}"; shift 2 ;;
    --timeout) timeout="${2:?}"; shift 2 ;;
    --check) check_only=1; shift ;;
    -h|--help) usage; exit 0 ;;
    *) echo "mutation-check: unknown option $1" >&2; usage >&2; exit 2 ;;
  esac
done
if ! [[ "$threshold" =~ ^[0-9]+([.][0-9]+)?$ ]]; then
  echo "mutation-check: --threshold takes a percentage, not $threshold" >&2
  exit 2
fi
[[ -f "$list" ]] || { echo "mutation-check: no mutation list $list" >&2; exit 2; }

# ---------------------------------------------------------------------------
# The list: "@ path" opens an entry, "- text" gives the original snippet and
# "+ text" its replacement (everything after the marker and one blank, kept
# byte for byte). Blank lines and lines starting with "#" are ignored.
paths=() finds=() repls=() where=()
parse_list() {
  local line n=0 path="" find="" have_find=0 at=0
  while IFS= read -r line || [[ -n "$line" ]]; do
    n=$((n + 1))
    line="${line%$'\r'}"
    case "$line" in
      ''|'#'*) continue ;;
      '@ '*) [[ -z "$path" ]] || { echo "$list:$at: entry without a '+' line" >&2; exit 2; }
             path="${line#@ }"; at=$n; have_find=0 ;;
      '- '*) [[ -n "$path" && $have_find -eq 0 ]] || { echo "$list:$n: '-' line out of place" >&2; exit 2; }
             find="${line#- }"; have_find=1 ;;
      '+ '*) [[ $have_find -eq 1 ]] || { echo "$list:$n: '+' line without a '-' line" >&2; exit 2; }
             if [[ -z "$find" || "$find" == "${line#+ }" ]]; then
               echo "$list:$at: the snippet is empty or equals its replacement" >&2; exit 2
             fi
             paths+=("$path"); finds+=("$find"); repls+=("${line#+ }"); where+=("$at")
             path=""; have_find=0 ;;
      *) echo "$list:$n: cannot read this line" >&2; exit 2 ;;
    esac
  done <"$list"
  [[ -z "$path" ]] || { echo "$list:$at: entry without a '+' line" >&2; exit 2; }
}
parse_list
total=${#paths[@]}

selected=()
if [[ -n "$only" ]]; then
  IFS=',' read -r -a parts <<<"$only"
  for part in "${parts[@]}"; do
    if [[ "$part" =~ ^([0-9]+)-([0-9]+)$ ]]; then
      for ((i = BASH_REMATCH[1]; i <= BASH_REMATCH[2]; ++i)); do selected+=("$i"); done
    elif [[ "$part" =~ ^[0-9]+$ ]]; then
      selected+=("$part")
    else
      echo "mutation-check: --only takes numbers and ranges, not $part" >&2; exit 2
    fi
  done
  for i in "${selected[@]}"; do
    ((i >= 1 && i <= total)) || { echo "mutation-check: no entry $i (the list has $total)" >&2; exit 2; }
  done
else
  for ((i = 1; i <= total; ++i)); do selected+=("$i"); done
fi

# Occurrences of a one-line snippet in a file.
count_in() { grep -oF -e "$2" -- "$1" 2>/dev/null | wc -l; }

# Finds the one file of entry $1 that holds its snippet. A folder entry
# ("format/") searches the folder's sources, so a renamed or split file is
# still found. Sets `target` and `tline`, or `stale_why`.
resolve() {
  local path="${paths[$1]}" find="${finds[$1]}" f c hits=0
  target="" tline="" stale_why=""
  local candidates=()
  if [[ -d "$path" ]]; then
    while IFS= read -r f; do candidates+=("$f"); done \
      < <(find "${path%/}" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
  elif [[ -f "$path" ]]; then
    candidates=("$path")
  else
    stale_why="no such file or folder"
    return 1
  fi
  for f in "${candidates[@]}"; do
    c=$(count_in "$f" "$find")
    if ((c > 0)); then
      hits=$((hits + c))
      target="$f"
    fi
  done
  if ((hits == 0)); then
    stale_why="snippet not found"
    return 1
  elif ((hits > 1)); then
    stale_why="snippet occurs $hits times"
    return 1
  fi
  tline=$(grep -nF -e "$find" -- "$target" | head -n 1 | cut -d: -f1)
  return 0
}

describe() { printf '%s  `%s` -> `%s`' "$1" "${finds[$2]}" "${repls[$2]}"; }

if ((check_only)); then
  bad=0
  for i in "${selected[@]}"; do
    k=$((i - 1))
    if resolve "$k"; then
      printf '%3d ok     %s\n' "$i" "$(describe "$target:$tline" "$k")"
    else
      printf '%3d stale  %s  (%s; list line %s)\n' "$i" "$(describe "${paths[$k]}" "$k")" "$stale_why" "${where[$k]}"
      bad=1
    fi
  done
  exit $bad
fi

# ---------------------------------------------------------------------------
# Restoring the source.
# The terminal's output, for messages from a trap that fires while a
# command's output is redirected to a log.
exec 3>&1 4>&2
state="$build/mutation-state"
mkdir -p "$state"
# One run per build folder: a second one would mutate under the first.
if command -v flock >/dev/null; then
  exec 9>"$state/lock"
  flock -n 9 || { echo "mutation-check: another run is using $build" >&2; exit 2; }
fi
restore() {
  if [[ -f "$state/path" ]]; then
    local f
    f="$(cat "$state/path")"
    # A plain copy gives the file a new time, so the next build recompiles it.
    cp -- "$state/original" "$f" && cmp -s -- "$state/original" "$f" || {
      echo "mutation-check: COULD NOT RESTORE $f; its original is $state/original" >&4
      return 1
    }
    rm -f -- "$state/path" "$state/original"
  fi
}
if [[ -f "$state/path" ]]; then
  echo "== restoring $(cat "$state/path"), left mutated by an interrupted run"
  restore || exit 2
fi

child=0
# Runs a command as its own process group, so an interrupt can stop it and
# everything it started before the source is restored.
set -m
run() {
  "$@" </dev/null &
  child=$!
  wait "$child"
  local rc=$?
  child=0
  return $rc
}
on_signal() {
  if ((child)); then
    kill -TERM -- "-$child" 2>/dev/null || kill -TERM "$child" 2>/dev/null
    wait "$child" 2>/dev/null
  fi
  echo >&3
  echo "mutation-check: interrupted; restoring the source" >&4
  exit "$1"
}
trap restore EXIT
trap 'on_signal 130' INT
trap 'on_signal 143' TERM
trap 'on_signal 129' HUP

# ---------------------------------------------------------------------------
# Build and test.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$ROOT}"
log="$state/log"

configure() {
  local args=(-S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVC_BUILD_GUI=OFF
              -DVC_BUILD_BENCH=OFF -DVC_BUILD_TESTS=ON -DVC_FUZZ=OFF -DVC_SANITIZE=OFF)
  command -v ccache >/dev/null && args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  if [[ ! -f "$build/CMakeCache.txt" ]] && command -v ninja >/dev/null; then args+=(-G Ninja); fi
  run cmake "${args[@]}" >"$log" 2>&1
}

# With the GUI and benchmarks off, the default target is exactly the test
# programs, the batch program and the libraries they link.
build_all() { run cmake --build "$build" -j "$jobs" >"$log" 2>&1; }

# Runs the suite; on a failure `failed` names the first failing test. (Not
# run in a command substitution: an interrupt must reach the test run.)
failed=""
run_tests() {
  local out="$state/ctest"
  local quick=(ctest --test-dir "$build" -j "$jobs" --timeout "$timeout" --output-on-failure)
  failed=""
  if [[ -n "$slow" ]]; then
    run "${quick[@]}" --stop-on-failure -E "$slow" >"$out" 2>&1 &&
      run "${quick[@]}" -R "$slow" >"$out" 2>&1
  else
    run "${quick[@]}" --stop-on-failure >"$out" 2>&1
  fi || {
    failed=$(sed -n '/The following tests FAILED:/,$p' "$out" | sed -n '2s/^[[:space:]]*[0-9]* - //p')
    failed="${failed:-the test run failed}"
    return 1
  }
}

seconds() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$(seconds)" 'BEGIN { printf "%.0f", b - a }'; }

start_all=$(seconds)
echo "== configuring $build (no GUI, no benchmarks)"
configure || { cat "$log" >&2; echo "mutation-check: configuring failed" >&2; exit 2; }
echo "== building and testing the unmutated tree"
t0=$(seconds)
build_all || { tail -n 30 "$log" >&2; echo "mutation-check: the unmutated tree does not build" >&2; exit 2; }
if ! run_tests; then
  echo "mutation-check: the unmutated tree fails its tests ($failed); see $state/ctest" >&2
  exit 2
fi
echo "   all tests pass ($(elapsed "$t0") s with the build)"

killed=0 survived=0 stale=0 nobuild=0
survivors=() stales=() nobuilds=()
n_sel=${#selected[@]}
pos=0
for i in "${selected[@]}"; do
  pos=$((pos + 1))
  k=$((i - 1))
  tag=$(printf '[%2d/%d] #%-3d' "$pos" "$n_sel" "$i")
  if ! resolve "$k"; then
    stale=$((stale + 1))
    stales+=("#$i $(describe "${paths[$k]}" "$k")  ($stale_why; list line ${where[$k]})")
    printf '%s stale     %s  (%s)\n' "$tag" "$(describe "${paths[$k]}" "$k")" "$stale_why"
    continue
  fi
  t0=$(seconds)
  cp -- "$target" "$state/original"
  printf '%s\n' "$target" >"$state/path"
  IFS= read -r -d '' content <"$target"
  printf '%s' "${content/"${finds[$k]}"/"${repls[$k]}"}" >"$target"
  what="$(describe "$target:$tline" "$k")"
  if ! build_all; then
    result="nobuild"
    nobuild=$((nobuild + 1))
    nobuilds+=("#$i $what")
    detail=""
  elif run_tests; then
    result="survived"
    survived=$((survived + 1))
    survivors+=("#$i $what")
    detail=""
  else
    result="killed"
    killed=$((killed + 1))
    detail="  [$failed]"
  fi
  restore || exit 2
  printf '%s %-9s %s%s (%s s)\n' "$tag" "$result" "$what" "$detail" "$(elapsed "$t0")"
done

# Leave the build folder matching the restored source.
build_all || true

counted=$((killed + survived))
echo
echo "== mutation check: $n_sel entries; killed $killed, survived $survived, stale $stale, nobuild $nobuild"
if ((stale)); then
  echo "   stale entries (update $list):"
  printf '     %s\n' "${stales[@]}"
fi
if ((nobuild)); then
  echo "   mutants that did not compile:"
  printf '     %s\n' "${nobuilds[@]}"
fi
if ((survived)); then
  echo "   survivors:"
  printf '     %s\n' "${survivors[@]}"
fi
if ((counted == 0)); then
  echo "   no mutant was run; share unknown"
  exit 1
fi
share=$(awk -v k="$killed" -v c="$counted" 'BEGIN { printf "%.1f", 100 * k / c }')
echo "   share killed: $share % ($killed of $counted), threshold $threshold %, time $(elapsed "$start_all") s"
if awk -v k="$killed" -v c="$counted" -v t="$threshold" 'BEGIN { exit !(100 * k >= t * c) }'; then
  exit 0
fi
echo "   below the threshold"
exit 1
