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
log=$(mktemp)
wine "$@" >"$log" 2>&1
status=$?
cat "$log"
rm -f "$log"
exit $status
