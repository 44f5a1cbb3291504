#!/usr/bin/env bash
# Times the batch soil classification on generated files of 10^5 and 10^6
# rows against `wc -l` on the same file (the floor no CSV reader can beat),
# checks that every row came out, and reports the processor time (user +
# system) and the peak memory of the batch. With OTHER, another build's
# tarvel-cli (the one before the map command, say) runs the 10^6 rows too,
# alternating with this one, and the two processor times are compared.
#   bench/lote.sh PATH/TO/tarvel-cli [REPETITIONS] [OTHER]
set -euo pipefail
cli=$1
repeticiones=${2:-9}
otro=${3:-}
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

# Median processor time in seconds (user + system) of a command over the repetitions.
procesador() {
    local tiempos=()
    for ((i = 0; i < repeticiones; i++)); do
        tiempos+=("$( { TIMEFORMAT='%3U %3S'; time "$@" > /dev/null 2>&1; } 2>&1 | awk '{ print $1 + $2 }')")
    done
    printf '%s\n' "${tiempos[@]}" | sort -g | awk '{ t[NR] = $1 } END { printf "%.3f", t[int((NR + 1) / 2)] }'
}

printf '%-9s %10s %12s %14s %10s %8s %9s %10s\n' rows bytes "batch (s)" "rows/s" "wc -l (s)" ratio "cpu (s)" "peak (MB)"
for filas in 100000 1000000; do
    archivo="$work/samples-$filas.csv"
    generar "$filas" "$archivo"
    # Every row accounted for, none rejected.
    salida=$("$cli" --lang en soil texture --csv "$archivo" | awk -F, 'NR > 1 && $NF != "" { bad++ } END { print NR - 1, bad + 0 }')
    [ "$salida" = "$filas 0" ] || { echo "rows out, rows rejected: $salida (expected $filas 0)" >&2; exit 1; }
    cat "$archivo" > /dev/null  # in the page cache for both
    lote=$(mediana "$cli" --lang en soil texture --csv "$archivo")
    wc=$(mediana wc -l "$archivo")
    cpu=$(procesador "$cli" --lang en soil texture --csv "$archivo")
    pico=$(/usr/bin/time -f %M "$cli" --lang en soil texture --csv "$archivo" 2>&1 >/dev/null | tail -1)
    awk -v f="$filas" -v b="$(stat -c %s "$archivo")" -v l="$lote" -v w="$wc" -v c="$cpu" -v p="$pico" \
        'BEGIN { printf "%-9d %10d %12.3f %14.0f %10.4f %8.1f %9.3f %10.1f\n", f, b, l, f / l, w, l / w, c, p / 1024 }'
done

if [ -n "$otro" ]; then
    # Alternating, so that a busy moment of the machine weighs on both alike.
    este=() aquel=()
    for ((r = 0; r < repeticiones; r++)); do
        este+=("$(repeticiones=1 procesador "$cli" --lang en soil texture --csv "$archivo")")
        aquel+=("$(repeticiones=1 procesador "$otro" --lang en soil texture --csv "$archivo")")
    done
    m1=$(printf '%s\n' "${este[@]}" | sort -g | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }')
    m2=$(printf '%s\n' "${aquel[@]}" | sort -g | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }')
    echo "10^6 rows, processor time, medians of $repeticiones alternating runs: this build $m1 s, $otro $m2 s" \
         "(ratio $(awk -v a="$m1" -v b="$m2" 'BEGIN { printf "%.2f", a / b }'))"
fi
