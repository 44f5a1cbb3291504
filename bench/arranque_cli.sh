#!/usr/bin/env bash
# The companion's start-up and memory. Every command but the maps is timed
# with hyperfine against cli_vacio, a bare C++ program that links what
# tarvel-cli links and does nothing (aim: 1.5 times its time or less), in
# ROUNDS short rounds that each run every program RUNS times, each round
# starting one program further down the list (the median of the rounds'
# medians, so that a busy moment of the machine weighs on all alike); then
# each one's peak memory (maximum resident set, /usr/bin/time -v; aim:
# under 15 MB) and the shared libraries it loads. With OTHER, another
# build's tarvel-cli (the one before the map command, say) is measured beside
# it on the commands both have.
#   bench/arranque_cli.sh BIN_DIR [OTHER_TARVEL_CLI] [RUNS] [ROUNDS]
set -euo pipefail
bin=$(realpath "$1")
otro=${2:+$(realpath "$2")}
runs=${3:-20}
rounds=${4:-15}
command -v hyperfine >/dev/null || { echo "hyperfine is missing: scripts/setup --bench installs it" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# No stored setting: Spanish, as a fresh machine.
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME"

# Name, then the command line; commands in the other build only where it has them.
casos=(
    "bare program|$bin/cli_vacio"
    "runoff 85 50|$bin/tarvel-cli runoff 85 50"
    "lookup 43 A|$bin/tarvel-cli lookup 43 A"
    "soil texture|$bin/tarvel-cli soil texture 20 40 40"
    "series --years 10|$bin/tarvel-cli series 85 70 --years 10"
    "--version|$bin/tarvel-cli --version"
)
if [ -n "$otro" ]; then
    casos+=("other: lookup 43 A|$otro lookup 43 A" "other: soil texture|$otro soil texture 20 40 40")
fi

ordenes=()
for caso in "${casos[@]}"; do ordenes+=("${caso#*|}"); done
n=${#ordenes[@]}
for ((r = 0; r < rounds; r++)); do
    ronda=("${ordenes[@]:r % n}" "${ordenes[@]:0:r % n}")
    hyperfine -N --style none --warmup 5 --runs "$runs" --export-json "$work/ronda-$r.json" "${ronda[@]}" \
        >/dev/null 2>"$work/avisos"
done

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg); $rounds rounds of $runs runs each"
printf '%-22s %12s %9s %10s %10s\n' "" "median (ms)" "ratio" "peak (MB)" "libraries"
for caso in "${casos[@]}"; do
    nombre=${caso%%|*}
    orden=${caso#*|}
    mediana=$(python3 - "$work" "$rounds" "$orden" <<'EOF'
import json, statistics, sys
carpeta, rondas, orden = sys.argv[1], int(sys.argv[2]), sys.argv[3]
medianas = [r["median"] for k in range(rondas) for r in json.load(open(f"{carpeta}/ronda-{k}.json"))["results"]
            if r["command"] == orden]
print(statistics.median(medianas) * 1000)
EOF
)
    [ -z "${base:-}" ] && base=$mediana
    read -r -a argv <<<"$orden"
    pico=$(/usr/bin/time -v "${argv[@]}" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ { print $2 }')
    bibliotecas=$(ldd "${argv[0]}" | wc -l)
    awk -v n="$nombre" -v m="$mediana" -v b="$base" -v p="$pico" -v l="$bibliotecas" \
        'BEGIN { printf "%-22s %12.2f %9.2f %10.1f %10d\n", n, m, m / b, p / 1024, l }'
done
echo "tarvel-cli-raster, which only 'tarvel-cli raster' runs: $(ldd "$bin/tarvel-cli-raster" | wc -l) libraries"
