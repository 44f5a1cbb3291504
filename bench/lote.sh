#!/usr/bin/env bash
# Times the batch soil classification on generated files of 10^5 and 10^6
# rows against `wc -l` on the same file (the floor no CSV reader can beat),
# checks that every row came out, and reports the peak memory of the batch.
#   bench/lote.sh PATH/TO/tarvel-cli [REPETITIONS]
set -euo pipefail
cli=$1
repeticiones=${2:-9}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# An ID, then clay, silt and sand that add up to 100, as a GIS export gives them.
generar() {
    awk -v n="$1" 'BEGIN {
        srand(1); print "id,clay,silt,sand"
        for (i = 0; i < n; i++) { c = int(rand() * 61); s = int(rand() * (101 - c)); print "P" i "," c "," s "," 100 - c - s }
    }' > "$2"
}

# Median wall time in seconds of a command over the repetitions (stdout discarded).
mediana() {
    local tiempos=() inicio fin
    for ((i = 0; i < repeticiones; i++)); do
        inicio=$(date +%s%N)
        "$@" > /dev/null
        fin=$(date +%s%N)
        tiempos+=($((fin - inicio)))
    done
    printf '%s\n' "${tiempos[@]}" | sort -n | awk '{ t[NR] = $1 } END { printf "%.4f", t[int((NR + 1) / 2)] / 1e9 }'
}

printf '%-9s %10s %12s %14s %10s %8s %10s\n' rows bytes "batch (s)" "rows/s" "wc -l (s)" ratio "peak (MB)"
for filas in 100000 1000000; do
    archivo="$work/samples-$filas.csv"
    generar "$filas" "$archivo"
    # Every row accounted for, none rejected.
    salida=$("$cli" --lang en soil texture --csv "$archivo" | awk -F, 'NR > 1 && $NF != "" { bad++ } END { print NR - 1, bad + 0 }')
    [ "$salida" = "$filas 0" ] || { echo "rows out, rows rejected: $salida (expected $filas 0)" >&2; exit 1; }
    cat "$archivo" > /dev/null  # in the page cache for both
    lote=$(mediana "$cli" --lang en soil texture --csv "$archivo")
    wc=$(mediana wc -l "$archivo")
    pico=$(/usr/bin/time -f %M "$cli" --lang en soil texture --csv "$archivo" 2>&1 >/dev/null | tail -1)
    awk -v f="$filas" -v b="$(stat -c %s "$archivo")" -v l="$lote" -v w="$wc" -v p="$pico" \
        'BEGIN { printf "%-9d %10d %12.3f %14.0f %10.4f %8.1f %10.1f\n", f, b, l, f / l, w, l / w, p / 1024 }'
done
