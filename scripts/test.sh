#!/usr/bin/env bash
# Runs every suite: the native unit tests, plainly and under the sanitizers, a bounded
# fuzzing of the lista.txt parser, then the adapters and the whole program under Wine on
# a virtual display, in a Wine prefix made fresh for this run.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
export WINEPREFIX="$PWD/build/wine/test-prefix"
source scripts/wine-env.sh

status=0
echo "== Native unit tests"
(cd build/native && ctest --output-on-failure) || status=1

# Every report ends the test's process with a failure, leaks included, and carries the
# stack that led to it, so a finding shows up as a failed test with its cause.
echo "== Native unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
(cd build/native-sanitize &&
   ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1 \
   UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
   ctest --output-on-failure) || status=1

# Bounded, so the suite takes a known time; make fuzz searches longer.
echo "== Fuzzing the lista.txt parser for 30 seconds"
bash fuzz/run.sh 30 || status=1

trap kromelik_cleanup EXIT
echo "== Preparing a fresh Wine prefix and a virtual display"
kromelik_start_xvfb || exit 1
kromelik_wine_prefix fresh || { echo "Wine prefix could not be created" >&2; exit 1; }

echo "== Windows adapters and end-to-end tests under Wine"
(cd build/windows && ctest --output-on-failure) || status=1

[ $status -eq 0 ] && echo "All suites passed." || echo "Some suites FAILED." >&2
exit $status
