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
  run_started=$SECONDS
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
  rm -f "$last_log"
  last_log=$log
  return $status
}
last_log=
trap 'rm -f "$last_log"' EXIT

# After a crash of the server, the prefix's services and desktop may live on
# without one, and a new server would run beside them: every process of the
# prefix goes (this run's namespace holds only this test's), and then the server.
prefix_processes() {
  local environ
  for environ in /proc/[0-9]*/environ; do
    tr '\0' '\n' <"$environ" 2>/dev/null | grep -qxF "WINEPREFIX=$prefix" && basename "$(dirname "$environ")"
  done
}
restart_server() {
  local pids tries
  chroot "$OCULARIX_X86_SYSROOT" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/root USER=root \
    WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1
  for tries in 1 2 3 4 5 6 7 8 9 10; do
    pids=$(prefix_processes)
    [ -n "$pids" ] || break
    kill -9 $pids 2>/dev/null
    sleep 1
  done
  chroot "$OCULARIX_X86_SYSROOT" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/root USER=root \
    WINEPREFIX="$prefix" wineserver -p >/dev/null 2>&1
}

# Under the emulator, 32-bit Wine (its ntdll moved from its usual address, which
# qemu 7.2 could not map) now and then takes a page fault as trap -1, and a Wine
# process dies or waits for ever: a background service, so that whatever asks it
# a question hangs (the system's Save As dialog, naming drive C:); the test
# program itself, which ends without a word (no debugger is started); or Wine's
# X11 driver, which ends the process on an X error of its own. None of that can
# happen to the program on Windows, so a program that did not finish its run is
# run once more on a fresh server with fresh services, and test-x86 names it with
# the reason. A program whose run finished (GoogleTest printed its summary) with
# a failed test is never run again: that is the program's own failure.
#
# Why a run with this status and the output in $last_log did not finish, or
# nothing when it did.
unfinished_because() {
  local status=$1
  # timeout says 124, or 137 when the program had to be killed; a process of
  # Wine's killed on the server's word ends with 137 too, at once.
  if [ $status -eq 124 ] || { [ $status -eq 137 ] && [ $((SECONDS - run_started)) -ge "${TEST_TIMEOUT:-300}" ]; }; then
    echo "hung for ${TEST_TIMEOUT:-300} s"
  elif [ $status -ne 0 ] && [ $emulator_crashed -eq 1 ]; then
    echo "the emulator crashed"
  elif [ $status -ne 0 ] && ! grep -qE '^\[==========\] [0-9]+ tests? from .* ran\.' "$last_log"; then
    local last
    last=$(grep -v '^[[:space:]]*$' "$last_log" | tail -n 1 | cut -c1-120)
    echo "ended with status $status before its summary${last:+, after: $last}"
  fi
}
# One run of the program with these arguments, and once more on a fresh server
# when it did not finish.
run_with_retry() {
  local status why
  run_once "$@"
  status=$?
  why=$(unfinished_because $status)
  if [ -n "$why" ]; then
    echo "RUN ONCE MORE under emulation, on a fresh server: $name: $why"
    # ctest shows a passing program's output to nobody, so the record of a second
    # run keeps what the first one printed.
    if [ -n "${OCULARIX_X86_RERUNS:-}" ]; then
      local run="$name${OCULARIX_DPI:+ at $OCULARIX_DPI dpi}${1:+ $1}"
      echo "$run: $why" >>"$OCULARIX_X86_RERUNS"
      { echo "== first run of $run: $why"; cat "$last_log"; } >>"${OCULARIX_X86_RERUNS%.txt}.log"
    fi
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
