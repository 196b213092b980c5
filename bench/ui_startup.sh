#!/usr/bin/env bash
# Three figures of the desktop game, offscreen:
#  1. start-up: klevnitsa to its first shown window (the splash on the stage)
#     against a bare Qt window program, run alternately RUNS times; prints
#     both medians and their ratio (goal: at most 1.3);
#  2. idle: the CPU time the game uses in IDLE seconds on the map screen, in
#     percent of one core (goal: under 1), at 2x scale;
#  3. the same in the fishing scene (goal: under 3).
# Usage: bench/ui_startup.sh [BUILD_DIR]   (default: build-qt; RUNS=15 IDLE=10)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-qt}" && pwd)
runs=${RUNS:-15}
idle=${IDLE:-10}
game=$build/bin/klevnitsa
[ -x "$game" ] || { echo "no $game: build it first (ninja -C $build klevnitsa)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/klevnitsa" && chmod 700 "$XDG_RUNTIME_DIR"
# The stage drawn at twice the size.
printf '[window]\nscale=3\n' > "$XDG_CONFIG_HOME/klevnitsa/klevnitsa.conf"

# The bare program, built here so the benchmark needs nothing from the build.
bare=$work/ui_startup_bare
c++ -std=c++17 -O2 -fPIC "$root/bench/ui_startup_bare.cpp" -o "$bare" $(pkg-config --cflags --libs Qt6Widgets)

# The game reads the build's data and writes only into $XDG_DATA_HOME.
echo quit > "$work/quit.txt"

micros() {  # wall time of one run of "$@", in microseconds
    local start end
    start=$(date +%s%N)
    "$@" > /dev/null 2>&1
    end=$(date +%s%N)
    echo $(( (end - start) / 1000 ))
}
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One unmeasured run of each warms the disk cache.
KLEV_AUTOPLAY_SCRIPT=$work/quit.txt "$game" > /dev/null 2>&1
"$bare" > /dev/null 2>&1
game_times=() bare_times=()
for _ in $(seq "$runs"); do
    game_times+=("$(KLEV_AUTOPLAY_SCRIPT=$work/quit.txt micros "$game")")
    bare_times+=("$(micros "$bare")")
done
g=$(median "${game_times[@]}")
b=$(median "${bare_times[@]}")
echo "start-up to the first window, median of $runs: klevnitsa $((g / 1000)) ms, bare Qt window $((b / 1000)) ms"
awk -v g="$g" -v b="$b" 'BEGIN { printf "start-up ratio: %.2f (goal <= 1.3)\n", g / b }'

# CPU time of a process (every thread) in nanoseconds.
cpu_ns() {
    local sum=0 t
    for t in /proc/"$1"/task/*/schedstat; do sum=$((sum + $(awk '{ print $1 }' "$t"))); done
    echo "$sum"
}
# idle WHERE GOAL SETTLE [COMMANDS]: the game's CPU over IDLE seconds once it
# has settled, after the name is answered and COMMANDS ran.
idle() {
    local where=$1 goal=$2 settle=$3 commands=${4:-} name pid before after
    name=bench$RANDOM
    { printf '%b' "$commands"; echo "wait $(( (idle + settle + 4) * 1000 ))"; echo quit; } > "$work/idle.txt"
    KLEV_AUTOPLAY_NAME=$name KLEV_AUTOPLAY_SCRIPT=$work/idle.txt "$game" > /dev/null 2>&1 &
    pid=$!
    sleep "$settle"
    before=$(cpu_ns "$pid")
    sleep "$idle"
    after=$(cpu_ns "$pid")
    kill "$pid" 2> /dev/null || true
    wait "$pid" 2> /dev/null || true
    # The player's save folder shows that the start-up got past the name.
    [ -d "$XDG_DATA_HOME/klevnitsa/Saves/$name" ] || { echo "the game did not reach the map" >&2; exit 1; }
    awk -v ns=$((after - before)) -v s="$idle" -v w="$where" -v g="$goal" \
        'BEGIN { printf "idle %s at 2x: %.3f%% of a core over %d s (goal < %s%%)\n", w, 100 * ns / 1e9 / s, s, g }'
}
# The map shows about 2 s after the start; the scene after the click.
idle "on the map" 1 5
idle "in the scene" 3 7 'wait 3000\nclick Form1.PScene(1)\n'
