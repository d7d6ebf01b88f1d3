#!/usr/bin/env bash
# Starts Ocularix under Wine. Without a display it runs on a private Xvfb for a few
# seconds and leaves a screenshot behind. With OCULARIX_DPI set (144, 192...) it
# runs in a copy of the prefix whose display scale is that DPI.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac
. "$root/scripts/wine-env.sh" "$build"
exe="$build/x64/bin/Ocularix.exe"
scale_prefix() {
  if [ -n "${OCULARIX_DPI:-}" ]; then
    use_scaled_prefix "$OCULARIX_DPI" || exit 1
  fi
}

if [ -n "${DISPLAY:-}" ]; then
  scale_prefix
  start_wine
  cd "$build/x64/bin" && wine "$exe"
  exit $?
fi

ensure_display || exit 1
scale_prefix
trap 'stop_wine; stop_display' EXIT
start_wine
# Something to magnify on the otherwise black screen.
wine notepad >/dev/null 2>&1 &
sleep 2
(cd "$build/x64/bin" && wine "$exe") &
sleep "${OCULARIX_RUN_SECONDS:-6}"
shot="$build/screenshot.png"
import -window root "$shot"
echo "No display was set: Ocularix ran on a private Xvfb for a few seconds."
echo "Screenshot: $shot"
