#!/usr/bin/env bash
# Builds the downloads from a clean checkout into dist/:
#   VexaMagnifier-<version>-x64.zip, VexaMagnifier-<version>-x86.zip
#       the program for 64-bit or 32-bit Windows, the read-me and the licence;
#   VexaMagnifier-<version>-setup.exe
#       the installer (NSIS), which installs the right one of the two.
# The version is the language pack's version text, read by CMake. Both
# programs are stripped copies of the win64 and win32 builds and must pass the
# import check (nothing Windows XP lacks) before anything is packed.
#
# --wine-test-installer also makes build/package/VexaMagnifier-<version>-setup-amd64.exe:
# the same script on NSIS's 64-bit stub, for the installer tests under a Wine
# that runs only 64-bit programs. It is never shipped.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
wine_test=0
[ "${1:-}" = "--wine-test-installer" ] && wine_test=1
"$root/scripts/setup.sh"

for preset in win64 win32; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target VexaMagnifier CloseRunning
done
version="$(sed -n 's/^VEXA_VERSION:INTERNAL=//p' build/win64/CMakeCache.txt)"
version32="$(sed -n 's/^VEXA_VERSION:INTERNAL=//p' build/win32/CMakeCache.txt)"
if [ -z "$version" ] || [ "$version" != "$version32" ]; then
    echo "package: no version, or two different ones ('$version', '$version32')" >&2
    exit 1
fi
quad="$version"
while [ "$(tr -cd . <<<"$quad" | wc -c)" -lt 3 ]; do quad="$quad.0"; done

stage="$root/build/package"
rm -rf "$stage"
mkdir -p "$stage" "$root/dist"
# Windows' own Notepad before Windows 10 shows only CRLF line ends.
crlf() { sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$1" >"$2"; }
crlf resources/ReadMe.txt "$stage/ReadMe.txt"
crlf resources/License.txt "$stage/License.txt"
x86_64-w64-mingw32-strip -o "$stage/VexaMagnifier64.exe" build/win64/VexaMagnifier.exe
i686-w64-mingw32-strip -o "$stage/VexaMagnifier32.exe" build/win32/VexaMagnifier.exe
x86_64-w64-mingw32-strip -o "$stage/CloseRunning64.exe" build/win64/CloseRunning.exe
i686-w64-mingw32-strip -o "$stage/CloseRunning32.exe" build/win32/CloseRunning.exe
python3 scripts/check-imports.py "$stage"/VexaMagnifier64.exe "$stage"/VexaMagnifier32.exe \
    "$stage"/CloseRunning64.exe "$stage"/CloseRunning32.exe

for arch in x64 x86; do
    bits=64
    [ "$arch" = x86 ] && bits=32
    folder="$stage/VexaMagnifier-$version-$arch"
    mkdir -p "$folder"
    cp "$stage/VexaMagnifier$bits.exe" "$folder/VexaMagnifier.exe"
    cp "$stage/ReadMe.txt" "$stage/License.txt" "$folder/"
    rm -f "dist/VexaMagnifier-$version-$arch.zip"
    python3 -m zipfile -c "dist/VexaMagnifier-$version-$arch.zip" "$folder"
done

make_installer() {  # $1: output file, rest: extra makensis options
    local out="$1"
    shift
    makensis -V2 -NOCD -DVERSION="$version" -DVERSION_QUAD="$quad" -DOUTFILE="$out" \
        -DPROGRAM64="$stage/VexaMagnifier64.exe" -DPROGRAM32="$stage/VexaMagnifier32.exe" \
        -DCLOSER64="$stage/CloseRunning64.exe" -DCLOSER32="$stage/CloseRunning32.exe" \
        -DREADME="$stage/ReadMe.txt" -DLICENSE="$stage/License.txt" \
        -DICON="$root/resources/icons/VexaMagnifier.ico" "$@" packaging/VexaMagnifier.nsi
}
make_installer "$root/dist/VexaMagnifier-$version-setup.exe"
if [ "$wine_test" -eq 1 ]; then
    make_installer "$stage/VexaMagnifier-$version-setup-amd64.exe" -DTARGET=amd64-unicode
fi

echo "package: version $version"
for file in dist/VexaMagnifier-"$version"-*; do
    printf 'package: %-40s %8d bytes\n' "$file" "$(stat -c %s "$file")"
done
