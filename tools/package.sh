#!/usr/bin/env bash
# What a Windows user downloads, made from the programs of a finished build:
#   BUILD/dist/RadioConfig-<version>-win64.zip  both programs, README.txt, sample.cfg, licenses\
#   BUILD/dist/RadioConfig-<version>-setup.exe  the installer (NSIS)
#   BUILD/dist/SHA256SUMS
# <version> is the version resource of RadioConfig.exe (a.b.c.d). The programs are
# shipped stripped; the build keeps its own copies with their symbols.
# usage: tools/package.sh [BUILD]   (default: $BENCH_BUILD, else build/ of the checkout)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-${BENCH_BUILD:-$root/build}}")
inputs=$root/tools/package
programs=("$build/win/app/RadioConfig.exe" "$build/win/cli/radiocfg.exe")
dist=$build/dist
work=$build/package

die() { echo "package.sh: $*" >&2; exit 1; }

for tool in makensis zip sha256sum x86_64-w64-mingw32-windres x86_64-w64-mingw32-strip; do
    command -v "$tool" >/dev/null || die "$tool is missing (tools/bench.sh's bench_install brings it)"
done
for program in "${programs[@]}"; do
    [ -f "$program" ] || die "$program is missing: build first"
done

# The version resource as the resource compiler reads it back from the program.
resource=$(x86_64-w64-mingw32-windres -i "${programs[0]}" -O rc | sed -n '/VERSIONINFO/,/^END/p')
resource_value() { sed -n "s/.*VALUE \"$1\", \"\(.*\)\"/\1/p" <<<"$resource"; }
version=$(sed -n 's/^ *FILEVERSION *//p' <<<"$resource" | tr -d ' ' | tr , .)
version_text=$(resource_value FileVersion)
publisher=$(resource_value CompanyName)
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$ ]] || die "${programs[0]} has no version resource"
IFS=. read -r major minor patch _ <<<"$version"
expected_text=$(printf 'V%03d.%02d.%02d' "$major" "$minor" "$patch")
[ "$version_text" = "$expected_text" ] || die "version text $version_text does not match $version ($expected_text)"

name=RadioConfig-$version
stage=$work/$name-win64
rm -rf "$work"
mkdir -p "$stage/licenses" "$dist"
rm -f "$dist"/RadioConfig-*-win64.zip "$dist"/RadioConfig-*-setup.exe "$dist/SHA256SUMS"

for program in "${programs[@]}"; do
    x86_64-w64-mingw32-strip -o "$stage/$(basename "$program")" "$program"
done

# Windows text: CR LF line ends; the guide starts with a byte order mark so that
# every Notepad shows its Chinese.
windows_text() { sed -e "s/@VERSION@/$version_text/g" -e 's/$/\r/' "$1"; }
{ printf '\xEF\xBB\xBF'; windows_text "$inputs/README.txt"; } >"$stage/README.txt"
windows_text "$inputs/sample.cfg" >"$stage/sample.cfg"

# The licence notices of what is linked in statically, from the packages that brought it.
licence() {  # file, what it covers, notice source
    { echo "$2"; echo; cat "$3"; } | sed 's/$/\r/' >"$stage/licenses/$1"
}
stb_notice=$(mktemp)
trap 'rm -f "$stb_notice"' EXIT
sed -n '/This software is available under 2 licenses/,/^\*\//p' /usr/include/stb/stb_image.h | sed '$d' >"$stb_notice"
[ -s "$stb_notice" ] || die "no licence text in /usr/include/stb/stb_image.h"
licence stb_image.txt "stb_image (image decoding), in RadioConfig.exe:" "$stb_notice"
licence gcc-runtime.txt "The GCC runtime (libstdc++, libgcc), in both programs; see the GCC Runtime Library Exception:" \
    /usr/share/doc/gcc-mingw-w64-base/copyright
licence mingw-w64-runtime.txt "The mingw-w64 runtime (start-up code, libmingwex, winpthreads), in both programs:" \
    /usr/share/doc/mingw-w64-x86-64-dev/copyright

(cd "$work" && zip -q -X -r "$dist/$name-win64.zip" "$(basename "$stage")")

makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DVERSION_TEXT="$version_text" \
    -DPUBLISHER="$publisher" -DSTAGE="$stage" -DICON="$root/resources/RadioConfig.ico" \
    -DOUTFILE="$dist/$name-setup.exe" "$inputs/RadioConfig.nsi" >/dev/null

(cd "$dist" && sha256sum "$name-win64.zip" "$name-setup.exe" >SHA256SUMS)

size_of() { printf '%-32s %9d bytes\n' "$(basename "$1")" "$(stat -c %s "$1")"; }
size_of "$dist/$name-win64.zip"
size_of "$dist/$name-setup.exe"
for program in "$stage"/*.exe; do size_of "$program"; done
