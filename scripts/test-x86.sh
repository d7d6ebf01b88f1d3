#!/usr/bin/env bash
# Runs the test programs of the x86 build under 32-bit Wine, through qemu's
# user-mode emulator, in an i386 Debian root (the machines that build the x86
# programs cannot run 32-bit code themselves).
#   scripts/test-x86.sh [build folder] [test program names...]   (make test-x86)
#
# The root and the booted Wine prefix inside it are made once and kept in
# $OCULARIX_X86_CACHE (/var/cache/ocularix-x86), outside the checkout. Each run
# happens in a mount and process namespace of its own, so its mounts, Xvfb and
# Wine processes end with it; the binfmt_misc entry for i386 it adds is removed
# when it ends, also on failure or interruption.
#
# OCULARIX_X86_ROOT_ONLY=1 only makes the root and boots its prefix, and needs no
# build (CI does it while the x64 tests run); OCULARIX_X86_EXEC='shell command' runs
# that command in the prepared root, Xvfb and Wine instead of the tests, to look
# into a failure; OCULARIX_X86_SERVER=emulated uses the root's own, emulated wineserver.
#
# The whole script is one block, read before it runs: editing it during a run is safe.
{
set -uo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build}"
case "$build" in /*) ;; *) build="$source_dir/$build" ;; esac
shift || true
cache="${OCULARIX_X86_CACHE:-/var/cache/ocularix-x86}"
sysroot="$cache/bookworm-i386"
# Inside the root: the x86 build, and the prefix the tests share.
build_mount=/ocularix
prefix=/root/ocularix-prefix
prefix_recipe="2: unmanaged windows, no debugger"

if [ "$(id -u)" -ne 0 ]; then
  exec sudo --preserve-env=OCULARIX_X86_CACHE,TEST_TIMEOUT "$0" "$build" "$@"
fi

# Phase 1, in the caller's namespaces: one run at a time per machine, whatever
# its cache (runs share the root and its prefix, and every run on the machine
# shares the one binfmt_misc entry that a run removes when it ends), the rest in
# fresh namespaces whose end ends every process and mount of the run, however it ends.
if [ -z "${OCULARIX_X86_NAMESPACE:-}" ]; then
  "$source_dir/scripts/install-deps.sh" x86 || exit 1
  if [ "${OCULARIX_X86_ROOT_ONLY:-}" != 1 ] && [ ! -f "$build/x86/CTestTestfile.cmake" ]; then
    echo "test-x86: no x86 build with tests in $build/x86: run make build-x86 first" >&2
    exit 1
  fi
  mkdir -p "$cache" /run/lock
  lock=/run/lock/ocularix-test-x86.lock
  export OCULARIX_X86_NAMESPACE=1
  if ! flock -n "$lock" true; then
    echo "test-x86: waiting for another run of make test-x86 on this machine to end" >&2
  fi
  exec flock "$lock" unshare --mount --propagation private --pid --fork --mount-proc --kill-child \
    "$0" "$build" "$@"
fi

# Phase 2: process 1 of our own namespaces.
say() { echo "test-x86: $*"; }
started=$(date +%s)
elapsed() { echo $(($(date +%s) - $1)); }

cleanups=()
at_exit() { cleanups=("$*" "${cleanups[@]}"); }
cleanup() {
  local step
  trap - EXIT INT TERM HUP
  for step in "${cleanups[@]}"; do eval "$step" >/dev/null 2>&1 || true; done
  cleanups=()
}
trap cleanup EXIT
trap 'echo "test-x86: interrupted" >&2; cleanup; exit 130' INT TERM HUP
# Long steps run in the background and are waited for, so that an interruption
# is handled at once rather than when the step ends.
run() {
  "$@" &
  wait $!
}

# --- binfmt_misc: 32-bit ELF programs run through qemu-i386-static ------------
binfmt=/proc/sys/fs/binfmt_misc
binfmt_name=ocularix-qemu-i386
i386_magic='7f454c4601010100000000000000000002000300'
enable_i386() {
  if [ ! -e "$binfmt/register" ]; then
    mount -t binfmt_misc binfmt_misc "$binfmt" || { echo "test-x86: cannot mount binfmt_misc" >&2; return 1; }
  fi
  # An entry a run killed outright left behind is ours to take over and remove.
  if [ -e "$binfmt/$binfmt_name" ]; then
    at_exit "echo -1 >$binfmt/$binfmt_name"
    return 0
  fi
  local entry
  for entry in "$binfmt"/*; do
    if grep -qx enabled "$entry" 2>/dev/null && grep -qx "magic $i386_magic" "$entry" 2>/dev/null; then
      return 0 # the machine already runs i386 programs through an emulator
    fi
  done
  # F: the kernel opens the emulator now, so it need not exist inside the root.
  printf ':%s:M::\\x7fELF\\x01\\x01\\x01\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x02\\x00\\x03\\x00:\\xff\\xff\\xff\\xff\\xff\\xfe\\xfe\\x00\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xfe\\xff\\xff\\xff:/usr/bin/qemu-i386-static:F\n' \
    "$binfmt_name" >"$binfmt/register" || { echo "test-x86: cannot register qemu-i386-static" >&2; return 1; }
  at_exit "echo -1 >$binfmt/$binfmt_name"
}

# --- the i386 root ------------------------------------------------------------
# What the root holds; a change here updates an existing root on the next run.
# wine32-preloader reserves Wine's address ranges in a few calls; without it Wine
# probes for them in 64 KiB steps, which under the emulator costs minutes a process.
# libc6:amd64 lets the host's own (64-bit, not emulated) wineserver run in the root.
# xdotool: tests that need a click to go where the X server sends it run it.
root_packages=(wine wine32 wine32-preloader fonts-wine libc6:amd64 xdotool
  libxcomposite1 libxcursor1 libxfixes3 libxi6 libxinerama1 libxrandr2 libxrender1 libxxf86vm1)
root_recipe="4: ${root_packages[*]}"

debian_mirror() {
  local uri
  uri=$(grep -hs -v '^[[:space:]]*#' /etc/apt/sources.list.d/*.sources |
    awk '/^URIs:/ { for (i = 2; i <= NF; i++) if ($i !~ /security|snapshot/) { print $i; exit } }')
  [ -n "$uri" ] || uri=$(grep -hs -E '^deb[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list |
    awk '$2 !~ /security|snapshot/ && $2 ~ /^http/ { print $2; exit }')
  echo "${uri:-http://deb.debian.org/debian}"
}

in_root() { chroot "$sysroot" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

system_mounted=
mount_system() {
  [ -z "$system_mounted" ] || return 0
  mount --bind /proc "$sysroot/proc" && at_exit "umount -l $sysroot/proc" &&
    mount --rbind /dev "$sysroot/dev" && mount --make-rslave "$sysroot/dev" && at_exit "umount -R -l $sysroot/dev" &&
    system_mounted=1
}

unmount_system() {
  [ -n "$system_mounted" ] || return 0
  umount -R -l "$sysroot/dev"
  umount -l "$sysroot/proc"
  system_mounted=
}

# Never removes a root with anything still mounted in it (/dev above all).
remove_root() {
  unmount_system
  if findmnt -rn -o TARGET | grep -q -e "^$sysroot/" -e "^$sysroot\$"; then
    echo "test-x86: something is still mounted in $sysroot: not removing it" >&2
    return 1
  fi
  rm -rf "$sysroot"
}

bootstrap_root() {
  local t0 partial="$sysroot.partial" mirror
  mirror=$(debian_mirror)
  say "making the i386 Debian root in $sysroot from $mirror (once; several minutes)"
  t0=$(date +%s)
  rm -rf "$partial"
  if ! run debootstrap --arch=i386 --variant=minbase bookworm "$partial" "$mirror" >"$cache/debootstrap.log" 2>&1; then
    tail -20 "$cache/debootstrap.log" >&2
    echo "test-x86: debootstrap failed (log: $cache/debootstrap.log)" >&2
    return 1
  fi
  echo "debootstrap" >"$partial/.ocularix-root"
  mv "$partial" "$sysroot"
  say "debootstrap took $(elapsed "$t0") s"
}

# Also finishes what an interrupted install left half-configured.
install_root_packages() {
  local t0
  say "installing 32-bit Wine in the root (once; several minutes)"
  t0=$(date +%s)
  mount_system || return 1
  cp /etc/resolv.conf "$sysroot/etc/resolv.conf"
  if ! run in_root sh -c "export DEBIAN_FRONTEND=noninteractive
      dpkg --configure -a && dpkg --add-architecture amd64 && apt-get update -qq &&
      apt-get install -y -qq --no-install-recommends ${root_packages[*]}" \
      >"$cache/root-packages.log" 2>&1; then
    tail -20 "$cache/root-packages.log" >&2
    echo "test-x86: installing Wine in the root failed (log: $cache/root-packages.log)" >&2
    return 1
  fi
  in_root apt-get clean >/dev/null 2>&1
  say "installing Wine in the root took $(elapsed "$t0") s"
}

# The root is used only when its marker names the whole recipe, and the marker is
# written last: a run interrupted while making or updating the root leaves one
# that the next run finishes or makes again, never one that it uses.
make_root() {
  local marker="$sysroot/.ocularix-root" attempt
  for attempt in 1 2; do
    if [ -f "$marker" ] && [ "$(cat "$marker")" = "$root_recipe" ]; then
      return 0
    fi
    if [ -e "$sysroot" ] && [ ! -f "$marker" ]; then
      say "the i386 root in $sysroot was left half-made: making it again"
      remove_root || return 1
    fi
    if [ ! -e "$sysroot" ]; then
      bootstrap_root || return 1
    fi
    if install_root_packages; then
      echo "$root_recipe" >"$marker"
      return 0
    fi
    [ $attempt -eq 1 ] || return 1
    say "the root could not be brought up to date: making it again"
    remove_root || return 1
  done
}

# --- one run: the root's mounts, an Xvfb, a booted prefix and one wineserver --
mount_run() {
  mount_system
  # A fresh /tmp: Wine's server folder and sockets, and test files, go with the run.
  mount -t tmpfs -o mode=1777 tmpfs "$sysroot/tmp" && at_exit "umount -l $sysroot/tmp"
  mkdir -p "$sysroot/tmp/.X11-unix" "$sysroot$build_mount"
  mount --bind /tmp/.X11-unix "$sysroot/tmp/.X11-unix" && at_exit "umount -l $sysroot/tmp/.X11-unix"
  if [ -d "$build/x86" ]; then
    mount --bind "$build/x86" "$sysroot$build_mount" && at_exit "umount -l $sysroot$build_mount"
  fi
}

start_display() {
  local fifo number
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  local pid=$!
  at_exit "kill $pid; wait $pid"
  read -r -t 30 number <"$fifo" || true
  rm -f "$fifo"
  [ -n "$number" ] || { echo "test-x86: Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$number"
}

wine_in_root() {
  in_root USER=root DISPLAY="$DISPLAY" WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG="${WINEDEBUG:--all}" \
    WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" "$@"
}

# The server is the one Wine process the emulator need not run: the host's own
# wineserver64 of the same Wine version serves the root's 32-bit clients.
native_server() {
  local host_version root_version
  host_version=$(dpkg-query -W -f='${Version}' libwine:amd64 2>/dev/null)
  root_version=$(dpkg-query --admindir="$sysroot/var/lib/dpkg" -W -f='${Version}' libwine:i386 2>/dev/null)
  if [ "${OCULARIX_X86_SERVER:-native}" != native ] || [ ! -x /usr/lib/wine/wineserver64 ] ||
    [ "$host_version" != "$root_version" ]; then
    say "wineserver: the root's own, emulated (host Wine ${host_version:-none}, root's $root_version)"
    return 0
  fi
  touch "$sysroot/usr/lib/wine/wineserver64"
  mount --bind /usr/lib/wine/wineserver64 "$sysroot/usr/lib/wine/wineserver64" &&
    at_exit "umount -l $sysroot/usr/lib/wine/wineserver64"
  say "wineserver: the host's wineserver64 (Wine $host_version), not emulated"
}

# Now and then the server crashes while a new prefix boots under the emulator,
# and the boot then waits for ever: each try has a time limit, and a failed one
# leaves no process and no prefix behind for the next.
boot_prefix() {
  local attempt
  for attempt in 1 2 3; do
    rm -rf "$sysroot$prefix"
    run wine_in_root timeout -k 10 300 sh -c 'wineboot -i && wineserver -w' >"$cache/wineboot.log" 2>&1
    if [ $? -eq 0 ] && [ -f "$sysroot$prefix/system.reg" ] && ! grep -q 'wineserver crashed' "$cache/wineboot.log"; then
      return 0
    fi
    say "booting the prefix failed (try $attempt of 3): $(tail -n 1 "$cache/wineboot.log")"
    # This run's own process namespace: only its Wine processes end here.
    pkill -9 -f '/usr/lib/wine/' >/dev/null 2>&1
    sleep 2
  done
  tail -20 "$cache/wineboot.log" >&2
  echo "test-x86: the prefix did not boot (log: $cache/wineboot.log)" >&2
  return 1
}

start_wine() {
  local t0
  native_server
  if [ ! -f "$sysroot$prefix/.ocularix-booted" ]; then
    say "booting the 32-bit Wine prefix (once; about a minute)"
    t0=$(date +%s)
    boot_prefix || return 1
    touch "$sysroot$prefix/.ocularix-booted"
    say "booting the prefix took $(elapsed "$t0") s"
  fi
  wine_in_root wineserver -p >/dev/null 2>&1
  if [ "$(cat "$sysroot$prefix/.ocularix-booted")" != "$prefix_recipe" ]; then
    # Without a window manager, Wine waits up to two seconds for one whenever a
    # managed window is hidden or destroyed; unmanaged windows need no such wait.
    run wine_in_root wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$cache/wineboot.log" 2>&1
    # A program that crashes ends at once: the debugger Wine would start hangs
    # under the emulator until the test's time-out.
    run wine_in_root wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
      /v Debugger /d '' /f >>"$cache/wineboot.log" 2>&1
    echo "$prefix_recipe" >"$sysroot$prefix/.ocularix-booted"
  fi
  at_exit "chroot $sysroot /usr/bin/env WINEPREFIX=$prefix wineserver -k"
}

enable_i386 || exit 1
make_root || exit 1
mount_run || exit 1
start_display || exit 1
start_wine || exit 1
[ "${OCULARIX_X86_ROOT_ONLY:-}" = 1 ] && exit 0
if [ -n "${OCULARIX_X86_EXEC:-}" ]; then eval "$OCULARIX_X86_EXEC"; exit; fi

# --- the tests ----------------------------------------------------------------
# The programs are those the x86 build registered with ctest; TESTS names some.
all_tests=$(ctest --test-dir "$build/x86" -N 2>/dev/null | sed -n 's/^ *Test *#[0-9]*: *//p')
selection=()
for name in "$@"; do
  if ! grep -qx "$name" <<<"$all_tests"; then
    echo "test-x86: no test program $name in the x86 build; there are: $(echo $all_tests)" >&2
    exit 1
  fi
  selection+=("$name")
