#!/usr/bin/env bash
# Runs one Windows program under the project's Wine prefix (used by ctest for every test).
# The program's output goes through a file: Wine's background processes (services,
# the desktop) inherit the output handles of the first program they serve, and
# ctest would wait for them to close a pipe until its time-out.
# With OCULARIX_DPI set (ctest sets it for the scaled tests), the program runs in a
# copy of the prefix whose display scale is that DPI.
. "$(dirname "$0")/wine-env.sh" ""
if [ -n "${OCULARIX_DPI:-}" ]; then
  use_scaled_prefix "$OCULARIX_DPI" || exit 1
fi
# With OCULARIX_HEADS set (ctest sets it for tests/heads), the program runs on a
# screen of several monitors of its own, in a copy of the prefix set up for them.
if [ -n "${OCULARIX_HEADS:-}" ]; then
  use_heads "$(cd "$(dirname "$OCULARIX_WINEPREFIX")" && pwd)" || exit 1
  trap stop_heads EXIT
fi
log=$(mktemp)
wine "$@" >"$log" 2>&1
status=$?
cat "$log"
rm -f "$log"
exit $status
