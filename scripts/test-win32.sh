#!/usr/bin/env bash
# Builds the Windows exe (libjpeg-turbo for mingw-w64 once per machine, then the win32
# preset) and runs its smoke test under Wine against the native build's output.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${WIN32_BUILD_PACKAGES[@]}" "${WIN32_TEST_PACKAGES[@]}"
scripts/build-libjpeg-mingw.sh

echo "== win32 build"
cmake --preset win32 >/dev/null
cmake --build --preset win32
echo "== native kaleidra-convert, the reference"
cmake --preset default >/dev/null
cmake --build --preset default --target kaleidra-convert

echo "== win32 tests"
tests/e2e/win32/convert-smoke.sh build/win32/bin/kaleidra-convert.exe \
  build/default/bin/kaleidra-convert build/win32/e2e
