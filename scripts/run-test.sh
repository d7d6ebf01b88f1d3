#!/usr/bin/env bash
# Runs one test program of the x64 build under Wine, with GoogleTest arguments:
#   scripts/run-test.sh settings_test --gtest_filter=SettingsStore.*
# A scaled test at one of its display scales:
#   OCULARIX_DPI=192 scripts/run-test.sh mainwindow_scale_test
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
name="$1"
shift
export OCULARIX_WINEPREFIX="${OCULARIX_TEST_WINEPREFIX:-${OCULARIX_BUILD:-$root/build}/wineprefix-test}"
. "$root/scripts/wine-env.sh" "${OCULARIX_BUILD:-$root/build}"
# A test of several monitors: OCULARIX_HEADS="0,0,1280,1024 1280,0,1024,768" (scripts/two-heads.sh).
if [ -n "${OCULARIX_HEADS:-}" ]; then
  use_heads "${OCULARIX_BUILD:-$root/build}" || exit 1
else
  ensure_display || exit 1
fi
if [ -n "${OCULARIX_DPI:-}" ]; then
  use_scaled_prefix "$OCULARIX_DPI" || exit 1
fi
# Named for the tests, which delete the program's own settings key only there.
export OCULARIX_TEST_PREFIX="$WINEPREFIX"
trap 'stop_wine; stop_display' EXIT
start_wine
cd "${OCULARIX_BUILD:-$root/build}/x64/bin"
timeout "${TEST_TIMEOUT:-300}" wine "../tests/$name.exe" "$@"
