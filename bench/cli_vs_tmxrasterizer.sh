#!/usr/bin/env bash
# tesselwick-cli render against Tiled's tmxrasterizer, whole processes in the
# same run, on a full 256 x 128 map (the same map exported as TMX for the
# peer): BMP at 100 %, PNG at 100 % and BMP at 200 %. Reports the median
# wall time of several runs, the peak resident memory (GNU time) and
# the file sizes, then 64 maps rendered on all cores against one core.
#
# Usage: bench/cli_vs_tmxrasterizer.sh [build-dir]
# Environment: RUNS (default 7) runs per case; OUT_DIR (default a folder in
# /dev/shm, so the disk is not what is measured; both programs write there).
# Needs tiled (tmxrasterizer) and GNU time, which scripts/setup.sh installs.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="${1:-$root/build}"
cli="$build/bin/tesselwick-cli"
runs="${RUNS:-7}"
gnu_time=/usr/bin/time
[[ -x "$cli" ]] || { echo "build tesselwick-cli first: $cli" >&2; exit 2; }
command -v tmxrasterizer >/dev/null || { echo "tmxrasterizer is missing (package tiled)" >&2; exit 2; }
[[ -x "$gnu_time" ]] || { echo "GNU time is missing (package time)" >&2; exit 2; }

work=$(mktemp -d "${OUT_DIR:-/dev/shm}/tesselwick-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
# tmxrasterizer is a Qt GUI program: no display here.
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work"

# A full map with every tile used, the same every run: cell (c, r) gets
# (c * 7 + r * 13 + (c * r) % 5) mod 256.
awk 'BEGIN { for (r = 0; r < 128; r++) { line = "";
    for (c = 0; c < 256; c++) line = line (c ? "," : "") (c * 7 + r * 13 + (c * r) % 5) % 256;
    print line } }' > "$work/full.csv"
"$cli" import "$work/full.csv" -o "$work/full.map"
"$cli" export "$work/full.map" --format tmx -o "$work/full.tmx"

# Sets children_us to the user and system CPU time of all finished child
# processes, in microseconds (from the shell's "times", in milliseconds). It
# must run in this shell, not in a subshell, whose children are its own.
children_cpu() {
    times > "$work/times"
    children_us=$(awk 'NR == 2 {
        total = 0
        for (i = 1; i <= 2; i++) { split($i, t, /[ms]/); total += t[1] * 60 + t[2] }
        printf "%d\n", total * 1000000 }' "$work/times")
}

# now_us: the wall clock in microseconds, read without starting a process.
now_us() {
    local now=${EPOCHREALTIME/[^0-9]/}
    echo "$((10#$now))"
}

# run_once <label> <command...>: appends "wall-us cpu-us" to $work/<label>.
# The program runs on its own, so its wall time holds no measuring process.
# On a machine shared with other work the CPU time shows what the wall time
# may hide: how much work each program does.
run_once() {
    local label=$1
    shift
    local start end cpu_before
    children_cpu
    cpu_before=$children_us
    start=$(now_us)
    "$@" >/dev/null 2>"$work/$label.err" || { cat "$work/$label.err" >&2; exit 1; }
    end=$(now_us)
    children_cpu
    echo "$((end - start)) $((children_us - cpu_before))" >> "$work/$label"
}

# peak_memory <label> <command...>: appends the command's peak resident
# memory in KiB, from a run under GNU time, to $work/<label>.mem.
peak_memory() {
    local label=$1
    shift
    "$gnu_time" -f '%M' -o "$work/$label.kib" "$@" >/dev/null 2>"$work/$label.err" ||
        { cat "$work/$label.err" >&2; exit 1; }
    cat "$work/$label.kib" >> "$work/$label.mem"
}

# median <file> <column>
median() {
    sort -n -k"$2" "$1" | awk -v col="$2" '{ v[NR] = $col } END { print v[int((NR + 1) / 2)] }'
}

printf '%-10s %9s %9s %8s %9s %9s %8s %9s %9s %10s %10s\n' case "ours ms" "peer ms" \
    speed-up "ours cpu" "peer cpu" "cpu x" "ours KiB" "peer KiB" "ours B" "peer B"
