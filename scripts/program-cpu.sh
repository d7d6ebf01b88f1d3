#!/usr/bin/env bash
# The CPU the real program costs the whole system while it runs: Ocularix.exe
# with an 800x600 view at zoom 3 refreshing every 50 ms, measured from /proc
# over 10 s for the program, its wineserver and the X server, median of three
# runs. Prints a Markdown table. Sourced environment: scripts/wine-env.sh, with
# Wine and the display already started (scripts/bench.sh does that).
#   scripts/program-cpu.sh <build folder> <Xvfb pid>
set -uo pipefail
build="$1"
xpid="${2:-}"
bin="$build/x64/bin"
stage="$build/x64/tests/bench/program_bench.exe"
seconds=10
runs=3
hz=$(getconf CLK_TCK)

# user + system ticks of a process.
ticks() {
  [ -n "$1" ] && [ -r "/proc/$1/stat" ] || { echo 0; return; }
  # Fields after the command name, which may hold spaces: utime and stime are 14 and 15.
  sed 's/^.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'
}

# The newest process of this Wine prefix whose command line matches.
prefix_pid() {
  local pattern="$1" pid found=""
  for pid in $(pgrep -f "$pattern"); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then found=$pid; fi
  done
  echo "$found"
}

median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

# One run of a scenario: prints "program wineserver xserver ticks-per-10s".
run_once() {
  local following="$1" changing="$2" alone="${3:-}"
  (cd "$bin" && wine "$stage" prepare "$following") >/dev/null 2>&1
  [ -n "$alone" ] || (cd "$bin" && exec wine "$bin/Ocularix.exe") >/dev/null 2>&1 &
  local log
  log=$(mktemp)
  (cd "$bin" && wine "$stage" stage "$following" "$changing" $((seconds + 12)) $alone) >"$log" 2>&1 &
  local stager=$!
  for _ in $(seq 1 200); do grep -q ready "$log" && break; sleep 0.1; done
  if ! grep -q ready "$log"; then
    cat "$log" >&2
    echo "- - -"
    return
  fi
  sleep 3  # let the first frames and the status bar settle
  local program server
  program=""
  [ -n "$alone" ] || program=$(prefix_pid 'Ocularix\.exe')
  server=$(prefix_pid 'wineserver')
  local p0 s0 x0 p1 s1 x1
  p0=$(ticks "$program"); s0=$(ticks "$server"); x0=$(ticks "$xpid")
  sleep "$seconds"
  p1=$(ticks "$program"); s1=$(ticks "$server"); x1=$(ticks "$xpid")
  [ -n "$program" ] && kill "$program" 2>/dev/null
  kill "$stager" 2>/dev/null
  wait "$stager" 2>/dev/null
  rm -f "$log"
  sleep 1
  echo "$((p1 - p0)) $((s1 - s0)) $((x1 - x0))"
}

percent() { awk -v t="$1" -v hz="$hz" -v s="$seconds" 'BEGIN {printf "%.1f", 100 * t / hz / s}'; }
# Milliseconds of CPU per refresh at 20 refreshes a second.
per_refresh() { awk -v t="$1" -v hz="$hz" -v s="$seconds" 'BEGIN {printf "%.2f", 1000 * t / hz / (s * 20)}'; }

scenario() {
  local name="$1" following="$2" changing="$3" alone="${4:-}"
  local ps=() ss=() xs=() all=()
  for _ in $(seq 1 "$runs"); do
    read -r p s x < <(run_once "$following" "$changing" "$alone")
    [ "$p" = "-" ] && { echo "| $name | the run failed | | | |"; return; }
    ps+=("$p"); ss+=("$s"); xs+=("$x"); all+=("$((p + s + x))")
  done
  local program="$(percent "$(median "${ps[@]}")")"
  [ -n "$alone" ] && program="not running"
  echo "| $name | $program | $(percent "$(median "${ss[@]}")") |" \
    "$(percent "$(median "${xs[@]}")") | $(percent "$(median "${all[@]}")") | $(per_refresh "$(median "${all[@]}")") |"
}

echo "CPU share of one core in per cent over ${seconds} s (user + system time from /proc), median of ${runs} runs; the"
echo "program shows an 800x600 view at zoom 3 with its toolbar and status bar, refreshing every 50 ms (\"Fast\"). The"
echo "clock ticks $hz times a second here. The last column divides the whole by 200 refreshes."
echo
echo "| Screen | Ocularix | wineserver | X server | Together | ms per refresh |"
echo "|---|---:|---:|---:|---:|---:|"
scenario "still, following off" 0 0
scenario "still, following on, pointer over the view" 1 0
scenario "one pixel changing every 50 ms, following off" 0 1
scenario "the Wine prefix idle, without Ocularix" 0 0 alone
