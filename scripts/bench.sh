#!/usr/bin/env bash
# Times the magnified view's frames under Wine and records the figures, with the
# machine they were measured on, in docs/benchmark.md between the two marker
# lines; the text around them is kept as written.
#   scripts/bench.sh [build folder]
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac
. "$root/scripts/wine-env.sh" "$build"
bench="$build/x64/tests/bench/render_bench.exe"
doc="$root/docs/benchmark.md"
begin='<!-- measured:begin -->'
end='<!-- measured:end -->'
# The second run has the C library keep the memory it frees instead of giving it
# back to the system, which takes page faults on fresh memory out of the figures.
keep_memory='glibc.malloc.trim_threshold=1073741824:glibc.malloc.mmap_threshold=1073741824'

if [ ! -f "$bench" ]; then
  echo "missing $bench: run make build-x64 first" >&2
  exit 1
fi

ensure_display || exit 1
trap 'stop_wine; stop_display' EXIT
start_wine

# The tables, then the CPU use while refreshing in a process of its own.
run_bench() {
  (cd "$build/x64/bin" && timeout 600 wine "$bench" | tr -d '\r') || return 1
  echo
  (cd "$build/x64/bin" && timeout 120 wine "$bench" refresh | tr -d '\r')
}

echo "Run 1 of 2: as the program runs" >&2
plain=$(run_bench) || { echo "the benchmark failed" >&2; exit 1; }
printf '%s\n\n' "$plain"
echo "Run 2 of 2: freed memory kept by the C library" >&2
kept=$(GLIBC_TUNABLES="$keep_memory" run_bench) || { echo "the benchmark failed" >&2; exit 1; }
printf '%s\n' "$kept"

cpu=$(grep -m1 'model name' /proc/cpuinfo | sed 's/^[^:]*: *//')
cores=$(grep -c '^processor' /proc/cpuinfo)
section=$(mktemp)
{
  echo "$begin"
  echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') with \`make bench\` on: $cpu, $cores cores; $(wine --version); Xvfb 1280x1024x24;" \
    "load average before the run $(cut -d' ' -f1-3 /proc/loadavg)."
  echo
  echo "### Run 1: as the program runs"
  echo
  printf '%s\n' "$plain"
  echo
  echo "### Run 2: the same, with the C library keeping freed memory (\`GLIBC_TUNABLES=$keep_memory\`)"
  echo
  printf '%s\n' "$kept"
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
