#!/usr/bin/env bash
# Two figures of the desktop game, each against a bare Qt program measured in
# the same run, alternately:
#  1. start-up: from the start of the process to the main screen's first
#     paint (the splash shortened with --splash-ms 1, the name answered)
#     against a bare 600 x 400 window that paints once (bench/ui_paint_bare.cpp);
#     RUNS pairs, the ratio of the medians (goal: at most 1.3); for scale, the
#     same window drawing a line of text, which loads the fonts as the game must
#     (a line of its own, not a goal);
#  2. timer lateness in the fishing scene: how late each wake of the game's
#     timer pump comes while the help panel slides in and out (its 30 ms
#     timer), LATENESS_SECONDS s a run, against a bare program's precise QTimers of 30
#     and 1000 ms (bench/ui_pump_bare.cpp) over the same time; REPS pairs, the
#     99th percentile of every wake (goal: at most 2 ms, within 0.2 ms of the
#     bare pump).
# Offscreen (on a 1280 x 1024 screen) unless QPA says otherwise; under Xvfb:
#   xvfb-run -a -s "-screen 0 1280x1024x24" env QPA=xcb bench/ui_main_screen.sh build
# Usage: bench/ui_main_screen.sh [BUILD_DIR]   (default: build; RUNS=31 REPS=3 LATENESS_SECONDS=10)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${RUNS:-31}
reps=${REPS:-3}
seconds=${LATENESS_SECONDS:-10}
game=$build/bin/klevnitsa
[ -x "$game" ] || { echo "no $game: build it first (cmake --build $build --target klevnitsa)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=${QPA:-offscreen}
platform=$QT_QPA_PLATFORM
# Offscreen, a screen as large as the one the Xvfb runs use: Qt's default
# offscreen screen (800 x 800) is narrower than the game's 840-pixel window,
# which would then be drawn shrunk, as on no desktop the game is played on.
if [ "$QT_QPA_PLATFORM" = offscreen ]; then
    printf '{ "screens": [ { "name": "bench", "x": 0, "y": 0, "width": 1280, "height": 1024 } ] }\n' > "$work/screen.json"
    QT_QPA_PLATFORM=offscreen:configfile=$work/screen.json
    platform="offscreen, 1280 x 1024"
fi
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export KLEV_AUTOPLAY_NAME=bench

# The bare programs, built here so the benchmark needs nothing from the build.
flags=$(pkg-config --cflags --libs Qt6Widgets)
c++ -std=c++17 -O2 -fPIC "$root/bench/ui_paint_bare.cpp" -o "$work/paint_bare" $flags
c++ -std=c++17 -O2 -fPIC "$root/bench/ui_pump_bare.cpp" -o "$work/pump_bare" $flags

# Microseconds from just before the program starts to the moment it prints
# "painted ... NS" (the wall clock), the paint done.
to_paint() {
    local start line
    start=$(date +%s%N)
    line=$("$@" 2> /dev/null | grep -m1 '^painted ' || true)
    [ -n "$line" ] || { echo "no paint from $1" >&2; exit 1; }
    echo $(( (${line##* } - start) / 1000 ))
}
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
p99() { sort -n "$@" | awk '{ v[NR] = $1 } END { i = int(NR * 0.99 + 0.999999); if (i < 1) i = 1; printf "%.2f", v[i] / 1000 }'; }

printf 'painted Form1\nquit\n' > "$work/startup.txt"
# One unmeasured run of each seeds the player's folder and warms the disk cache.
KLEV_AUTOPLAY_SCRIPT=$work/startup.txt to_paint "$game" --splash-ms 1 > /dev/null
to_paint "$work/paint_bare" > /dev/null
to_paint "$work/paint_bare" --text > /dev/null
game_times=() bare_times=() text_times=()
for _ in $(seq "$runs"); do
    g=$(KLEV_AUTOPLAY_SCRIPT=$work/startup.txt to_paint "$game" --splash-ms 1)
    b=$(to_paint "$work/paint_bare")
    t=$(to_paint "$work/paint_bare" --text)
    game_times+=("$g") bare_times+=("$b") text_times+=("$t")
done
g=$(median "${game_times[@]}")
b=$(median "${bare_times[@]}")
t=$(median "${text_times[@]}")
ms() { awk -v v="$1" 'BEGIN { printf "%.1f", v / 1000 }'; }
echo "to the first paint, median of $runs: main screen $(ms "$g") ms, bare window $(ms "$b") ms ($platform)"
against_text=$(awk -v g="$g" -v t="$t" 'BEGIN { printf "%.2f", g / t }')
echo "bare window drawing a line of text: $(ms "$t") ms, main screen against it: $against_text"

# The scene: its help panel slides in and out, a 30 ms tick at a time.
{
    printf 'painted Form1\nclick Form1.PScene(1)\nwait 500\nlateness %s\n' "$work/game_late.txt"
    for _ in $(seq $((seconds / 2))); do printf 'move SceneForm.Image5\nwait 750\nmove SceneForm.Picture1\nwait 750\n'; done
    echo quit
} > "$work/scene.txt"
: > "$work/game_all.txt"
: > "$work/bare_all.txt"
for _ in $(seq "$reps"); do
    KLEV_AUTOPLAY_SCRIPT=$work/scene.txt "$game" --splash-ms 1 > /dev/null 2>&1
    cat "$work/game_late.txt" >> "$work/game_all.txt"
    "$work/pump_bare" "$seconds" "$work/bare_late.txt" 30 1000 > /dev/null 2>&1
    cat "$work/bare_late.txt" >> "$work/bare_all.txt"
done
echo "wakes: game $(wc -l < "$work/game_all.txt"), bare pump $(wc -l < "$work/bare_all.txt"), over $reps runs of about $seconds s"
awk -v g="$g" -v b="$b" 'BEGIN { printf "main screen start-up ratio: %.2f\n", g / b }'
echo "timer lateness p99: $(p99 "$work/game_all.txt") ms, bare pump p99: $(p99 "$work/bare_all.txt") ms"
