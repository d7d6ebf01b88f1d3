# Sourced by scripts/wine-env.sh and scripts/wine-run-x86.sh: a copy of a Wine
# prefix at another display scale, for the scaled tests (tests/scaled).
#
# make_scaled_copy PREFIX COPY DPI copies the prefix to COPY, once, and sets
# LogPixels (REG_DWORD) to the DPI in HKCU\Control Panel\Desktop, which Wine
# reads when a process starts, as one scale for the whole screen (96 = 100 %,
# 144, 192 = 200 %). The value is written into the copy's user.reg directly, so
# no Wine process is started for it (under the x86 emulator one costs a minute
# or two). The copy is made again when the prefix was booted or updated since.
make_scaled_copy() {
  local prefix="$1" copy="$2" dpi="$3"
  case "$dpi" in
    '' | *[!0-9]*) echo "not a DPI: $dpi" >&2; return 1 ;;
  esac
  if [ "$(cat "$copy/.logpixels" 2>/dev/null)" = "$dpi" ] &&
    [ -z "$(find "$prefix" -maxdepth 1 -name '.*' -type f -newer "$copy/.logpixels" 2>/dev/null)" ]; then
    return 0
  fi
  [ -f "$prefix/user.reg" ] || { echo "no Wine prefix at $prefix" >&2; return 1; }
  rm -rf "$copy" "$copy.new"
  # The prefix's own server may be running: it replaces its registry files
  # whole, so the copy has each of them complete.
  cp -a "$prefix" "$copy.new" || return 1
  set_log_pixels "$copy.new/user.reg" "$dpi" || return 1
  echo "$dpi" >"$copy.new/.logpixels"
  mv "$copy.new" "$copy"
}

# Sets LogPixels in the [Control Panel\\Desktop] section of a user.reg, the
# section made when there is none.
set_log_pixels() {
  local file="$1" value
  value=$(printf '"LogPixels"=dword:%08x' "$2")
  awk -v value="$value" '
    /^\[/ {
      if (inside && !done) { print value; done = 1 }
      inside = ($0 == "[Control Panel\\\\Desktop]" || index($0, "[Control Panel\\\\Desktop] ") == 1)
    }
    inside && /^"LogPixels"=/ { next }
    { print }
    END {
      if (!done) {
        if (!inside) print "\n[Control Panel\\\\Desktop]"
        print value
      }
    }' "$file" >"$file.new" && mv "$file.new" "$file"
}
