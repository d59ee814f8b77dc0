#!/usr/bin/env bash
# Installs the built program into a scratch folder as a user would, validates the
# launcher (the package test validates the metainfo), starts the installed program
# far enough to read its language files and write its first settings, and uninstalls.
# Usage: tst_install.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1
build_dir=$2
scratch=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT
prefix=$scratch/opt/Tavrook
data_home=$scratch/share
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/first_start.sh"

"$source_dir"/scripts/install-files.sh "$build_dir" "$prefix" "$data_home"

for file in Tavrook Tavrook.html Tavrook_Deutsch.html language/English.lf language/Deutsch.lf \
    language/Nederlands.lf icons/tavrook-48.png install-manifest.txt; do
    [ -e "$prefix/$file" ] || fail "$file is not installed"
done
desktop=$data_home/applications/org.example.Tavrook.desktop
desktop-file-validate "$desktop" || fail "the desktop entry does not validate"
grep -q "^Exec=\"$prefix/Tavrook\"$" "$desktop" || fail "the desktop entry does not start the installed program"
[ -e "$data_home/icons/hicolor/scalable/apps/org.example.Tavrook.svg" ] || fail "no scalable icon"
# Every link of an installed help page reaches an anchor of that page or an installed file.
for page in "$prefix"/*.html; do
    for target in $(grep -o 'href="[^"]*"' "$page" | cut -d'"' -f2); do
        case $target in
            '#'*) grep -q "id=\"${target#\#}\"" "$page" ;;
            *) [ -e "$prefix/$target" ] ;;
        esac || fail "$(basename "$page") links to $target, which is not there"
    done
done

# A first start creates the settings beside the program, in the stored language,
# without translation errors (they would go to the log in TMPDIR).
# A folder the user may write keeps them there, not in the configuration folder.
mkdir "$scratch/tmp" "$scratch/config"
first_start "$prefix/Tavrook.INI" env -C "$scratch" QT_QPA_PLATFORM=offscreen TMPDIR="$scratch/tmp" \
    XDG_CONFIG_HOME="$scratch/config" "$prefix/Tavrook"
grep -q "CurrentLanguage=English" "$prefix/Tavrook.INI" || fail "the installed program wrote no settings"
[ -z "$(ls -A "$scratch/config")" ] || fail "a writable program folder put settings in the configuration folder"
[ ! -e "$scratch/tmp/Tavrook.log" ] || fail "the installed program logged translation errors: $(cat "$scratch/tmp/Tavrook.log")"

"$source_dir"/scripts/uninstall.sh "$prefix" > /dev/null
[ ! -e "$prefix/Tavrook" ] || fail "uninstall left the program"
[ ! -e "$prefix/language" ] || fail "uninstall left the language folder"
[ -e "$prefix/Tavrook.INI" ] || fail "uninstall removed the user's settings"
[ -z "$(find "$data_home" -type f ! -name "*.cache")" ] || fail "uninstall left files: $(find "$data_home" -type f)"
echo "install, first start and uninstall: 1 passed, 0 failed"
