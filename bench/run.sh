#!/usr/bin/env bash
# Builds Tavrook with optimisation and prints its benchmark figures.
# Usage: bench/run.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build-bench -DCMAKE_BUILD_TYPE=Release -DTAVROOK_BUILD_TESTS=OFF -DTAVROOK_BENCH=ON
QT_QPA_PLATFORM=offscreen build-bench/bench/tavrook_bench "${1:-15}"
