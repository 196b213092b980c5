#!/usr/bin/env bash
# Idle CPU of the desktop game with the bar open (its 50 ms puddle timer and
# the regulars' 3 s talk running), offscreen at 2x scale: the CPU time the
# game uses in IDLE seconds, in percent of one core (goal: under 3).
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
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/klevnitsa" && chmod 700 "$XDG_RUNTIME_DIR"
printf '[window]\nscale=3\n' > "$XDG_CONFIG_HOME/klevnitsa/klevnitsa.conf"

# The map shows about 2 s after the start; the bar 1.5 s after its door.
settle=8
cat > "$work/bar.txt" <<SCRIPT
wait 3000
click Form1.Butt_base
click Base.but_pub
wait $(( (idle + settle + 4) * 1000 ))
quit
SCRIPT
KLEV_AUTOPLAY_NAME=bench KLEV_AUTOPLAY_SCRIPT=$work/bar.txt "$game" > /dev/null 2>&1 &
pid=$!
cpu_ns() {  # CPU time of the process (every thread) in nanoseconds
    local sum=0 t
    for t in /proc/"$pid"/task/*/schedstat; do sum=$((sum + $(awk '{ print $1 }' "$t"))); done
    echo "$sum"
}
sleep "$settle"
before=$(cpu_ns)
sleep "$idle"
after=$(cpu_ns)
kill "$pid" 2> /dev/null || true
wait "$pid" 2> /dev/null || true
[ -d "$XDG_DATA_HOME/klevnitsa/Saves/bench" ] || { echo "the game did not reach the map" >&2; exit 1; }
awk -v ns=$((after - before)) -v s="$idle" \
    'BEGIN { printf "idle in the bar at 2x: %.3f%% of a core over %d s (goal < 3%%)\n", 100 * ns / 1e9 / s, s }'
