#!/usr/bin/env bash
# tarvel-cli raster as a user runs it, on small ASCII grids: the command is
# handed over to tarvel-cli-raster beside it with the same arguments, so the
# help, the language, the output and the exit status are the same whichever
# of the two is called; and its JSON report survives file names that are not
# UTF-8.
#   test_raster.sh PATH/TO/tarvel-cli PATH/TO/tarvel-cli-raster
set -u
cli=$(realpath "$1")
mapas=$(realpath "$2")
[ "$mapas" = "$(dirname "$cli")/tarvel-cli-raster" ] || { echo "tarvel-cli-raster is not beside tarvel-cli"; exit 1; }
failed=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
cd "$work" || exit 1

fail() { failed=$((failed + 1)); printf 'FAIL %s\n' "$*"; }

grid() {  # grid FILE NODATA ROWS...: a 5 x 4 grid of 30 m cells
    local file=$1 nodata=$2
    shift 2
    printf 'ncols 5\nnrows 4\nxllcorner 500000\nyllcorner 4200000\ncellsize 30\nNODATA_value %s\n' "$nodata" > "$file"
    printf '%s\n' "$@" >> "$file"
}
grid lc.asc 0 "1 2 3 1 2" "3 1 2 3 0" "1 1 1 1 1" "2 2 2 2 2"
grid hsg.asc 255 "1 2 3 4 11" "1 2 3 4 255" "9 1 1 1 1" "2 2 2 2 2"
printf 'code,row\n1,9\n2,43\n' > map.csv
args=(--landcover lc.asc --soil hsg.asc --map map.csv)
entradas=$(IFS='|'; echo "${args[*]}")

# The same arguments give the same output, messages and status through
# tarvel-cli as from the map program itself, in both languages.
while IFS='~' read -r status line; do
    IFS='|' read -r -a argv <<<"$line"
    rm -f cn.tif
    a=$("$cli" "${argv[@]}" 2>"$work/err-a")
    sa=$?
    rm -f cn.tif
    b=$("$mapas" "${argv[@]}" 2>"$work/err-b")
    sb=$?
    [ "$sa" = "$status" ] && [ "$sb" = "$status" ] && [ "$a" = "$b" ] && cmp -s "$work/err-a" "$work/err-b" ||
        fail "${argv[*]}: status $sa/$sb, stdout [$a]/[$b], stderr [$(<"$work/err-a")]/[$(<"$work/err-b")]"
done <<EOF
0~--lang|en|raster|$entradas|--out|cn.tif
0~raster|$entradas|--out|cn.tif|--json
1~--lang|es|raster|$entradas|--out|cn.tif|--condition|IV
2~--lang|en|raster|--landcover|lc.asc
0~--lang|en|raster|--help
0~--version
EOF
out=$("$cli" --lang en raster "${args[@]}" --out cn.tif)
[[ $out == "cn.tif: 20 cells, 15 with a curve number, 5 left empty."* ]] || fail "report: [$out]"
[[ $("$cli" --lang es raster --landcover lc.asc 2>&1) == "Falta el argumento --soil."* ]] ||
    fail "the language of the run is not handed over"
[[ $("$cli" --lang en raster --help) == *"--landcover-band N"*"--soil-band N"* ]] || fail "raster --help"

# A file name that is not UTF-8 (Windows-1252 "ñ") is written into the JSON
# report as the character it stands for, and the map is written under the
# name given, byte for byte.
nombre=$(printf 'cn-Pe\xf1as.tif')
out=$("$cli" --json raster "${args[@]}" --out "$nombre" --threshold "$(printf 'p0-\xe1.tif')" 2>&1)
status=$?
[ $status = 0 ] && [[ $out == '{"out":"cn-Peñas.tif","threshold":"p0-á.tif","cells":20,'* ]] ||
    fail "--json with names that are not UTF-8: status $status, [$out]"
[ -f "$nombre" ] || fail "the map was not written under its name"

[ "$failed" -eq 0 ] && echo "tarvel-cli raster: every check passed"
[ "$failed" -eq 0 ]
