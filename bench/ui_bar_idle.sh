#!/usr/bin/env bash
# Idle CPU of the desktop game with the bar open (its 50 ms puddle timer and
# the regulars' 3 s talk running), offscreen: the CPU time the game uses in
# IDLE seconds, in percent of one core (goal: under 3).
# Usage: bench/ui_bar_idle.sh [BUILD_DIR]   (default: build-qt; IDLE=10)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-qt}" && pwd)
idle=${IDLE:-10}
game=$build/bin/klevnitsa
[ -x "$game" ] || { echo "no $game: build it first (ninja -C $build klevnitsa)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
mkdir -p "$work/game"
cp -r "$root/gamedata/." "$work/game/"
mkdir -p "$work/game/Saves"
cp "$game" "$work/game/klevnitsa"

# The map shows after about 2 s; the bar opens 1.5 s after its door.
cat > "$work/bar.txt" <<SCRIPT
wait 3000
click Form1.Butt_base
click Base.but_pub
wait $(( (idle + 10) * 1000 ))
quit
SCRIPT
KLEV_AUTOPLAY_NAME=bench KLEV_AUTOPLAY_SCRIPT=$work/bar.txt "$work/game/klevnitsa" > /dev/null 2>&1 &
pid=$!
sleep 8
cpu_ns() {  # CPU time of the process (every thread) in nanoseconds
    local sum=0 t
    for t in /proc/"$pid"/task/*/schedstat; do sum=$((sum + $(awk '{ print $1 }' "$t"))); done
    echo "$sum"
}
before=$(cpu_ns)
sleep "$idle"
after=$(cpu_ns)
kill "$pid" 2> /dev/null || true
wait "$pid" 2> /dev/null || true
[ -d "$work/game/Saves/bench" ] || { echo "the game did not reach the map" >&2; exit 1; }
awk -v ns=$((after - before)) -v s="$idle" \
    'BEGIN { printf "idle in the bar: %.3f%% of a core over %d s (goal < 3%%)\n", 100 * ns / 1e9 / s, s }'