for case in "bmp 100" "png 100" "bmp 200"; do
    read -r format zoom <<< "$case"
    label="${format}-${zoom}"
    ours=("$cli" render "$work/full.map" -o "$work/ours-$label.$format" --zoom "$zoom")
    peer=(tmxrasterizer "$work/full.tmx" "$work/peer-$label.$format")
    [[ $zoom == 200 ]] && peer=(tmxrasterizer --scale 2 --no-smoothing "$work/full.tmx"
        "$work/peer-$label.$format")
    # Alternate the two programs so both meet the same load on the machine.
    for ((i = 0; i < runs; i++)); do
        run_once "ours-$label" "${ours[@]}"
        run_once "peer-$label" "${peer[@]}"
    done
    for ((i = 0; i < 3; i++)); do
        peak_memory "ours-$label" "${ours[@]}"
        peak_memory "peer-$label" "${peer[@]}"
    done
    ours_us=$(median "$work/ours-$label" 1)
    peer_us=$(median "$work/peer-$label" 1)
    awk -v name="$format $zoom%" -v ours="$ours_us" -v peer="$peer_us" \
        -v ours_cpu="$(median "$work/ours-$label" 2)" -v peer_cpu="$(median "$work/peer-$label" 2)" \
        -v ours_kib="$(sort -n "$work/ours-$label.mem" | tail -1)" \
        -v peer_kib="$(sort -n "$work/peer-$label.mem" | tail -1)" \
        -v ours_bytes="$(stat -c %s "$work/ours-$label.$format")" \
        -v peer_bytes="$(stat -c %s "$work/peer-$label.$format")" \
        'BEGIN { printf "%-10s %9.1f %9.1f %7.2fx %9.1f %9.1f %7.2fx %9d %9d %10d %10d\n",
                 name, ours / 1000, peer / 1000, peer / ours, ours_cpu / 1000, peer_cpu / 1000,
                 peer_cpu / ours_cpu, ours_kib, peer_kib, ours_bytes, peer_bytes }'
done
echo "(times: median of $runs runs, wall clock and user + system CPU, in ms; peak resident"
echo " memory in KiB, the largest of 3 more runs under GNU time; file sizes in bytes)"

# 64 maps, all cores against one, same run, as BMP (mostly memory traffic)
# and as PNG (mostly compression). First the machine's own ceiling for work
# that is all memory traffic: 64 bitmaps' worth of bytes written to the
# output folder by dd, by one process and by one process per core.
mkdir -p "$work/many" "$work/pictures"
for ((i = 0; i < 64; i++)); do
    cp "$work/full.map" "$work/many/map$i.map"
done
cores=$(nproc)
for ((i = 0; i < 3; i++)); do
    for jobs in 1 "$cores"; do
        start=$(now_us)
        for ((p = 0; p < jobs; p++)); do
            dd if=/dev/zero of="$work/pictures/dd$p" bs=1M count=$((1536 / jobs)) 2>/dev/null &
        done
        wait
        echo "$(($(now_us) - start))" >> "$work/dd-$jobs"
        rm -f "$work/pictures"/dd*
    done
done
awk -v one="$(median "$work/dd-1" 1)" -v all="$(median "$work/dd-$cores" 1)" -v cores="$cores" \
    'BEGIN { printf "ceiling: 1.5 GiB written by dd, one process %.0f ms, %d processes %.0f ms, " \
             "speed-up %.2fx\n", one / 1000, cores, all / 1000, one / all }'
for format in bmp png; do
    for ((i = 0; i < 3; i++)); do
        for jobs in 1 "$cores"; do
            rm -f "$work/pictures"/*
            run_once "many-$format-$jobs" "$cli" render "$work/many"/*.map -o "$work/pictures" \
                --format "$format" -j "$jobs"
        done
    done
    one=$(median "$work/many-$format-1" 1)
    all=$(median "$work/many-$format-$cores" 1)
    awk -v one="$one" -v all="$all" -v cores="$cores" -v format="$format" 'BEGIN {
        printf "64 maps, %s 100 %%: one core %.0f ms, %d cores %.0f ms, speed-up %.2fx\n",
            toupper(format), one / 1000, cores, all / 1000, one / all }'
done
