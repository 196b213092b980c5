#!/usr/bin/env bash
# The installed game: `cmake --install` into a temporary prefix puts every
# file where the desktop looks for it; the installed game starts offscreen on
# an empty player folder, seeds it, saves there and writes nothing into the
# installed data; a reinstall and a second start leave the player's changed
# records book and save alone.
#   tests/ui/install_test.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1 work=$2
rm -rf "$work" && mkdir -p "$work"
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > /dev/null
for f in bin/klevnitsa share/applications/klevnitsa.desktop \
         share/metainfo/io.github.klevnitsa.Klevnitsa.metainfo.xml \
         share/icons/hicolor/{32x32,48x48,64x64,128x128,256x256}/apps/klevnitsa.png \
         share/klevnitsa/conf.cfg share/klevnitsa/Data/rec.cfg share/klevnitsa/Data/Maps/Info.inf; do
    [ -e "$prefix/$f" ] || fail "not installed: $f"
done
[ -x "$prefix/bin/klevnitsa" ] || fail "the game is not executable"
[ -n "$(find "$prefix" -path '*/klevnitsa/libklevnitsa_sound.so')" ] || fail "not installed: the sound module"
[ -n "$(find "$prefix" -path '*/klevnitsa/libklevnitsa_journal.so')" ] || fail "not installed: the journal module"
[ ! -e "$prefix/share/klevnitsa/Saves" ] || fail "a Saves folder was installed"
desktop-file-validate "$prefix/share/applications/klevnitsa.desktop" || fail "desktop entry"

export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
player=$XDG_DATA_HOME/klevnitsa
# Answer the name, wait for the map, leave by its exit label (which saves).
printf 'wait 3000\nclick Form1.Label5\n' > "$work/play.txt"
play() {
    KLEV_AUTOPLAY_NAME=Тест KLEV_AUTOPLAY_SCRIPT=$work/play.txt timeout 60 "$prefix/bin/klevnitsa" \
        > "$work/out.txt" 2>&1 || fail "the installed game ended with status $?: $(cat "$work/out.txt")"
}
listing() { (cd "$prefix" && find . -type f -exec md5sum {} + | sort); }
before=$(listing)
play
for f in conf.cfg Data/rec.cfg Saves/Тест/vrb.cfg; do
    [ -s "$player/$f" ] || fail "the player folder lacks $f"
done
[ "$(listing)" = "$before" ] || fail "the game wrote into the installed tree"

# The player's records book changes; a reinstall and a new start keep it.
sed -i 's/^950\r$/960\r/' "$player/Data/rec.cfg"
grep -q $'^960\r$' "$player/Data/rec.cfg" || fail "could not change the records book"
save=$(md5sum < "$player/Saves/Тест/vrb.cfg")
cmake --install "$build" --prefix "$prefix" > /dev/null
grep -q $'^960\r$' "$player/Data/rec.cfg" || fail "the reinstall replaced the records book"
play
grep -q $'^960\r$' "$player/Data/rec.cfg" || fail "the second start replaced the records book"
[ -s "$player/Saves/Тест/vrb.cfg" ] || fail "the save is gone"
[ "$(md5sum < "$player/Saves/Тест/vrb.cfg")" = "$save" ] || fail "the save changed without play"
echo "installed tree, first start and reinstall: ok"
