#!/usr/bin/env bash
# Checks the release zips, then runs every test of the x64 build under Wine, on
# Xvfb when no display is given.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac
# The release that `make dist` wrote, before the slower tests under Wine.
python3 "$root/scripts/check_dist.py" "$build/dist"
dist_status=$?

# The tests get a prefix of their own: they write the settings key with test values.
export OCULARIX_WINEPREFIX="${OCULARIX_TEST_WINEPREFIX:-$build/wineprefix-test}"
. "$root/scripts/wine-env.sh" "$build"
# Named for the tests, which delete the program's own settings key only there.
export OCULARIX_TEST_PREFIX="$WINEPREFIX"

ensure_display || exit 1
trap 'stop_wine; stop_display' EXIT
start_wine

# Tests share one screen and one registry, so they run one at a time.
ctest --test-dir "$build/x64" --output-on-failure --timeout 600 || exit 1
exit $dist_status
