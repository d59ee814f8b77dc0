#!/usr/bin/env bash
# Builds the Debian package of the system-wide layout into build/.
# Install it with: sudo apt install ./build/tavrook_<version>_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
TAVROOK_EXTRA_PACKAGES="dpkg-dev file ${TAVROOK_EXTRA_PACKAGES:-}" scripts/setup.sh build
cpack --config build/CPackConfig.cmake -G DEB -B build
