#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when
# they are all present. Run as root (or with sudo available).
set -euo pipefail

packages=(
    cmake ninja-build g++ python3
    g++-mingw-w64-x86-64-posix mingw-w64-tools
    wine wine64
    xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick xfonts-base evilwm
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev libpugixml-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
