#!/usr/bin/env bash
# Installs the cross toolchain, Wine and Xvfb when any of them is missing.
# Quick and silent when everything is already present.
#   scripts/install-deps.sh        what building and `make test` need
#   scripts/install-deps.sh x86    also what `make test-x86` needs: qemu's
#                                  user-mode emulator and debootstrap
set -euo pipefail

packages=(
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  cmake ninja-build googletest make python3 gcc libc6-dev
  wine wine64 fonts-wine xvfb xdotool x11-utils imagemagick
)
if [ "${1:-}" = x86 ]; then
  packages+=(qemu-user-static debootstrap binfmt-support util-linux)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
