#!/usr/bin/env bash
# Builds Kaleidra for this machine and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake --preset default >/dev/null
cmake --build --preset default --target kaleidra

# Without a desktop session the program says so, and how to run it under xvfb-run.
exec build/default/bin/kaleidra
