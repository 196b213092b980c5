#!/usr/bin/env bash
# The desktop game's resident memory after VISITS place visits (default 200,
# goal: at most 80 MB): offscreen, the map's places opened one after another
# over every map and left again through the scene's map icon. Prints the
# memory on the main screen before the first visit and after the last.
# Usage: bench/ui_place_memory.sh [BUILD_DIR]   (default: build; VISITS=200)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
visits=${VISITS:-200}
game=$build/bin/klevnitsa
[ -x "$game" ] || { echo "no $game: build it first (cmake --build $build --target klevnitsa)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=${QPA:-offscreen}
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export KLEV_AUTOPLAY_NAME=bench

# The places of each map, in the order the map arrow shows the maps.
data=$build/bin
mapfile -t maps < <(iconv -f cp1251 -t utf-8 "$data/Data/Maps/Info.inf" | tr -d '\r' | tail -n +2)
{
    printf 'painted Form1\ngap 30\nwait 500\nrss\n'
    n=0
    while [ "$n" -lt "$visits" ]; do
        for map in "${maps[@]}"; do
            places=$(iconv -f cp1251 -t utf-8 "$data/Data/Maps/$map/conf.cfg" | tr -d '\r' | sed -n 3p)
            for k in $(seq "$places"); do
                [ "$n" -lt "$visits" ] || break
                printf 'click Form1.PScene(%d)\nwait 20\nclick SceneForm.Image2\n' "$k"
                n=$((n + 1))
            done
            echo 'click Form1.Label4'
        done
    done
    printf 'wait 500\nrss\nquit\n'
} > "$work/visits.txt"
out=$(KLEV_AUTOPLAY_SCRIPT=$work/visits.txt "$game" --splash-ms 1 2> "$work/err.txt")
if [ -s "$work/err.txt" ] && grep -q autoplay "$work/err.txt"; then cat "$work/err.txt" >&2; exit 1; fi
rss=($(printf '%s\n' "$out" | awk '/^rss / { print $2 }'))
[ "${#rss[@]}" -eq 2 ] || { echo "no memory figures: $out" >&2; exit 1; }
awk -v a="${rss[0]}" -v b="${rss[1]}" -v n="$visits" -v q="$QT_QPA_PLATFORM" \
    'BEGIN { printf "resident memory (%s): %.1f MB on the main screen, %.1f MB after %d place visits (goal <= 80 MB)\n", q, a / 1024, b / 1024, n }'
