#!/usr/bin/env bash
# Removes exactly what scripts/install.sh installed, as listed in its manifest.
# Your settings (Tavrook.INI) stay in the program folder; delete the folder to
# remove them too.
# Usage: scripts/uninstall.sh [PREFIX]
set -euo pipefail
prefix=$(realpath -m "${1:-$HOME/.local/opt/Tavrook}")
manifest=$prefix/install-manifest.txt
if [ ! -f "$manifest" ]; then
    echo "No Tavrook installation found in $prefix" >&2
    exit 1
fi
mapfile -t files < "$manifest"
for file in "${files[@]}"; do
    rm -f -- "$file"
done
# Folders the installation made and left empty go too; the shared ones of the
# desktop (applications, metainfo, the icon theme) stay.
for file in "${files[@]}"; do
    dir=$(dirname "$file")
    while :; do
        case "$(basename "$dir")" in applications | metainfo | hicolor | share | /) break ;; esac
        rmdir -- "$dir" 2>/dev/null || break
        [ "$dir" = "$prefix" ] && break
        dir=$(dirname "$dir")
    done
done
for file in "${files[@]}"; do
    case "$file" in
    */applications/*.desktop) update-desktop-database -q "$(dirname "$file")" 2>/dev/null || true ;;
    */icons/hicolor/scalable/*) gtk-update-icon-cache -q -t "${file%/scalable/*}" 2>/dev/null || true ;;
    esac
done
echo "Tavrook is uninstalled from $prefix."
