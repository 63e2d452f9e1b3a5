#!/usr/bin/env bash
# Builds the game and its benchmarks, measures them under a display (the
# current one, or a private Xvfb) and prints one table: each figure of the
# game beside its floor measured in the same run.
#   bench/run.sh [build-dir]
set -euo pipefail
source "$(dirname "$0")/../scripts/setup.sh"
build="${1:-$QUORVEL_ROOT/build}"
build_log="$(mktemp)"
if ! quorvel_build "$build" >"$build_log" 2>&1; then
    cat "$build_log"
    exit 1
fi
rm -f "$build_log"
bin="$build/bin"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
user_data="$(mktemp -d)"
trap 'rm -rf "$user_data"' EXIT

# The splash lasts 13 s; the main menu is measured after it has settled.
readonly menu_frames=$((60 * 26))
readonly idle_from=15 idle_seconds=10
readonly start_runs=5
# A running game: the splash, the load, then the board for a while; the
# frame times are those of the last frames.
readonly game_frames=$((60 * 24))
# The textured floor only needs its frame times: a few seconds of frames,
# the median of a few runs, as the renderer's threads vary most.
readonly layer_frames=$((60 * 8)) layer_runs=3

# launch KEYS-PREFIX FRAMES [bench-launch options] -- program...: runs it and
# stores every key=value it reports as VALUE[prefix.key].
declare -A VALUE
launch() {
    local prefix="$1" frames="$2"; shift 2
    local line
    while IFS= read -r line; do
        VALUE[$prefix.${line%%=*}]="${line#*=}"
    done < <(XDG_DATA_HOME="$user_data" QUORVEL_BENCH_FRAMES="$frames" "$bin/bench-launch" "$@")
}

median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

start_to_first_frame() {
    local runs_game=() runs_floor=() i
    for ((i = 0; i < start_runs; i++)); do
        launch floor 1 -- "$bin/bench-floor-window" -w 1024 -h 768
        runs_floor+=("${VALUE[floor.first_frame_s]}")
        launch game 1 -- "$bin/quorvel" -w 1024 -h 768
        runs_game+=("${VALUE[game.first_frame_s]}")
    done
    VALUE[start.game]=$(median "${runs_game[@]}")
    VALUE[start.floor]=$(median "${runs_floor[@]}")
}

main_menu() {
    local size="$1" width="${1%x*}" height="${1#*x}"
    launch "menu$size" "$menu_frames" --cpu-window "$idle_from" "$idle_seconds" -- \
        "$bin/quorvel" -w "$width" -h "$height"
    launch "floor$size" "$menu_frames" --cpu-window "$idle_from" "$idle_seconds" -- \
        "$bin/bench-floor-window" -w "$width" -h "$height"
}

# A new game started by the menu itself (QUORVEL_BENCH_GAME), at both sizes;
# its board's frame has two floors at the same size: the bare window of
# main_menu (the empty scene) and the bare window drawing one textured,
# depth-tested layer over the whole window (the least a textured 3D scene
# costs).
running_game() {
    local size="$1" width="${1%x*}" height="${1#*x}"
    launch "game$size" "$game_frames" -- env QUORVEL_BENCH_GAME=1 "$bin/quorvel" -w "$width" -h "$height"
    local runs=() i
    for ((i = 0; i < layer_runs; i++)); do
        launch "layer$size" "$layer_frames" -- "$bin/bench-floor-window" -w "$width" -h "$height" --textured-layer
        runs+=("${VALUE[layer$size.frame_s]}")
    done
    VALUE[layer$size.frame_s]=$(median "${runs[@]}")
}

# The in-game load against reading the same archive once, median of three.
load_floor() {
    local runs=() i
    for ((i = 0; i < 3; i++)); do
        launch loadfloor 0 -- "$bin/bench-load-floor" "$build/Resources"
        runs+=("${VALUE[loadfloor.load_floor_s]}")
    done
    VALUE[load.floor]=$(median "${runs[@]}")
}

rules_games() {
    # 30 whole games of computer players a pass, through the rules fixture.
    local passes=20
    launch rules 0 -- "$build/tests/test_qrvl_rules" --gtest_filter=WholeGame.ManySeedsFinish \
        --gtest_repeat=$passes --gtest_brief=1
    VALUE[rules.games]=$((30 * passes))
}

measure() {
    start_to_first_frame
    main_menu 1024x768
    main_menu 1920x1080
    running_game 1024x768
    running_game 1920x1080
    load_floor
    launch quads 0 -- "$bin/bench-quads" -w 1024 -h 768
    # The peer engine, when Debian's love is installed.
    if command -v love >/dev/null; then
        launch quads 0 -- love "$QUORVEL_ROOT/bench/love-quads"
    fi
    launch scene 0 -- "$bin/bench-scene" "$build/board"
    rules_games
}

