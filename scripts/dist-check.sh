#!/usr/bin/env bash
# Builds the last commit twice, in two temporary folders with different names,
# minutes apart, and compares every byte of the programs, the libraries and the
# release: a release must not depend on where or when it was built.
#   scripts/dist-check.sh        (make dist-check)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
commit=$(git -C "$root" rev-parse HEAD)
work=$(mktemp -d "${TMPDIR:-/tmp}/ocularix-dist-check.XXXXXX")
trap 'rm -rf "$work"' EXIT
# The test programs are not part of the release; leaving them out saves most of the time.
flags="-G Ninja -DCMAKE_BUILD_TYPE=Release -DOCULARIX_TESTS=OFF"

copies=(one second-copy)
for copy in "${copies[@]}"; do
  git clone --quiet --shared --no-checkout "$(git -C "$root" rev-parse --git-common-dir)" "$work/$copy"
  git -C "$work/$copy" checkout --quiet --detach "$commit"
  echo "dist-check: building $commit in $work/$copy" >&2
  if ! make -C "$work/$copy" --no-print-directory dist CMAKE_FLAGS="$flags" >"$work/$copy.log" 2>&1; then
    cat "$work/$copy.log" >&2
    exit 1
  fi
done

first="$work/${copies[0]}/build"
second="$work/${copies[1]}/build"
listing() { (cd "$1" && find x86/bin x64/bin dist -type f \( -name '*.exe' -o -name '*.dll' -o -path 'dist/*' \) | sort); }
if [ "$(listing "$first")" != "$(listing "$second")" ]; then
  echo "dist-check: the two builds made different files" >&2
  diff <(listing "$first") <(listing "$second") >&2 || true
  exit 1
fi
differing=0
count=0
while read -r file; do
  count=$((count + 1))
  if ! cmp -s "$first/$file" "$second/$file"; then
    echo "dist-check: $file differs: $(cmp "$first/$file" "$second/$file" 2>&1 | head -1)" >&2
    differing=$((differing + 1))
  fi
done < <(listing "$first")
if [ "$count" -lt 7 ] || [ "$differing" -ne 0 ]; then
  echo "dist-check: FAILED: $differing of $count files differ" >&2
  exit 1
fi
echo "dist-check: held: the $count files of two builds of $commit are identical:"
listing "$first" | sed 's/^/  /'
