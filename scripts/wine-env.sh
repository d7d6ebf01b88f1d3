# Sourced by the other scripts: a private, quiet Wine prefix inside the build folder.
# Usage: . scripts/wine-env.sh [build folder]
_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
_build="${1:-}"
[ -n "$_build" ] || _build="$_root/build"
case "$_build" in /*) ;; *) _build="$_root/$_build" ;; esac
export WINEPREFIX="${OCULARIX_WINEPREFIX:-$_build/wineprefix}"
export OCULARIX_WINEPREFIX="$WINEPREFIX"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
. "$_root/scripts/scaled-prefix.sh"
. "$_root/scripts/two-heads.sh"
unset _root _build

# Starts Xvfb on a free display when there is no display yet, its screen
# 1280x1024 or the size given; sets XVFB_PID.
ensure_display() {
  XVFB_PID=
  if [ -n "${DISPLAY:-}" ]; then
    return 0
  fi
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local number
  read -r -t 20 number <"$fifo" || true
  rm -f "$fifo"
  if [ -z "$number" ]; then
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$number"
}

stop_display() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
}

# Creates the prefix once: quiet, and with unmanaged windows (without a window
# manager, Wine waits up to two seconds for one whenever a managed window is
# hidden or destroyed; unmanaged windows need no such wait).
make_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  if [ ! -f "$WINEPREFIX/.unmanaged" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    wineserver -w
    touch "$WINEPREFIX/.unmanaged"
  fi
}

# Creates the prefix once, and keeps one wineserver alive for a batch of runs.
start_wine() {
  make_prefix
  wineserver -p >/dev/null 2>&1 || true
}

# Switches to a prefix whose display scale is the given DPI (96 = 100 %, 144,
# 192 = 200 %): a copy of the current prefix beside it, <prefix>-dpi<DPI>, with
# LogPixels set (scripts/scaled-prefix.sh). At 96 the prefix itself is used.
# Call it before start_wine.
use_scaled_prefix() {
  local dpi="$1"
  [ "$dpi" = 96 ] && return 0
  make_prefix
  make_scaled_copy "$WINEPREFIX" "$WINEPREFIX-dpi$dpi" "$dpi" || return 1
  export WINEPREFIX="$WINEPREFIX-dpi$dpi"
  export OCULARIX_WINEPREFIX="$WINEPREFIX"
}

# Stops the prefix's server, and those of its scaled copies that programs run in them started.
stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
  local scaled
  for scaled in "$WINEPREFIX"-dpi*; do
    if [ -f "$scaled/.logpixels" ]; then
      WINEPREFIX="$scaled" wineserver -k >/dev/null 2>&1 || true
    fi
  done
}
