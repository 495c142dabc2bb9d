#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when
# they are all present. Run as root (or with sudo available).
set -euo pipefail

packages=(
    cmake ninja-build g++ python3
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools nsis
    wine wine64
    xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick xfonts-base evilwm
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev libpugixml-dev
    iproute2 openssl
)

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

# The Windows build compiles winpthreads from Debian's mingw-w64 source
# (apt-get source), which needs the source entries next to the binary ones.
sources=/etc/apt/sources.list.d/debian.sources
update_needed=0
if [ -f "$sources" ] && grep -q '^Types: deb$' "$sources"; then
    $sudo sed -i 's/^Types: deb$/Types: deb deb-src/' "$sources"
    update_needed=1
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    [ "$update_needed" -eq 1 ] && $sudo apt-get update -q
    exit 0
fi

echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
