#!/usr/bin/env bash
# tesselwick-cli export of a full 256 x 128 map in every format and assembler
# dialect, packed with --rle where the format takes it, against `info` on the
# same map in the same run: nearly all of either is start-up, so the ratio
# shows what the export itself costs. Then the packed sizes of a few maps
# against the raw 32,768 bytes.
#
# Usage: bench/cli_export.sh [build-dir]
# Environment: RUNS (default 15) runs per case; OUT_DIR (default a folder in
# /dev/shm, so the disk is not what is measured).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="${1:-$root/build}"
cli="$build/bin/tesselwick-cli"
runs="${RUNS:-15}"
[[ -x "$cli" ]] || { echo "build tesselwick-cli first: $cli" >&2; exit 2; }

work=$(mktemp -d "${OUT_DIR:-/dev/shm}/tesselwick-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# make_map <name> <awk expression of c and r>: a full map from a CSV.
make_map() {
    awk -v expr="$2" 'BEGIN { srand(7); for (r = 0; r < 128; r++) { line = "";
        for (c = 0; c < 256; c++) {
            if (expr == "scattered") v = (c * 7 + r * 13 + (c * r) % 5) % 256
            else if (expr == "level") v = (r % 25 < 2 || c % 40 == 0) ? 1 : \
                ((int(c / 8) + int(r / 6)) % 9 == 0 ? 64 + (c + r) % 3 : 32)
            else if (expr == "empty") v = 0
            else v = int(rand() * 256)
            line = line (c ? "," : "") v }
        print line } }' > "$work/$1.csv"
    "$cli" import "$work/$1.csv" -o "$work/$1.map"
}
make_map scattered scattered
make_map level level
make_map empty empty
make_map noise noise

now_us() {
    local now=${EPOCHREALTIME/[^0-9]/}
    echo "$((10#$now))"
}

# Sets children_us to the user and system CPU time of all finished child
# processes, in microseconds, from the shell's "times" (in this shell, not a
# subshell, whose children are its own).
children_cpu() {
    times > "$work/times"
    children_us=$(awk 'NR == 2 {
        total = 0
        for (i = 1; i <= 2; i++) { split($i, t, /[ms]/); total += t[1] * 60 + t[2] }
        printf "%d\n", total * 1000000 }' "$work/times")
}

# time_case <label> <command...>: appends "wall-us cpu-us". On a machine
# shared with other work the CPU time shows what the wall time may hide.
time_case() {
    local label=$1
    shift
    local start cpu_before
    children_cpu
    cpu_before=$children_us
    start=$(now_us)
    "$@" >/dev/null 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
    local end
    end=$(now_us)
    children_cpu
    echo "$((end - start)) $((children_us - cpu_before))" >> "$work/$label.times"
}

# median <file> <column>
median() {
    sort -n -k"$2" "$1" | awk -v col="$2" '{ v[NR] = $col } END { print v[int((NR + 1) / 2)] }'
}

cases=("info|info" "csv|export -f csv" "tmx|export -f tmx" "tmj|export -f tmj" "bin --rle|export -f bin --rle"
       "c --rle|export -f c --rle")
for dialect in ca65 64tass acme dasm xa kickass z80 sdas; do
    cases+=("asm $dialect --rle|export -f asm --dialect $dialect --rle")
done
# An RGBDS section holds one 16 KiB ROM bank: the map goes in 32 screens.
cases+=("asm rgbds --rle 32x32|export -f asm --dialect rgbds --rle --screens 32x32")

# Runs alternate between the cases, so all meet the same load on the machine.
for ((i = 0; i < runs; i++)); do
    for entry in "${cases[@]}"; do
        label=${entry%%|*}
        read -ra arguments <<< "${entry#*|}"
        command=("$cli" "${arguments[0]}" "$work/scattered.map" "${arguments[@]:1}")
        [[ ${arguments[0]} == export ]] && command+=(-o "$work/out")
        rm -f "$work"/out*
        time_case "${label// /_}" "${command[@]}"
    done
done
info_us=$(median "$work/info.times" 1)
info_cpu=$(median "$work/info.times" 2)
printf '%-22s %9s %8s %9s %8s\n' "full map, scattered" "wall ms" "x info" "cpu ms" "x info"
for entry in "${cases[@]}"; do
    label=${entry%%|*}
    us=$(median "$work/${label// /_}.times" 1)
    cpu=$(median "$work/${label// /_}.times" 2)
    awk -v name="$label" -v us="$us" -v info="$info_us" -v cpu="$cpu" -v info_cpu="$info_cpu" \
        'BEGIN { printf "%-22s %9.1f %7.2fx %9.1f %7.2fx\n", name, us / 1000, us / info,
                 cpu / 1000, cpu / info_cpu }'
done
echo "(median of $runs runs each, alternating; wall clock and user + system CPU)"

echo
printf '%-34s %8s %8s\n' "packed size (--rle, bin)" bytes "of raw"
for map in empty level scattered noise; do
    for layout in "" "--screens 40x25" "--order columns"; do
        # shellcheck disable=SC2086
        size=$("$cli" export "$work/$map.map" -f bin --rle $layout -o - 2>/dev/null | wc -c)
        awk -v name="$map ${layout:-whole map}" -v size="$size" \
            'BEGIN { printf "%-34s %8d %7.1f%%\n", name, size, size * 100 / 32768 }'
    done
done
echo "(raw: 32768 bytes; with --screens 40x25 the padded screens hold 42000)"
