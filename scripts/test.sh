#!/usr/bin/env bash
# Runs every suite: the native unit tests, then the adapters and the whole program under
# Wine on a virtual display, in a Wine prefix made fresh for this run.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
export WINEPREFIX="$PWD/build/wine/test-prefix"
source scripts/wine-env.sh

status=0
echo "== Native unit tests"
(cd build/native && ctest --output-on-failure) || status=1

trap kromelik_cleanup EXIT
echo "== Preparing a fresh Wine prefix and a virtual display"
kromelik_start_xvfb || exit 1
kromelik_wine_prefix fresh || { echo "Wine prefix could not be created" >&2; exit 1; }

echo "== Windows adapters and end-to-end tests under Wine"
(cd build/windows && ctest --output-on-failure) || status=1

[ $status -eq 0 ] && echo "All suites passed." || echo "Some suites FAILED." >&2
exit $status
