#!/usr/bin/env bash
# Builds the Windows exes (libjpeg-turbo for mingw-w64 once per machine, then the win32
# preset, with its installer and portable zip), runs the converter's smoke test under Wine
# against the native build's output, and the program itself under Wine inside Xvfb, driven
# from outside, last through its installer (screenshots land in build/win32/shots/).
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
status=0
tests/e2e/win32/convert-smoke.sh build/win32/bin/kaleidra-convert.exe \
  build/default/bin/kaleidra-convert build/win32/e2e || status=1
tests/e2e/win32/app-e2e.sh build/win32/bin/kaleidra.exe build/win32/bin/kaleidra-e2e-driver.exe \
  build/win32/app-e2e build/win32/shots build/win32/dist/kaleidra-3.0-setup.exe || status=1
exit $status
