#!/usr/bin/env bash
# Installs what is missing, then checks everything a change must keep true:
# formatting, the hand-picked clang-tidy checks, the test suite built with warnings
# as errors, the same suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# and a short run of every fuzz target. Runs offscreen; no display needed.
set -euo pipefail
cd "$(dirname "$0")"
export TAVROOK_EXTRA_PACKAGES="xvfb xauth desktop-file-utils appstream direwolf dpkg-dev file lintian clang-format clang-tidy-14 clang-14 libclang-rt-14-dev ${TAVROOK_EXTRA_PACKAGES:-}"

scripts/setup.sh build -DTAVROOK_WERROR=ON

echo "== Formatting"
git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h' 'bench/*.cpp' 'fuzz/*.cpp' \
    | xargs -r clang-format --dry-run --Werror

echo "== clang-tidy"
run-clang-tidy-14 -p build -quiet -j "$(nproc)" "$(pwd)/src/" > build/clang-tidy.log 2>&1 || {
    grep -E 'warning:|error:' build/clang-tidy.log >&2
    exit 1
}

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
scripts/setup.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTAVROOK_WERROR=ON -DTAVROOK_SANITIZE=ON
ctest --test-dir build-sanitize --output-on-failure

echo "== Fuzz smoke run"
fuzz/run.sh "${TAVROOK_FUZZ_SECONDS:-15}"

# Last, so that its summary closes the output.
echo "== Tests"
ctest --test-dir build --output-on-failure
