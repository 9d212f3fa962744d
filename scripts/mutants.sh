#!/usr/bin/env bash
# Mutation check: applies small source changes one at a time and runs the fast tests against each, to show
# that the suite notices the faults a careless change would make. Slow (about half an hour); not part of the
# normal test run. See docs/mutation_check.md.
#
#   scripts/mutants.sh [list]            list defaults to scripts/mutants.txt
#   KX_MUTANTS_BUILD=dir                 build directory to use (default: build, configured if missing)
#   KX_MUTANTS_ONLY=regex                run only the entries whose file or reason matches
#   KX_MUTANTS_CHECK=1                   only check that every entry matches one line; builds nothing
#
# The list holds blocks separated by blank lines; '#' starts a comment line:
#   file: ops/batch.cpp
#   line: const bool down = direction == HalfCopy::TopToBottom;     exact text inside the line to change
#   with: const bool down = direction != HalfCopy::TopToBottom;     what replaces that text
#   why:  the half copies run the other way
# "regex:" (an awk extended regular expression) may stand instead of "line:"; the first match in the line is
# replaced. Either must match exactly one line of the file. An entry with "equivalent: <reason>" is listed
# but not run: the change cannot alter what the program does.
#
# Per entry: killed (a test failed or timed out), survived (every test passed), invalid (the mutant did not
# compile: fix the entry) or broken (the pattern did not match exactly one line: fix the entry). The last
# line is "N killed, M survived".
set -u -o pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
list=${1:-$root/scripts/mutants.txt}
build=${KX_MUTANTS_BUILD:-$root/build}
only=${KX_MUTANTS_ONLY:-}
check_only=${KX_MUTANTS_CHECK:-}
[[ $build = /* ]] || build=$root/$build

# The layers from the bottom up. A mutation is tested by its own layer's tests and those of the core layers
# above it; the Qt adapter's tests (slow to link) join for mutations in app/ and gui/, the layers they watch.
layers=(runtime model ops views io windows app cli gui)
# The soak tests take most of the suite's time and add nothing a single edit would not show.
gtest_filter='-HistorySoak.*:LongSession.*'
per_binary_timeout=180

die() { echo "mutants: $*" >&2; exit 2; }
[[ -f $list ]] || die "no list at $list"

export CCACHE_BASEDIR=${CCACHE_BASEDIR:-/work} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
export CCACHE_DIR=${CCACHE_DIR:-/work/.ccache}
if [[ -z $check_only && ! -f $build/build.ninja ]]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKX_WERROR=ON \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null || die "configure failed"
fi

work=$(mktemp -d)
current=""  # the file under mutation, restored from $work/original
restore() {
  if [[ -n $current ]]; then
    # Written over rather than moved back, so the file is newer than the mutant's objects and rebuilds.
    cat "$work/original" >"$root/$current"
    current=""
  fi
}
cleanup() { restore; rm -rf "$work"; }
trap cleanup EXIT
trap 'echo; echo "mutants: interrupted, $current restored" >&2; exit 130' INT TERM

layer_index() {
  local i
  for i in "${!layers[@]}"; do [[ ${layers[$i]} == "$1" ]] && { echo "$i"; return; }; done
  echo -1
}

# Prints the number of the one line of $1 that the pattern matches, or fails with the match count.
find_line() {
  local file=$1 mode=$2 pattern=$3
  PAT=$pattern awk -v mode="$mode" '
    (mode == "line" && index($0, ENVIRON["PAT"])) || (mode == "regex" && $0 ~ ENVIRON["PAT"]) { n++; at = NR }
    END { if (n == 1) { print at; exit 0 } print n + 0; exit 1 }' "$file"
}

# Writes $1 with the pattern in line $4 replaced by $5 to stdout.
mutate() {
  local file=$1 mode=$2 pattern=$3 at=$4 replacement=$5
  PAT=$pattern REP=$replacement awk -v mode="$mode" -v at="$at" '
    NR == at {
      if (mode == "line") { i = index($0, ENVIRON["PAT"]); len = length(ENVIRON["PAT"]) }
      else { match($0, ENVIRON["PAT"]); i = RSTART; len = RLENGTH }
      $0 = substr($0, 1, i - 1) ENVIRON["REP"] substr($0, i + len)
    }
    { print }' "$file"
}

killed=0 survived=0 invalid=0 broken=0 equivalent=0 matched=0
declare -a survivors=()

run_entry() {
  local file=$1 mode=$2 pattern=$3 replacement=$4 why=$5 eq=$6
  local label="$file: $why"
  if [[ -n $only && ! $label =~ $only ]]; then return; fi
  if [[ -n $eq ]]; then
    equivalent=$((equivalent + 1))
    printf 'equivalent  %s (%s)\n' "$label" "$eq"
    return
  fi
  local path=$root/$file at
  if [[ ! -f $path ]] || ! at=$(find_line "$path" "$mode" "$pattern"); then
    broken=$((broken + 1))
    printf 'broken      %s (pattern matches %s lines)\n' "$label" "${at:-no file, 0}"
    return
  fi
  if [[ -n $check_only ]]; then matched=$((matched + 1)); return; fi
  local layer=${file%%/*} first
  first=$(layer_index "$layer")
  [[ $first -ge 0 ]] || die "$file is in no layer"
  local targets=() binaries=() i
  for ((i = first; i < ${#layers[@]}; ++i)); do
    [[ ${layers[$i]} == gui && $layer != app && $layer != gui ]] && continue
    targets+=("kx_${layers[$i]}_tests")
    binaries+=("$build/tests/kx_${layers[$i]}_tests")
  done

  cp "$path" "$work/original"
  current=$file
  mutate "$work/original" "$mode" "$pattern" "$at" "$replacement" >"$path"
  # The layers' test executables are built and run one at a time, nearest layer first: most faults show in
  # the first, and the others then need no linking.
  local verdict=survived
  for i in "${!targets[@]}"; do
    if ! cmake --build "$build" --target "${targets[$i]}" >"$work/build.log" 2>&1; then
      verdict=invalid
      break
    fi
    if ! (cd "$build/tests" && QT_QPA_PLATFORM=offscreen timeout "$per_binary_timeout" "${binaries[$i]}" \
            --gtest_filter="$gtest_filter" --gtest_brief=1 >"$work/test.log" 2>&1); then
      verdict=killed
      break
    fi
  done
  case $verdict in
    invalid) invalid=$((invalid + 1)) ;;
    killed) killed=$((killed + 1)) ;;
    survived) survived=$((survived + 1)); survivors+=("$label") ;;
  esac
  restore
  printf '%-11s %s:%s %s\n' "$verdict" "$file" "$at" "$why"
  if [[ $verdict == invalid ]]; then grep -m3 'error' "$work/build.log" | sed 's/^/            /'; fi
}

# Reads the blocks of the list and runs each.
file="" mode="" pattern="" replacement="" why="" eq="" have_with=0
flush() {
  if [[ -n $file || -n $pattern ]]; then
    [[ -n $file && -n $pattern && $have_with == 1 && -n $why ]] ||
      die "incomplete entry (file '$file', pattern '$pattern'): every entry needs file, line or regex, with, why"
    run_entry "$file" "$mode" "$pattern" "$replacement" "$why" "$eq"
  fi
  file="" mode="" pattern="" replacement="" why="" eq="" have_with=0
}
while IFS= read -r raw || [[ -n $raw ]]; do
  [[ $raw =~ ^[[:space:]]*# ]] && continue
  if [[ -z ${raw//[[:space:]]/} ]]; then flush; continue; fi
  key=${raw%%:*}
  value=${raw#*:}
  value=${value# }
  case $key in
    file) file=$value ;;
    line | regex) mode=$key; pattern=$value ;;
    with) replacement=$value; have_with=1 ;;
    why) why=$value ;;
    equivalent) eq=$value ;;
    *) die "unknown key '$key' in: $raw" ;;
  esac
done <"$list"
flush

if [[ -n $check_only ]]; then
  echo "$matched entries match one line each, $broken broken, $equivalent equivalent"
  ((broken)) && exit 2
  exit 0
fi

# Leaves the build matching the sources again.
cmake --build "$build" >/dev/null 2>&1 || echo "mutants: the final rebuild failed" >&2

if ((${#survivors[@]})); then
  echo "survivors:"
  printf '  %s\n' "${survivors[@]}"
fi
if ((invalid + broken + equivalent)); then
  echo "$invalid invalid, $broken broken, $equivalent equivalent (not counted)"
fi
echo "$killed killed, $survived survived"
((invalid + broken)) && exit 2
((survived)) && exit 1
exit 0