milliseconds() { awk -v s="$1" 'BEGIN { printf "%.2f", s * 1000 }'; }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }'; }

row() { printf '| %s | %s | %s | %s |\n' "$1" "$2" "$3" "${4:-$(ratio "$2" "$3")}"; }

print_table() {
    echo "| Measure | Quorvel | Floor | Ratio |"
    echo "|---|---|---|---|"
    row "Start to first frame, 1024x768 (s, median of $start_runs)" "${VALUE[start.game]}" "${VALUE[start.floor]}"
    local size
    for size in 1024x768 1920x1080; do
        row "Main menu $size, peak resident (MiB)" "${VALUE[menu$size.peak_rss_mib]}" "${VALUE[floor$size.peak_rss_mib]}"
        row "Main menu $size, steady resident (MiB)" "${VALUE[menu$size.steady_rss_mib]}" "${VALUE[floor$size.steady_rss_mib]}"
        row "  of which heap and other private memory (MiB)" "${VALUE[menu$size.anon_mib]}" "${VALUE[floor$size.anon_mib]}"
        row "  of which program, libraries and mapped files (MiB)" "${VALUE[menu$size.file_mib]}" "${VALUE[floor$size.file_mib]}"
        row "  2D textures at the end, as given to OpenGL (MiB)" "${VALUE[menu$size.textures_mib]}" "-" "-"
        row "  Lua, all scripts at the end (MiB)" "${VALUE[menu$size.lua_mib]}" "-" "-"
        row "Idle main menu $size, one core over ${idle_seconds} s (%)" "${VALUE[menu$size.cpu_window_pct]}" "${VALUE[floor$size.cpu_window_pct]}"
    done
    for size in 1024x768 1920x1080; do
        row "Running game $size, peak resident (MiB)" "${VALUE[game$size.peak_rss_mib]}" "${VALUE[floor$size.peak_rss_mib]}"
        row "Running game $size, steady resident (MiB)" "${VALUE[game$size.steady_rss_mib]}" "${VALUE[floor$size.steady_rss_mib]}"
        row "  of which heap and other private memory (MiB)" "${VALUE[game$size.anon_mib]}" "${VALUE[floor$size.anon_mib]}"
        row "  of which program, libraries and mapped files (MiB)" "${VALUE[game$size.file_mib]}" "${VALUE[floor$size.file_mib]}"
        row "  2D textures at the end, as given to OpenGL (MiB)" "${VALUE[game$size.textures_mib]}" "-" "-"
        row "  Lua, all scripts at the end (MiB)" "${VALUE[game$size.lua_mib]}" "-" "-"
        row "Board frame, $size (ms to make; floor: the empty scene of the bare window)" \
            "$(milliseconds "${VALUE[game$size.frame_s]}")" "$(milliseconds "${VALUE[floor$size.frame_s]}")"
        row "Board frame, $size (ms to make; floor: the bare window drawing one textured layer, median of $layer_runs)" \
            "$(milliseconds "${VALUE[game$size.frame_s]}")" "$(milliseconds "${VALUE[layer$size.frame_s]}")"
    done
    row "In-game load, 1024x768 (s; floor: reading board.pak once and parsing its models)" \
        "${VALUE[game1024x768.game_load_s]}" "${VALUE[load.floor]}"
    local sprite
    for sprite in 8 32; do
        row "2D quads per second, ${sprite} px sprites (floor: raw OpenGL, one vertex buffer)" \
            "${VALUE[quads.quads_engine_$sprite]}" "${VALUE[quads.quads_raw_$sprite]}"
        row "2D quads per second, ${sprite} px sprites (peer: LÖVE, the same sprites drawn one by one)" \
            "${VALUE[quads.quads_engine_$sprite]}" "${VALUE[quads.quads_love_$sprite]:--}"
    done
    local per_second
    per_second=$(awk -v g="${VALUE[rules.games]}" -v s="${VALUE[rules.cpu_total_s]}" 'BEGIN { printf "%.0f", g / s }')
    row "Whole rules games per CPU-second (rules fixture)" "$per_second" "-" "-"
    row "Board scene, six full cars, triangles (floor: the budget)" "${VALUE[scene.triangles]}" 100000
    row "Board scene, six full cars, draw calls (floor: the budget)" "${VALUE[scene.draw_calls]}" 350
    cat <<'NOTES'

The running game is a new game the menu starts by itself; its board is
measured over the last frames of the run. Steady memory is what the game and
the bare window each hold at their last frame, as they report it themselves
before their teardown. The peer engine, LÖVE (Debian's love), is run only
where it is installed; without it its rows show "-".
NOTES
}

measure_and_print() {
    measure
    print_table
}
quorvel_with_display measure_and_print
