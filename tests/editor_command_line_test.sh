#!/usr/bin/env bash
# Runs the editor executable the way a shell user does: --help, --version, an unknown option and a missing
# display must each answer at once, without a window and without creating kstr.ini in the working folder.
#   editor_command_line_test.sh PATH_TO_KESTRELIX
set -uo pipefail
editor=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Runs the editor with a time limit (a window would wait forever); sets status, out and err.
run() {
  timeout 20 "$@" >"$work/out" 2>"$work/err"
  status=$?
  out=$(cat "$work/out") err=$(cat "$work/err")
}
no_ini() { [[ ! -e $work/kstr.ini ]] || { fail "$1 created kstr.ini"; rm -f "$work/kstr.ini"; }; }

# No display at all: help and version need none.
run env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$editor" --help
[[ $status == 0 ]] || fail "--help exited $status"
[[ $out == "Usage: kestrelix "* ]] || fail "--help printed: $out"
[[ -z $err ]] || fail "--help wrote to standard error: $err"
no_ini --help

run env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$editor" --version
[[ $status == 0 && $out =~ ^kestrelix\ [0-9]+\.[0-9]+$ && -z $err ]] || fail "--version: $status '$out' '$err'"
no_ini --version

run env QT_QPA_PLATFORM=offscreen "$editor" --no-such-option
[[ $status == 1 ]] || fail "an unknown option exited $status"
[[ -z $out ]] || fail "an unknown option wrote to standard output: $out"
[[ $err == "kestrelix: unknown option '--no-such-option'"*"Usage: kestrelix "* ]] || fail "unknown option: $err"
no_ini "an unknown option"

run env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$editor"
[[ $status == 1 ]] || fail "no display exited $status"
[[ $err == "kestrelix: cannot open a display (is DISPLAY set?)" && -z $out ]] || fail "no display: '$out' '$err'"
no_ini "no display"

if ((failures)); then echo "$failures failures"; exit 1; fi
echo "command line: all checks passed"
