#!/usr/bin/env bash
# Runs the file-writing tests again as a user who is not root, under umask 022, in a folder that user owns:
# root may read and replace any file, so a root run cannot show a new file's mode or what an ordinary user
# is refused. Needs root to switch users (CI runs as root); anywhere else it is skipped (exit 77).
#
#   unprivileged_run.sh RUNTIME_TESTS APP_TESTS CLI_TESTS CLI_EXECUTABLE
set -euo pipefail
skip() { echo "skipped: $*"; exit 77; }
[[ $(id -u) == 0 ]] || skip "not root, so cannot run the tests as another user"
command -v setpriv >/dev/null || skip "setpriv (util-linux) is missing"
user=nobody
id "$user" >/dev/null 2>&1 || skip "no user '$user' to run as"
group=$(id -gn "$user")

runtime_tests=$1 app_tests=$2 cli_tests=$3 cli=$4
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
# The executables are copied in, so a checkout the user cannot reach (as under /root) still runs.
cp "$runtime_tests" "$app_tests" "$cli_tests" "$home/"
# So is the leak checker's suppression list of a sanitizer build.
if [[ ${LSAN_OPTIONS:-} =~ suppressions=([^:]*) ]]; then
  cp "${BASH_REMATCH[1]}" "$home/lsan.supp"
  export LSAN_OPTIONS=${LSAN_OPTIONS/"${BASH_REMATCH[1]}"/$home/lsan.supp}
fi
chown -R "$user:$group" "$home"
as_user() {
  (cd "$home" && umask 022 &&
    setpriv --reuid="$user" --regid="$group" --clear-groups env HOME="$home" TMPDIR="$home" "$@")
}

# The command-line tool's tests start the built tool by its path; without access to it they run in-process only.
cli_filter='CliOutput.*:CliErrors.*:CliInput.*:CliSourceFormats.*:CliExecutable.*'
as_user test -x "$cli" || cli_filter=${cli_filter%:CliExecutable.*}

status=0
as_user "$home/$(basename "$runtime_tests")" --gtest_brief=1 \
  --gtest_filter='ReplacingWrite.*:FileRead.*:PreferenceFile*.*' || status=1
as_user "$home/$(basename "$app_tests")" --gtest_brief=1 \
  --gtest_filter='Settings.*:SaveCommand.*:SaveInPlace.*:ExportCommand.*:SourceExportCommand.*:ImageDump.*:FileReplacingTest.*' ||
  status=1
as_user "$home/$(basename "$cli_tests")" --gtest_brief=1 --gtest_filter="$cli_filter" || status=1
exit $status
