#!/usr/bin/env bash
# Runs one Windows program under the project's Wine prefix (used by ctest for every test).
# The program's output goes through a file: Wine's background processes (services,
# the desktop) inherit the output handles of the first program they serve, and
# ctest would wait for them to close a pipe until its time-out.
. "$(dirname "$0")/wine-env.sh" ""
log=$(mktemp)
wine "$@" >"$log" 2>&1
status=$?
cat "$log"
rm -f "$log"
exit $status
