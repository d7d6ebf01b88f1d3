#!/usr/bin/env bash
# Runs one Windows program under the project's Wine prefix (used by ctest for every test).
. "$(dirname "$0")/wine-env.sh" ""
exec wine "$@"
