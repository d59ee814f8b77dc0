#!/usr/bin/env bash
# Renders every page of the main window into docs/screenshots, offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
build/tools/tavrook_screenshots docs/screenshots
