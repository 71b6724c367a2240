#!/usr/bin/env bash
# Installs what is missing, builds and packages the Windows program, checks
# that the package's program carries no debug information, and runs, against
# it under wine inside a private Xvfb, the program-level tests that drive the
# program through X (built as Linux programs in ${BUILD_DIR:-build}). Ends with
# "<N> passed, <N> failed" and a non-zero status when any failed.
#
# Left out, for a reason of the environment, not of the program:
# EndsWithStatusZeroWhenAnotherClientDestroysItsWindow. Another program cannot
# destroy a Windows window from outside; under wine the test destroys wine's X
# stand-in for it, which exists (and is found) before the program has made
# its surface, so the program can find no window to present to.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/steps.sh
export TALLOWICK_COMMAND="${TALLOWICK_COMMAND:-scripts/test-windows.sh}"
. scripts/lib/windows-build.sh
. scripts/lib/wine.sh
start=$SECONDS
build_windows_program
package_windows_program
packaged=0
windows_package_without_debug_information || packaged=1
build_dir="${BUILD_DIR:-build}"
TALLOWICK_DEPS_INSTALLED=1 scripts/build.sh program_tests close-window
wine_setup

excluded='ProgramLifetime\.EndsWithStatusZeroWhenAnotherClientDestroysItsWindow'
log=$(log_path test-windows.log)
step "Running the program-level tests against $TALLOWICK_WINDOWS_EXE under wine (output: $log)"
status=0
TALLOWICK_PROGRAM="$PWD/scripts/lib/wine-program.sh" TALLOWICK_TEST_WINDOW_ORIGIN=$WINDOWS_WINDOW_ORIGIN \
  TALLOWICK_XVFB_SCREEN=$WINDOWS_XVFB_SCREEN TALLOWICK_FORCE_XVFB=1 \
  scripts/with-xvfb.sh bash -c '
    . scripts/lib/steps.sh
    . scripts/lib/wine.sh
    wine_start_server
    ctest --test-dir "$1" --output-on-failure \
      -R "^(ProgramLifetime|StandardStreams/ClosedStream|ProgramOutput|RunningProgram)\." -E "$2"
    status=$?
    wine_stop_server
    exit "$status"' _ "$build_dir" "$excluded" 2>&1 | tee "$log" || status=$?
if ! counts=$(ctest_counts "$log"); then
  echo "FAILED: no test results; see $log" >&2
  echo "0 passed, 1 failed"
  exit 1
fi
read -r passed failed <<<"$counts"
# The package's check counts as one test.
if [ "$packaged" -eq 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
echo "Windows tests took $((SECONDS - start)) s"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$status" -eq 0 ]
