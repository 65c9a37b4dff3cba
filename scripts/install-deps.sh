#!/usr/bin/env bash
# Installs the Debian packages Kaleidra's build needs, when they are missing.
# Usage: scripts/install-deps.sh PACKAGE...
set -euo pipefail

missing=()
for package in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing Debian packages: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Run as root or install sudo: these packages are needed: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
# Another install running at the same moment (a second build, the system's own updates)
# holds the package lock for a while: wait for it rather than fail.
wait_for_lock=(-o DPkg::Lock::Timeout=600)
"${sudo[@]}" apt-get "${wait_for_lock[@]}" update -qq
"${sudo[@]}" apt-get "${wait_for_lock[@]}" install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
