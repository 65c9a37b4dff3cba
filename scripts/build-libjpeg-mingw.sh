#!/usr/bin/env bash
# Builds libjpeg-turbo for 64-bit Windows (mingw-w64) as a static library from Debian's
# source package, into build/win32-deps/libjpeg/. Once built, later runs do nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
deps=$root/build/win32-deps
prefix=$deps/libjpeg

if [ -f "$prefix/lib/libjpeg.a" ] && [ -f "$prefix/include/jpeglib.h" ]; then
  exit 0
fi

source scripts/packages.sh
scripts/install-deps.sh "${WIN32_BUILD_PACKAGES[@]}"

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)

# apt-get source needs a deb-src entry; derive one from this machine's own Debian sources.
add_deb_src() {
  local codename list=/etc/apt/sources.list.d/kaleidra-deb-src
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  if grep -qsE '^[[:space:]]*(deb-src[[:space:]]|Types:.*deb-src)' \
      /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; then
    return
  fi
  echo "Adding deb-src entries for Debian $codename"
  # deb822 stanzas whose suites name this release, with their type turned into deb-src.
  local stanzas
  stanzas=$(awk -v codename="$codename" '
      BEGIN { RS = ""; ORS = "\n\n" }
      /(^|\n)Types:[^\n]*deb/ && $0 ~ ("(^|\n)Suites:[^\n]*" codename) {
        sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print
      }' /dev/null /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
  if [ -n "$stanzas" ]; then
    printf '%s' "$stanzas" | "${sudo[@]}" tee "$list.sources" >/dev/null
  fi
  # One-line entries likewise.
  local lines
  lines=$(sed -nE "s/^[[:space:]]*deb([[:space:]].*[[:space:]]$codename([-[:alnum:]]*)?[[:space:]].*)$/deb-src\1/p" \
      /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null || true)
  if [ -n "$lines" ]; then
    printf '%s\n' "$lines" | "${sudo[@]}" tee "$list.list" >/dev/null
  fi
  if [ -z "$stanzas$lines" ]; then
    echo "No Debian $codename entry in the apt sources to derive a deb-src entry from" >&2
    exit 1
  fi
}

add_deb_src
"${sudo[@]}" apt-get update -qq

rm -rf "$deps/source" "$deps/libjpeg-build"
mkdir -p "$deps/source"
# As root apt warns that it downloads unsandboxed; show its output only if it fails.
if ! (cd "$deps/source" && apt-get source -qq libjpeg-turbo) >"$deps/apt-source.log" 2>&1; then
  cat "$deps/apt-source.log" >&2
  exit 1
fi
source_dir=$(find "$deps/source" -mindepth 1 -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)

# Only the static library is needed: building just that target skips the tools and tests.
cmake -S "$source_dir" -B "$deps/libjpeg-build" -G Ninja -Wno-dev \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DREQUIRE_SIMD=ON >/dev/null
cmake --build "$deps/libjpeg-build" --target jpeg-static
mkdir -p "$prefix/lib" "$prefix/include"
cp "$deps/libjpeg-build/libjpeg.a" "$prefix/lib/libjpeg.a.tmp"
cp "$deps/libjpeg-build/jconfig.h" "$source_dir"/{jpeglib.h,jmorecfg.h,jerror.h} "$prefix/include/"
# The library goes in last: its presence marks a finished install.
mv "$prefix/lib/libjpeg.a.tmp" "$prefix/lib/libjpeg.a"
echo "libjpeg-turbo for mingw-w64 installed in $prefix"
