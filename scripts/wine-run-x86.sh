#!/usr/bin/env bash
# Runs one Windows program of the x86 build under 32-bit Wine in the i386 root
# (ctest's emulator for the x86 build). Only `make test-x86` (scripts/test-x86.sh)
# sets up the root, its mounts and Wine, and so only it can run this.
#   wine-run-x86.sh <program in the x86 build> [arguments]
# A test listed in tests/emulator-skips.txt for this program is left out, with its
# reason printed; one listed in tests/emulator-alone.txt is left out of the
# program's run and run after it in a process of its own. WINEDEBUG passes through,
# and so does WINELOADERNOEXEC (set, it runs Wine without its preloader: for
# measuring what the preloader saves).
set -uo pipefail
if [ -z "${OCULARIX_X86_SYSROOT:-}" ]; then
  echo "wine-run-x86.sh: the x86 programs run only under make test-x86" >&2
  exit 1
fi
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
program="$1"
shift
name=$(basename "$program" .exe)

# Host paths in the x86 build are bound to $OCULARIX_X86_BUILD_MOUNT in the root.
inside() {
  case "$1" in
    "$OCULARIX_X86_BUILD"/*) echo "$OCULARIX_X86_BUILD_MOUNT${1#"$OCULARIX_X86_BUILD"}" ;;
    "$OCULARIX_X86_BUILD") echo "$OCULARIX_X86_BUILD_MOUNT" ;;
    *) echo "$1" ;;
  esac
}

# Lines of a list of tests for this program: program, GoogleTest pattern, reason.
listed() {
  grep -v -e '^[[:space:]]*#' -e '^[[:space:]]*$' "$source_dir/tests/$1" 2>/dev/null |
    while read -r listed_program pattern reason; do
      [ "$listed_program" = "$name" ] && printf '%s\t%s\n' "$pattern" "$reason"
    done
}
excluded=()
alone=()
while IFS=$'\t' read -r pattern reason; do
  excluded+=("$pattern")
  echo "SKIPPED under emulation: $name $pattern: $reason"
done < <(listed emulator-skips.txt)
while IFS=$'\t' read -r pattern reason; do
  excluded+=("$pattern")
  alone+=("$pattern")
  echo "RUN ALONE under emulation: $name $pattern: $reason"
done < <(listed emulator-alone.txt)

# The program's own run leaves the skipped tests and those run alone out of its filter.
args=()
filtered=0
for arg in "$@"; do
  if [ ${#excluded[@]} -gt 0 ] && [ "${arg#--gtest_filter=}" != "$arg" ]; then
    filter="${arg#--gtest_filter=}"
    case "$filter" in *-*) arg="--gtest_filter=$filter:$(IFS=:; echo "${excluded[*]}")" ;;
      *) arg="--gtest_filter=$filter-$(IFS=:; echo "${excluded[*]}")" ;; esac
    filtered=1
  fi
  args+=("$arg")
done
if [ ${#excluded[@]} -gt 0 ] && [ $filtered -eq 0 ]; then
  args+=("--gtest_filter=-$(IFS=:; echo "${excluded[*]}")")
fi

# A scaled test (OCULARIX_DPI, set by ctest) runs in a copy of the prefix at that
# DPI, as in wine-run.sh.
prefix="$OCULARIX_X86_PREFIX"
if [ -n "${OCULARIX_DPI:-}" ] && [ "$OCULARIX_DPI" != 96 ]; then
  . "$source_dir/scripts/scaled-prefix.sh"
  prefix="$OCULARIX_X86_PREFIX-dpi$OCULARIX_DPI"
  make_scaled_copy "$OCULARIX_X86_SYSROOT$OCULARIX_X86_PREFIX" "$OCULARIX_X86_SYSROOT$prefix" "$OCULARIX_DPI" || exit 1
fi

# The output goes through a file, as in wine-run.sh: Wine's background processes
# inherit the first program's handles, and ctest would wait for them on a pipe.
cd_to=$(inside "$PWD")
run_once() {
  local log status
  log=$(mktemp)
  timeout -k 30 "${TEST_TIMEOUT:-300}" chroot "$OCULARIX_X86_SYSROOT" /usr/bin/env -i \
    PATH=/usr/bin:/bin HOME=/root USER=root LANG=C.UTF-8 DISPLAY="$DISPLAY" \
    ${OCULARIX_DPI:+OCULARIX_DPI=$OCULARIX_DPI} ${WINELOADERNOEXEC:+WINELOADERNOEXEC=$WINELOADERNOEXEC} WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG="${WINEDEBUG:--all}" \
    OCULARIX_TEST_PREFIX="$prefix" \
    WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" \
    sh -c 'cd "$1" && shift && exec wine "$@"' sh "$cd_to" "$(inside "$program")" "$@" >"$log" 2>&1
  status=$?
  cat "$log"
  emulator_crashed=0
  grep -q '^qemu: uncaught target signal' "$log" && emulator_crashed=1
  rm -f "$log"
  return $status
}

# Wine's background services (devices, plug and play) start under the emulator
# with the prefix's server, and now and then one of them crashes there (an
# illegal instruction or trap -1 in its ntdll, which qemu 7.2 could not map at
# its usual address). Whatever then asks it a question waits for ever: the
# system's Save As dialog, naming drive C: for its Look in box. That is the
# emulator's, so a program that hangs is run once more on a fresh server with
# fresh services, and test-x86 names it in its summary; a program that fails
# without hanging is not run again, unless it was the emulator itself that
# crashed (it says so: "qemu: uncaught target signal").
restart_server() {
  local server
  for server in -k -p; do
    chroot "$OCULARIX_X86_SYSROOT" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/root USER=root \
      WINEPREFIX="$prefix" wineserver $server >/dev/null 2>&1
  done
}
# One run of the program with these arguments, and once more on a fresh server
# when it hung or the emulator crashed.
run_with_retry() {
  local status
  run_once "$@"
  status=$?
  if [ $status -eq 124 ] || [ $status -eq 137 ] || { [ $status -ne 0 ] && [ $emulator_crashed -eq 1 ]; }; then
    if [ $emulator_crashed -eq 1 ]; then
      echo "THE EMULATOR CRASHED running $name; running it once more on a fresh server"
    else
      echo "HUNG under emulation after ${TEST_TIMEOUT:-300} s: $name; running it once more on a fresh server"
    fi
    [ -n "${OCULARIX_X86_RERUNS:-}" ] && echo "$name" >>"$OCULARIX_X86_RERUNS"
    restart_server
    run_once "$@"
    status=$?
  fi
  return $status
}

run_with_retry "${args[@]}"
status=$?
# Only a whole run of the program runs them: a filter of the caller's chose other tests.
[ $filtered -eq 0 ] || alone=()
for pattern in "${alone[@]}"; do
  echo "RUNNING ALONE under emulation: $name $pattern"
  run_with_retry "--gtest_filter=$pattern"
  alone_status=$?
  [ $status -ne 0 ] || status=$alone_status
done
exit $status
