#!/usr/bin/env bash
# Installs what is missing, builds Tavrook and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Tavrook is built (build/src/Tavrook) but there is no display to show it on: start ./run.sh from a desktop session, or run the tests with ./test.sh." >&2
    exit 1
fi
exec build/src/Tavrook
