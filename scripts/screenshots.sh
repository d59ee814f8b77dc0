#!/usr/bin/env bash
# Renders every page of the main window into docs/screenshots, offscreen, and the
# General page once more in a dark palette.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
build/tools/tavrook_screenshots docs/screenshots English light
dark=$(mktemp -d)
trap 'rm -rf "$dark"' EXIT
build/tools/tavrook_screenshots "$dark" English dark
cp "$dark/page-1-general-dark.png" docs/screenshots/
