#!/usr/bin/env bash
# Builds Kaleidra for this machine and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

scripts/install-deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake --preset default >/dev/null
cmake --build --preset default

program=build/default/bin/kaleidra
if [ ! -x "$program" ]; then
  echo "Kaleidra has no desktop backend yet, so there is no program to start." >&2
  echo "Built so far: the rotation core and its tests (run scripts/test.sh)." >&2
  exit 1
fi
exec "$program"