done
regex=()
[ ${#selection[@]} -eq 0 ] || regex=(-R "^($(IFS='|'; echo "${selection[*]}"))\$")

export OCULARIX_X86_SYSROOT="$sysroot" OCULARIX_X86_PREFIX="$prefix"
export OCULARIX_X86_BUILD="$build/x86" OCULARIX_X86_BUILD_MOUNT="$build_mount"
# The longest program takes under a minute here; five minutes is a hang.
export TEST_TIMEOUT="${TEST_TIMEOUT:-300}"
export OCULARIX_X86_RERUNS="$build/x86/emulator-reruns.txt"
rm -f "$OCULARIX_X86_RERUNS" "${OCULARIX_X86_RERUNS%.txt}.log"
say "running $(if [ ${#selection[@]} -eq 0 ]; then echo "every test program"; else echo "${selection[*]}"; fi) of the x86 build on $DISPLAY"
# Tests share one screen and one registry, so they run one at a time.
ctest --test-dir "$build/x86" --output-on-failure --timeout $((4 * TEST_TIMEOUT + 120)) "${regex[@]}" &
wait $!
status=$?
# What the emulator leaves out, and what it runs alone, with their reasons.
print_list() {
  local title=$1 file=$2 lines=() program pattern reason
  while read -r program pattern reason; do
    if [ ${#selection[@]} -eq 0 ] || printf '%s\n' "${selection[@]}" | grep -qx "$program"; then
      lines+=("  $program $pattern: $reason")
    fi
  done < <(grep -v -e '^[[:space:]]*#' -e '^[[:space:]]*$' "$source_dir/tests/$file" 2>/dev/null)
  if [ ${#lines[@]} -gt 0 ]; then
    say "$title (tests/$file):"
    printf '%s\n' "${lines[@]}"
  fi
}
print_list "run in a process of their own under emulation" emulator-alone.txt
print_list "skipped under emulation" emulator-skips.txt
if [ -s "$OCULARIX_X86_RERUNS" ]; then
  say "run once more under emulation (their first output is in ${OCULARIX_X86_RERUNS%.txt}.log):"
  sed 's/^/  /' "$OCULARIX_X86_RERUNS"
fi
if [ $status -ne 0 ] && [ -s "$build/x86/Testing/Temporary/LastTestsFailed.log" ]; then
  say "x86 programs that failed: $(cut -d: -f2 "$build/x86/Testing/Temporary/LastTestsFailed.log" | tr '\n' ' ')"
fi
say "$(if [ $status -eq 0 ]; then echo passed; else echo FAILED; fi) in $(elapsed "$started") s"
exit $status
}
