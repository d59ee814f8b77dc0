#!/usr/bin/env bash
# Installs a built Tavrook into PREFIX (a folder of its own, which must stay
# writable by the user: the settings file lives beside the program) and adds its
# desktop entry, icons and AppStream metainfo under DATA_HOME. Every file it writes
# is listed in PREFIX/install-manifest.txt for scripts/uninstall.sh.
# Usage: scripts/install-files.sh BUILD_DIR PREFIX DATA_HOME
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
prefix=$(realpath -m "$2")
data_home=$(realpath -m "$3")
id=org.example.Tavrook

cmake --install "$build" --prefix "$prefix" > /dev/null
manifest=$prefix/install-manifest.txt
cp "$build/install_manifest.txt" "$manifest"
echo >> "$manifest"

install_file() { # SOURCE TARGET
    mkdir -p "$(dirname "$2")"
    cp "$1" "$2"
    echo "$2" >> "$manifest"
}

desktop=$data_home/applications/$id.desktop
mkdir -p "$(dirname "$desktop")"
sed -e "s|@TAVROOK_EXEC@|\"$prefix/Tavrook\"|" -e "s|@TAVROOK_DIR@|$prefix|" data/$id.desktop.in > "$desktop"
echo "$desktop" >> "$manifest"

install_file data/tavrook.svg "$data_home/icons/hicolor/scalable/apps/$id.svg"
for png in data/icons/tavrook-*.png; do
    size=$(basename "$png" .png)
    size=${size#tavrook-}
    install_file "$png" "$data_home/icons/hicolor/${size}x${size}/apps/$id.png"
done
install_file data/$id.metainfo.xml "$data_home/metainfo/$id.metainfo.xml"
echo "$manifest" >> "$manifest"
sed -i '/^$/d' "$manifest"

# Let the desktop notice the new entry and icon where it can; not having the tools is fine.
update-desktop-database -q "$data_home/applications" 2>/dev/null || true
gtk-update-icon-cache -q -t "$data_home/icons/hicolor" 2>/dev/null || true
