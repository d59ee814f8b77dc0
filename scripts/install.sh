#!/usr/bin/env bash
# Builds Tavrook and installs it for the current user: the program into
# ~/.local/opt/Tavrook (or the folder given), its launcher and icon into the
# application menu.
# Usage: scripts/install.sh [PREFIX]
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=${1:-$HOME/.local/opt/Tavrook}
scripts/setup.sh build
scripts/install-files.sh build "$prefix" "${XDG_DATA_HOME:-$HOME/.local/share}"
echo "Tavrook is installed in $prefix and in your application menu."
echo "Remove it with: scripts/uninstall.sh $prefix"
