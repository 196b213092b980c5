#!/usr/bin/env bash
# Two figures of the desktop game, offscreen:
#  1. start-up: klevnitsa to its first shown window (the splash) against a
#     bare Qt window program, run alternately RUNS times; prints both medians
#     and their ratio (goal: at most 1.5);
#  2. idle: the CPU time the game uses in IDLE seconds on the map screen, in
#     percent of one core (goal: under 2).
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
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# The bare program, built here so the benchmark needs nothing from the build.
bare=$work/ui_startup_bare
c++ -std=c++17 -O2 -fPIC "$root/bench/ui_startup_bare.cpp" -o "$bare" $(pkg-config --cflags --libs Qt6Widgets)

# A private copy of the game folder: the runs write nothing into the build.
mkdir -p "$work/game"
cp -r "$root/gamedata/." "$work/game/"
mkdir -p "$work/game/Saves"
cp "$game" "$work/game/klevnitsa"
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
KLEV_AUTOPLAY_SCRIPT=$work/quit.txt "$work/game/klevnitsa" > /dev/null 2>&1
"$bare" > /dev/null 2>&1
game_times=() bare_times=()
for _ in $(seq "$runs"); do
    game_times+=("$(KLEV_AUTOPLAY_SCRIPT=$work/quit.txt micros "$work/game/klevnitsa")")
    bare_times+=("$(micros "$bare")")
done
g=$(median "${game_times[@]}")
b=$(median "${bare_times[@]}")
echo "start-up to the first window, median of $runs: klevnitsa $((g / 1000)) ms, bare Qt window $((b / 1000)) ms"
awk -v g="$g" -v b="$b" 'BEGIN { printf "start-up ratio: %.2f (goal <= 1.5)\n", g / b }'

# Idle on the map: the name is answered, the map shows after about 2 s.
cat > "$work/idle.txt" <<SCRIPT
wait $(( (idle + 8) * 1000 ))
quit
SCRIPT
KLEV_AUTOPLAY_NAME=bench KLEV_AUTOPLAY_SCRIPT=$work/idle.txt "$work/game/klevnitsa" > /dev/null 2>&1 &
pid=$!
sleep 5
# CPU time of the process (every thread) in nanoseconds.
cpu_ns() {
    local sum=0 t
    for t in /proc/"$pid"/task/*/schedstat; do sum=$((sum + $(awk '{ print $1 }' "$t"))); done
    echo "$sum"
}
before=$(cpu_ns)
sleep "$idle"
after=$(cpu_ns)
kill "$pid" 2> /dev/null || true
wait "$pid" 2> /dev/null || true
# The player's save folder shows that the start-up got past the name to the map.
[ -d "$work/game/Saves/bench" ] || { echo "the game did not reach the map" >&2; exit 1; }
awk -v ns=$((after - before)) -v s="$idle" \
    'BEGIN { printf "idle on the map: %.3f%% of a core over %d s (goal < 2%%)\n", 100 * ns / 1e9 / s, s }'
