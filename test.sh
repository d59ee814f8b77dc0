#!/usr/bin/env bash
# Installs what is missing, builds Tavrook with warnings as errors, and runs the
# whole test suite offscreen.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh build -DTAVROOK_WERROR=ON
ctest --test-dir build --output-on-failure
