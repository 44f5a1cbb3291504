#!/usr/bin/env bash
# The composite of a catchment's sub-areas from a CSV file against the same
# arithmetic in pandas (bench/compuesto_pandas.py: read, compute, write), on
# generated files of 10^6 and 3·10^6 rows (name, area, cn), with a 50 mm storm
# under both ratios. Four forms of tarvel-cli (a file; the same file on
# standard input, read in place; through a pipe, which it copies to a
# temporary file to read it twice; --json) and pandas run REPETITIONS times,
# alternating. Wall, user and system times are medians, peak memory the
# largest maximum resident set /usr/bin/time -v saw; "pandas÷" says how many
# times as long pandas took, in wall time and in processor time (user +
# system). The summaries of tarvel-cli and pandas are compared line by line.
# Everything generated is removed at the end.
#   bench/compuesto.sh PATH/TO/tarvel-cli [REPETITIONS] [ROWS...]
set -euo pipefail
cli=$(realpath "$1")
repeticiones=${2:-5}
shift $(($# >= 2 ? 2 : $#))
filas=("$@")
[ ${#filas[@]} -gt 0 ] || filas=(1000000 3000000)
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup" --bench
py=/usr/bin/python3
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvel-compuesto-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8

# Sub-areas as a GIS export gives them: an ID, an area in ha with two
# decimals, a curve number with one.
generar() {
    awk -v n="$1" 'BEGIN {
        srand(1); print "name,area,cn"
        for (i = 0; i < n; i++) printf "S%d,%.2f,%.1f\n", i, 0.01 + rand() * 100, 30 + rand() * 68
    }' > "$2"
}

# One run: "wall user system peak_kB", the output to $work/out.
una() {
    /usr/bin/time -v -o "$work/tiempo" "$@" > "$work/out"
    awk -F': ' '
        /Elapsed \(wall clock\)/ { n = split($2, t, ":"); pared = t[n] + (n > 1 ? 60 * t[n - 1] : 0) + (n > 2 ? 3600 * t[n - 2] : 0) }
        /User time/ { u = $2 } /System time/ { s = $2 } /Maximum resident set size/ { m = $2 }
        END { print pared, u, s, m }' "$work/tiempo"
}

mediana() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

printf '%-9s %-26s %9s %9s %9s %11s %14s %14s\n' rows form "wall (s)" "user (s)" "sys (s)" "peak (MB)" "pandas÷, wall" "pandas÷, cpu"
for n in "${filas[@]}"; do
    archivo="$work/subareas-$n.csv"
    generar "$n" "$archivo"
    formas=(archivo entrada tuberia json pandas)
    declare -A medidas=()
    for ((r = 0; r < repeticiones; r++)); do
        for forma in "${formas[@]}"; do
            case $forma in
                archivo) linea=$(una "$cli" --lang en composite "$archivo" --storm 50 --lambda both) ;;
                entrada) linea=$(una bash -c '"$0" --lang en composite - --storm 50 --lambda both < "$1"' "$cli" "$archivo") ;;
                tuberia) linea=$(una bash -c 'cat "$1" | "$0" --lang en composite - --storm 50 --lambda both' "$cli" "$archivo") ;;
                json) linea=$(una "$cli" --json composite "$archivo" --storm 50 --lambda both) ;;
                pandas) linea=$(una "$py" "$root/bench/compuesto_pandas.py" "$archivo" 50) ;;
            esac
            medidas[$forma]+="$linea"$'\n'
            # Every row out, and the same composite and runoff as pandas.
            if [ "$r" -eq 0 ] && [ "$forma" != json ]; then
                [ "$(wc -l < "$work/out")" -eq $((n + 12)) ] || { echo "$forma: $(wc -l < "$work/out") lines" >&2; exit 1; }
                tail -n 9 "$work/out" > "$work/resumen-$forma"
            fi
        done
    done
    diff "$work/resumen-archivo" "$work/resumen-pandas" >&2 || { echo "tarvel-cli and pandas disagree" >&2; exit 1; }
    pandas=$(printf '%s' "${medidas[pandas]}" | awk '{ print $1 }' | mediana)
    pandasCpu=$(printf '%s' "${medidas[pandas]}" | awk '{ print $2 + $3 }' | mediana)
    for forma in "${formas[@]}"; do
        datos=${medidas[$forma]}
        pared=$(printf '%s' "$datos" | awk '{ print $1 }' | mediana)
        usuario=$(printf '%s' "$datos" | awk '{ print $2 }' | mediana)
        sistema=$(printf '%s' "$datos" | awk '{ print $3 }' | mediana)
        cpu=$(printf '%s' "$datos" | awk '{ print $2 + $3 }' | mediana)
        pico=$(printf '%s' "$datos" | awk '$4 > m { m = $4 } END { print m }')
        case $forma in
            archivo) nombre="tarvel-cli, file" ;;
            entrada) nombre="tarvel-cli, < file" ;;
            tuberia) nombre="tarvel-cli, cat file |" ;;
            json) nombre="tarvel-cli --json, file" ;;
            pandas) nombre="pandas (python3)" ;;
        esac
        awk -v n="$n" -v f="$nombre" -v w="$pared" -v u="$usuario" -v s="$sistema" -v m="$pico" -v p="$pandas" \
            -v c="$cpu" -v pc="$pandasCpu" \
            'BEGIN { printf "%-9d %-26s %9.2f %9.2f %9.2f %11.1f %14.2f %14.2f\n", n, f, w, u, s, m / 1024, p / w, pc / c }'
    done
    unset medidas
done
