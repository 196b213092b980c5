#!/usr/bin/env bash
# The game's start loads none of the libraries only its modules need: Qt
# Charts with Qt OpenGL (the catch journal) and Qt Multimedia (sound) are
# neither among the game's own dependencies nor pulled in by one of them,
# while the modules do depend on them.
#   tests/ui/lean_start_test.sh GAME JOURNAL_MODULE SOUND_MODULE
set -euo pipefail
game=$1 journal=$2 sound=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
needed() { readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'; }

own=$(needed "$game")
# The reading itself works: the toolkit is there.
grep -q '^libQt6Widgets\.so' <<< "$own" || fail "no libQt6Widgets among the NEEDED of $game: $own"
all=$(ldd "$game")
for lib in libQt6Charts libQt6OpenGL libQt6OpenGLWidgets libQt6Multimedia; do
    ! grep -q "^$lib\.so" <<< "$own" || fail "$game needs $lib"
    ! grep -q "^\s*$lib\.so" <<< "$all" || fail "$game loads $lib at start: $(grep "$lib" <<< "$all")"
done
grep -q '^libQt6Charts\.so' <<< "$(needed "$journal")" || fail "the journal module $journal does not need libQt6Charts"
grep -q '^libQt6Multimedia\.so' <<< "$(needed "$sound")" || fail "the sound module $sound does not need libQt6Multimedia"
echo "the start loads neither Qt Charts, Qt OpenGL nor Qt Multimedia: ok"
