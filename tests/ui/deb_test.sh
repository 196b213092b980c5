#!/usr/bin/env bash
# The Debian package: cpack builds it, apt could install it on this Debian
# (every library it depends on resolves), it holds the game's modules, and
# the game unpacked from it starts offscreen on a fresh player folder, opens
# the catch journal from its module and saves there.
#   tests/ui/deb_test.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1 work=$2
rm -rf "$work" && mkdir -p "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" > "$work/cpack.txt" 2>&1) || fail "cpack: $(cat "$work/cpack.txt")"
deb=$(find "$work" -maxdepth 1 -name 'klevnitsa_*.deb' | head -1)
[ -n "$deb" ] || fail "no .deb made"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6multimedia6 libqt6charts6 libjpeg62-turbo libpng16-16 qt6-qpa-plugins; do
    [[ "$depends" == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "not in the games section"
# Every dependency resolves from this system's package lists.
apt-get install --simulate --no-install-recommends "$deb" > "$work/apt.txt" 2>&1 || fail "apt: $(tail -5 "$work/apt.txt")"

dpkg-deb -x "$deb" "$work/root"
game=$work/root/usr/bin/klevnitsa
[ -x "$game" ] || fail "no /usr/bin/klevnitsa in the package"
for module in sound journal; do
    [ -n "$(find "$work/root/usr/lib" -path "*/klevnitsa/libklevnitsa_$module.so")" ] ||
        fail "the package lacks the $module module: $(dpkg-deb -c "$deb" | grep -c /usr/lib/) files in /usr/lib"
done
for f in share/applications/klevnitsa.desktop share/klevnitsa/Data/Maps/Info.inf share/icons/hicolor/256x256/apps/klevnitsa.png; do
    [ -e "$work/root/usr/$f" ] || fail "the package lacks /usr/$f"
done
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# Without its module the journal would say so on the standard error.
printf 'wait 3000\njournal\nclick Form1.Label5\n' > "$work/play.txt"
KLEV_AUTOPLAY_NAME=Тест KLEV_AUTOPLAY_SCRIPT=$work/play.txt timeout 60 "$game" > "$work/out.txt" 2>&1 ||
    fail "the packaged game ended with status $?: $(cat "$work/out.txt")"
[ -s "$XDG_DATA_HOME/klevnitsa/Saves/Тест/vrb.cfg" ] || fail "the packaged game saved nothing"
! grep -q klevnitsa_journal "$work/out.txt" || fail "the packaged game found no journal module: $(cat "$work/out.txt")"
echo "package $(basename "$deb"): depends resolve, the modules are in, the game starts, opens its journal and saves: ok"
