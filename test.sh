#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds Tavrook with warnings as
# errors, and runs the whole test suite offscreen.
set -euo pipefail
cd "$(dirname "$0")"
export TAVROOK_EXTRA_PACKAGES="clang-format ${TAVROOK_EXTRA_PACKAGES:-}"
scripts/setup.sh build -DTAVROOK_WERROR=ON

echo "Checking the formatting"
git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'bench/*.cpp' 'fuzz/*.cpp' \
    | xargs -r clang-format --dry-run --Werror

ctest --test-dir build --output-on-failure
