# Sourced by scripts/wine-env.sh: several monitors on one Xvfb screen, for the
# tests that need them (tests/heads). Stock Xvfb stacks its heads at 0,0, so a
# stand-in Xinerama library (tests/support/heads) describes one wide screen as
# the heads named in OCULARIX_HEADS, "x,y,width,height ..."; Wine reads them
# through Xinerama when UseXRandR is "N", and makes the first head the primary.
#
# use_heads BUILD: builds the library into BUILD/heads, starts an Xvfb screen
# that spans the heads, and switches to a copy of the prefix set up for them,
# <prefix>-heads. Call it before start_wine; stop_heads undoes it.
use_heads() {
  local build="$1" source width height
  source="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/tests/support/heads/xinerama_heads.c"
  mkdir -p "$build/heads"
  if [ ! "$build/heads/libXinerama.so.1" -nt "$source" ]; then
    gcc -shared -fPIC -O2 -o "$build/heads/libXinerama.so.1" "$source" || return 1
  fi
  export LD_LIBRARY_PATH="$build/heads${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
  read -r width height < <(echo "$OCULARIX_HEADS" | tr ' ' '\n' |
    awk -F, 'NF == 4 { if ($1 + $3 > w) w = $1 + $3; if ($2 + $4 > h) h = $2 + $4 } END { print w + 0, h + 0 }')
  [ "$width" -gt 0 ] && [ "$height" -gt 0 ] || { echo "no heads in OCULARIX_HEADS" >&2; return 1; }
  make_prefix
  make_heads_copy "$WINEPREFIX" "$WINEPREFIX-heads" || return 1
  export WINEPREFIX="$WINEPREFIX-heads"
  export OCULARIX_WINEPREFIX="$WINEPREFIX"
  unset DISPLAY
  ensure_display "${width}x${height}"
}

stop_heads() {
  wineserver -k >/dev/null 2>&1 || true
  stop_display
}

# Copies the prefix once (again when it was booted or updated since) and sets
# the X11 driver's UseXRandR to "N" and PrimaryMonitor to "0" in the copy's user.reg.
make_heads_copy() {
  local prefix="$1" copy="$2"
  if [ -f "$copy/.heads" ] &&
    [ -z "$(find "$prefix" -maxdepth 1 -name '.*' -type f -newer "$copy/.heads" 2>/dev/null)" ]; then
    return 0
  fi
  [ -f "$prefix/user.reg" ] || { echo "no Wine prefix at $prefix" >&2; return 1; }
  rm -rf "$copy" "$copy.new"
  cp -a "$prefix" "$copy.new" || return 1
  awk '
    /^\[/ {
      if (inside && !done) { print "\"UseXRandR\"=\"N\""; print "\"PrimaryMonitor\"=\"0\""; done = 1 }
      inside = (index($0, "[Software\\\\Wine\\\\X11 Driver]") == 1)
    }
    inside && /^"(UseXRandR|PrimaryMonitor)"=/ { next }
    { print }
    END {
      if (!done) {
        if (!inside) print "\n[Software\\\\Wine\\\\X11 Driver]"
        print "\"UseXRandR\"=\"N\""; print "\"PrimaryMonitor\"=\"0\""
      }
    }' "$copy.new/user.reg" >"$copy.new/user.reg.new" && mv "$copy.new/user.reg.new" "$copy.new/user.reg" || return 1
  touch "$copy.new/.heads"
  mv "$copy.new" "$copy"
}
