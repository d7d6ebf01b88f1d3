#!/usr/bin/env bash
# Runs the unit tests of the x64 build (the tests labelled "unit", which link the
# window-free code only) under Wine, without an X display: they open no window.
# A prefix of their own, so that a `make test` running meanwhile is not disturbed.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac

export OCULARIX_WINEPREFIX="${OCULARIX_UNIT_WINEPREFIX:-$build/wineprefix-unit}"
. "$root/scripts/wine-env.sh" "$build"
unset DISPLAY
trap 'stop_wine' EXIT
start_wine

ctest --test-dir "$build/x64" -L unit --output-on-failure --timeout 120
