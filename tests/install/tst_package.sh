#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks its layout,
# its desktop entry and metainfo and, with lintian, its policy; then
# starts the unpacked program as a user who may not write its folder and checks that
# the settings went to that user's configuration folder (its own, mode 0700), seeded
# from a Tavrook.INI beside the program, that nothing was written beside the program,
# and that a FIFO there holds up nothing.
# Usage: tst_package.sh BUILD_DIR
set -euo pipefail
build_dir=$1
scratch=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/first_start.sh"

cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$scratch/out" > /dev/null 2>&1 || fail "cpack could not build the package"
deb=$(ls "$scratch"/out/tavrook_*.deb)
root=$scratch/root
dpkg-deb -x "$deb" "$root"
program=$root/usr/lib/tavrook
for file in usr/lib/tavrook/Tavrook usr/lib/tavrook/language/English.lf usr/lib/tavrook/Tavrook.html \
    usr/share/icons/hicolor/scalable/apps/org.example.Tavrook.svg usr/share/icons/hicolor/48x48/apps/org.example.Tavrook.png \
    usr/share/doc/tavrook/copyright usr/share/man/man1/tavrook.1.gz; do
    [ -f "$root/$file" ] || fail "$file is not in the package"
done
[ "$(readlink "$root/usr/bin/tavrook")" = ../lib/tavrook/Tavrook ] || fail "bin/tavrook does not lead to the program"
desktop-file-validate "$root/usr/share/applications/org.example.Tavrook.desktop" || fail "the desktop entry does not validate"
grep -q '^Exec=tavrook$' "$root/usr/share/applications/org.example.Tavrook.desktop" || fail "the desktop entry does not start tavrook"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.Tavrook.metainfo.xml" > /dev/null || fail "the metainfo does not validate"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the dependencies were not computed from the program"
lintian --fail-on error "$deb" || fail "lintian reports errors"

# A site default beside the program; a user who may not write there.
printf '[TAB_PHG]\nPower=7\n' > "$program/Tavrook.INI"
touch "$scratch/started"
mkdir -p "$scratch/home/config" "$scratch/tmp"
chmod 755 "$scratch"
chmod 1777 "$scratch/tmp"
run_as=()
if [ "$(id -u)" -eq 0 ]; then
    command -v setpriv > /dev/null || { echo "SKIP: no setpriv to start the program as an unprivileged user"; exit 0; }
    chown -R nobody "$scratch/home"
    run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
    chmod -R a-w "$root"
fi
config=$scratch/home/config/Tavrook/Tavrook.INI
first_start "$config" "${run_as[@]}" env HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/config" \
    TMPDIR="$scratch/tmp" QT_QPA_PLATFORM=offscreen "$root/usr/bin/tavrook"
chmod -R u+w "$root"
grep -q "CurrentLanguage=English" "$config" || fail "the settings did not land in the configuration folder"
grep -q "Power=7" "$config" || fail "the settings beside the program were not the starting point"
[ "$(cat "$program/Tavrook.INI")" = "$(printf '[TAB_PHG]\nPower=7')" ] || fail "the settings beside the program were changed"
[ -z "$(find "$program" -newer "$scratch/started")" ] || fail "the program wrote beside itself: $(find "$program" -newer "$scratch/started")"
[ "$(stat -c %a "$scratch/home/config/Tavrook")" = 700 ] || fail "the configuration folder is open to others"
# A beacon program run by that user reads the same file, and writes nothing.
comment=$("${run_as[@]}" env HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/config" TMPDIR="$scratch/tmp" \
    "$root/usr/bin/tavrook" --comment) || fail "--comment failed on the installed program"
[[ $comment == PHG7000/* ]] || fail "--comment did not send the user's settings: $comment"
[ -z "$(find "$program" "$scratch/home" -newer "$config")" ] || fail "--comment wrote a file"

# A FIFO in place of the seed holds nothing up: the first start goes on with the defaults.
rm -rf "$scratch/home/config/Tavrook" "$program/Tavrook.INI"
mkfifo "$program/Tavrook.INI"
[ "$(id -u)" -eq 0 ] || chmod -R a-w "$root"
first_start "$config" "${run_as[@]}" env HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/config" \
    TMPDIR="$scratch/tmp" QT_QPA_PLATFORM=offscreen "$root/usr/lib/tavrook/Tavrook"
chmod -R u+w "$root"
grep -q "CurrentLanguage=English" "$config" || fail "a FIFO beside the program held up the first start"
echo "Debian package, system layout and settings of a read-only install: 1 passed, 0 failed"
