#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given number of seconds
# (default 60) on a scratch copy of its seed corpus. Anything found is left in
# build-fuzz/findings/<target>/ and makes the script fail.
# Usage: fuzz/run.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(inifile language update number receivers)

export TAVROOK_EXTRA_PACKAGES="clang-14 libclang-rt-14-dev ${TAVROOK_EXTRA_PACKAGES:-}"
scripts/setup.sh build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTAVROOK_FUZZ=ON -DTAVROOK_SANITIZE=ON -DTAVROOK_BUILD_TESTS=OFF

for target in "${targets[@]}"; do
    work=build-fuzz/corpus-run/$target
    findings=build-fuzz/findings/$target
    mkdir -p "$work" "$findings"
    cp -n fuzz/corpus/"$target"/* "$work"/ 2>/dev/null || true
    if [ "$target" = update ]; then cp -n docs/update-page.html "$work"/sample-page.html; fi
    echo "Fuzzing $target for ${seconds}s"
    build-fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
        -artifact_prefix="$findings"/ -print_final_stats=1 "$work" 2>&1 | grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|INFO: Done|==[0-9]+==ERROR|SUMMARY)' || true
    if compgen -G "$findings/*" > /dev/null; then
        echo "fuzz_$target found a failing input in $findings" >&2
        exit 1
    fi
done
