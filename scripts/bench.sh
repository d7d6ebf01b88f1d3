#!/usr/bin/env bash
# Measures the magnified view under Wine and records the figures, with the
# machine they were measured on, in docs/benchmark.md between the two marker
# lines; the text around them is kept as written.
#   scripts/bench.sh [build folder] [earlier build folder]
# With an earlier build folder (a build of an earlier commit), the running
# program's cost is measured for it too, in the same session, for comparison.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac
earlier="${2:-}"
. "$root/scripts/wine-env.sh" "$build"
bench="$build/x64/tests/bench/render_bench.exe"
doc="$root/docs/benchmark.md"
begin='<!-- measured:begin -->'
end='<!-- measured:end -->'

if [ ! -f "$bench" ]; then
  echo "missing $bench: run make build-x64 first" >&2
  exit 1
fi

ensure_display || exit 1
trap 'stop_wine; stop_display' EXIT
start_wine

echo "Frames of Render against the plain copy" >&2
tables=$(cd "$build/x64/bin" && timeout 600 wine "$bench" | tr -d '\r') || { echo "the benchmark failed" >&2; exit 1; }
printf '%s\n\n' "$tables"
echo "The running program" >&2
program=$("$root/scripts/program-cpu.sh" "$build" "${XVFB_PID:-}")
printf '%s\n\n' "$program"
before=""
if [ -n "$earlier" ]; then
  echo "The running program of the earlier build" >&2
  # The earlier build runs on this build's stage, so both are measured alike.
  mkdir -p "$earlier/x64/tests/bench"
  cp "$build/x64/tests/bench/program_bench.exe" "$earlier/x64/tests/bench/"
  before=$("$root/scripts/program-cpu.sh" "$earlier" "${XVFB_PID:-}")
  printf '%s\n' "$before"
fi

cpu=$(grep -m1 'model name' /proc/cpuinfo | sed 's/^[^:]*: *//')
cores=$(grep -c '^processor' /proc/cpuinfo)
section=$(mktemp)
{
  echo "$begin"
  echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') with \`make bench\` on: $cpu, $cores cores; $(wine --version); Xvfb 1280x1024x24;" \
    "load average before the run $(cut -d' ' -f1-3 /proc/loadavg)."
  echo
  echo "### The running program"
  echo
  printf '%s\n' "$program"
  if [ -n "$before" ]; then
    echo
    echo "### The running program before frames were kept and skipped ($(git -C "$earlier" log -1 --format=%h 2>/dev/null || echo "earlier build"))"
    echo
    printf '%s\n' "$before"
  fi
  echo
  echo "### Frames"
  echo
  printf '%s\n' "$tables"
  echo "$end"
} >"$section"

mkdir -p "$(dirname "$doc")"
if [ -f "$doc" ] && grep -qxF "$begin" "$doc" && grep -qxF "$end" "$doc"; then
  awk -v begin="$begin" -v end="$end" -v section="$section" '
    $0 == begin { while ((getline line < section) > 0) print line; skipping = 1; next }
    $0 == end { skipping = 0; next }
    !skipping { print }
  ' "$doc" >"$doc.new" && mv "$doc.new" "$doc"
else
  { echo "# Benchmark of the magnified view"; echo; cat "$section"; } >"$doc"
fi
rm -f "$section"
echo "Figures written to $doc" >&2
