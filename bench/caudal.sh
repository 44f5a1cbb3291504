#!/usr/bin/env bash
# Times `tarvel-cli peak tr55 --csv` on a generated file of catchments and
# storms (10^6 rows by default) against the same arithmetic in numpy
# (bench/caudal_numpy.py, Debian's python3-numpy: scripts/setup --bench),
# checks that every row came out with a peak and that both agree, and
# reports wall and processor times and peak memory.
#   bench/caudal.sh PATH/TO/tarvel-cli [ROWS] [REPETITIONS]
set -euo pipefail
cli=$1
filas=${2:-1000000}
repeticiones=${3:-3}
py=/usr/bin/python3
aqui=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# An ID, then an area, a curve number, a 24-hour storm, a Tc, a distribution
# and a pond share, over the ranges TR-55 is used in (and a little beyond).
awk -v n="$filas" 'BEGIN {
    srand(1); split("I IA II III", d, " "); print "id,area_km2,cn,storm_mm,tc_h,distribution,ponds_percent"
    for (i = 0; i < n; i++)
        printf "C%d,%.4f,%.1f,%.1f,%.3f,%s,%.1f\n", i, 0.01 + rand() * 8, 40 + rand() * 58, 20 + rand() * 280,
               0.1 + rand() * 9.9, d[int(rand() * 4) + 1], rand() < 0.8 ? 0 : rand() * 6
}' > "$work/entrada.csv"

# Wall, user and system seconds and peak memory (MB) of a command, stdout discarded: the run of median wall time.
medir() {
    local i
    for ((i = 0; i < repeticiones; i++)); do
        /usr/bin/time -o "$work/t" -f "%e %U %S %M" "$@" > /dev/null 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
        cat "$work/t"
    done | sort -n | awk '{ l[NR] = $0 } END { split(l[int((NR + 1) / 2)], c, " "); printf "%s %s %s %.1f", c[1], c[2], c[3], c[4] / 1024 }'
}

"$cli" --lang en peak tr55 --csv "$work/entrada.csv" > "$work/tarvel.csv"
salida=$(awk -F, 'NR > 1 { n++; if ($8 == "" || $NF != "") bad++ } END { print n, bad + 0 }' "$work/tarvel.csv")
[ "$salida" = "$filas 0" ] || { echo "rows out, rows without a peak: $salida (expected $filas 0)" >&2; exit 1; }
"$py" "$aqui/caudal_numpy.py" "$work/entrada.csv" "$work/numpy.csv" 2>"$work/pasos"
diferencia=$("$py" "$aqui/caudal_numpy.py" --compare "$work/numpy.csv" "$work/tarvel.csv")
cat "$work/entrada.csv" > /dev/null  # in the page cache for both

echo "rows: $filas ($(stat -c %s "$work/entrada.csv") bytes in); largest relative difference of the peaks: $diferencia"
printf '%-44s %9s %9s %9s %10s\n' "" "wall (s)" "user (s)" "sys (s)" "peak (MB)"
read -r w u s m <<<"$(medir "$cli" --lang en peak tr55 --csv "$work/entrada.csv")"
printf '%-44s %9s %9s %9s %10s\n' "tarvel-cli peak tr55 --csv" "$w" "$u" "$s" "$m"
read -r w u s m <<<"$(medir "$py" "$aqui/caudal_numpy.py" "$work/entrada.csv" "$work/numpy.csv")"
printf '%-44s %9s %9s %9s %10s\n' "numpy: loadtxt, the arithmetic, savetxt" "$w" "$u" "$s" "$m"
echo "numpy's own steps (s), last run: $(<"$work/err")"
