#!/usr/bin/env bash
# tarvel-cli as a user runs it: how its arguments are read, its exit statuses,
# the language of its messages, output that cannot be written, a broken data
# file beside it, and its two forms answering the same values alike.
set -u
cli=$1
failed=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"

fail() { failed=$((failed + 1)); printf 'FAIL %s\n' "$*"; }

t() {  # t STATUS STDOUT STDERR_REGEX COMMAND...: the command gives exactly this
    local status=$1 out=$2 err=$3 got s
    shift 3
    got=$("$@" 2>"$work/err")
    s=$?
    [ "$s" = "$status" ] && [ "$got" = "$out" ] && [[ "$(<"$work/err")" =~ $err ]] ||
        fail "$*: status $s, stdout [$got], stderr [$(<"$work/err")]"
}

# STATUS~STDOUT~STDERR_REGEX~ARGUMENTS separated by "|".
while IFS='~' read -r status out err args; do
    IFS='|' read -r -a argv <<<"$args"
    t "$status" "$out" "$err" "$cli" "${argv[@]}"
done <<'EOF'
0~30≤~^$~lookup|43|A
0~82~^$~lookup| 9 |c
0~{"row":43,"group":"A","text":"30≤","missing":false}~^$~--json|lookup|+43|a
1~~^Error in input data\. row = “0x2B”: it must be a whole number from 1 to 72\.$~--lang|en|lookup|0x2B|A
1~~^Error en los datos introducidos\. clay = «2,0»: la marca decimal es el punto «\.»; la coma no se admite\.$~soil|texture|2,0|40|40
1~~^Error in input data\. clay = “33,34”: the decimal mark is~--lang|en|soil|texture|33,34|33,33|33,33
1~~nac = «85,5»: la marca decimal~series|85,5|70
1~~row = «43,0»: la marca decimal~lookup|43,0|A
1~~class = «-1»: debe ser un número entero de 0 a 3\.$~soil|rate|-1
1~~clay = «-20»: debe ser un porcentaje~soil|texture|-20|40|40
1~~compactness = «4»: debe ser F, 1, 2 o 3\.$~forest|5|5|4
1~~litter = «-1»: debe ser un espesor~forest|-1|5|2
1~~vegetation = «99»: debe ser un número entero de 0 a 18\.$~cn|99|4|1|C
1~~^Error en los datos introducidos\. Las tablas no tienen ninguna fila para la vegetación 1, el laboreo 0 y la condición 1\.$~cn|1|0|1|C
1~~^NOB debe ser >0 y <=100$~series|85|abc
1~~^NOS must be >0 and <=100$~--lang|en|series|85|100.5
1~~^NCS must be >0 and <=100$~--lang|en|series|0|70
1~~nob = «70,5»: la marca decimal es el punto~series|85|70,5
1~~^Lapso de tiempo incorrecto\. years = «2\.5»: debe ser un número entero de 2 a 32767\.$~series|85|70|--years|2.5
1~~^No se puede abrir «/nonexistent»: no existe\.$~series|--csv|/nonexistent
2~~^Unknown command “foo”; the commands are: lookup, soil, forest, series, cn, ~--lang|en|foo
2~~^Orden desconocida «rat»; las órdenes son: rate, texture\.~soil|rat|1
2~~^Falta la orden~
2~~^Unexpected argument “B”\.~--lang|en|lookup|1|A|B
2~~^Falta el argumento NOB\.~series|85
2~~^--lang admite es, en, no «fr»\.~--lang|fr|lookup|1|A
2~~^La opción --years necesita un valor\.~series|85|70|--years
2~~^CLAY y --csv no se pueden usar juntos\.~soil|texture|20|40|40|--csv|-
2~~^--json and --csv cannot be used together\.~--lang|en|--json|cn|--csv|-
0~9 82~^$~cn|1|4|1|C
0~{"row":54,"group":"D","text":"61","missing":false}~^$~--json|cn|10|-1|5|D
0~B~^$~soil|rate|1
0~{"group":"C"}~^$~--json|soil|texture|33.3|33.3|33.4
0~{"class":"V","R":5.045000000000001}~^$~forest|5|5|2|--after-compaction|--json
0~{"nac":[70.41420118343196,85.0,92.87410926365796],"pac":[21.344537815126053,8.964705882352941,3.897698209718676],"nob":[49.4949494949495,70.0,84.29319371727748],"pob":[51.83673469387754,21.771428571428572,9.465838509316777],"cells":[["1","70.4","21.3","","49.5","51.8"],["2","85.0","9.0","","70.0","21.8"],["3","92.9","3.9","","84.3","9.5"]],"years":10,"annual":1.5,"annual_text":"1.50"}~^$~--json|series|85|70|--years|10
EOF

tab=$'\t'
t 0 "Condition(J)${tab}NCS(J)${tab}PCS(J)${tab}${tab}NOS(J)${tab}POS(J)
1${tab}70.4${tab}21.3${tab}${tab}49.5${tab}51.8
2${tab}85.0${tab}9.0${tab}${tab}70.0${tab}21.8
3${tab}92.9${tab}3.9${tab}${tab}84.3${tab}9.5
Considered time interval: 10 years. ΔN/Δt = 1.50" "^$" "$cli" --lang en series 85 70 --years 10
[[ $("$cli" --version) =~ ^tarvel-cli\ [0-9.]+$ ]] || fail "--version"
[[ $("$cli" --help) == *"Exit status: 0 done; 1 a value refused"*'a number with a comma is refused'*'";"'* ]] ||
    fail "--help states the exit statuses and the decimal-comma rule"
t 0 $'clay;silt;sand;group;error\n2,5;40;57,5;B;' "^$" bash -c 'printf "clay;silt;sand\n2,5;40;57,5\n" | "$0" soil texture --csv -' "$cli"
t 1 $'clay,silt,sand,group,error\n20,40,40,C,' "record 3 \(line 3\) is never closed" \
    bash -c 'printf "clay,silt,sand\n20,40,40\n\"20,40,40\n10,10,80\n" | "$0" --lang en soil texture --csv -' "$cli"

# A write that fails, at once or half-way through a batch, is no success.
for i in $(seq 30000); do echo "$i,20,40,40"; done | sed '1i id,clay,silt,sand' > "$work/big.csv"
for args in "lookup 43 A" "soil texture --csv $work/big.csv" "--help"; do
    t 1 "" "^Cannot write the output: no space left on the device\.$" bash -c '"$0" --lang en $1 > /dev/full' "$cli" "$args"
    t 1 "" "^No se puede escribir la salida: la salida está cerrada\.$" bash -c '"$0" $1 >&-' "$cli" "$args"
done

# The language: the stored setting, then --lang over it.
mkdir -p "$XDG_CONFIG_HOME/Tarvel"
printf '[Options]\nLanguage=English\n' > "$XDG_CONFIG_HOME/Tarvel/Tarvel.ini"
t 1 "" "^Error in input data\. group = “E”: it must be A, B, C or D\.$" "$cli" lookup 1 E
t 2 "" "^The argument GROUP is missing\." "$cli" lookup 1
t 1 "" "^Error en los datos introducidos\. group = «E»" "$cli" --lang es lookup 1 E

# A batch answers each row as the single-value form answers its values.
ident() { cat; }
campos() { tr ' ' ','; }
celdas() { awk -F'\t' 'NR > 1 && NR < 5 { printf "%s%s,%s,%s,%s", s, $2, $3, $5, $6; s = "," }'; }
agree() {  # agree PROGRAM HEADER FILTER COMMAND... -- ROWS (values separated by "|")
    local bin=$1 header=$2 filter=$3 cmd=() row line out i=1
    shift 3
    while [ "$1" != "--" ]; do cmd+=("$1"); shift; done
    shift
    { echo "$header"; for row in "$@"; do echo "\"${row//|/\",\"}\""; done; } > "$work/batch.csv"
    "$bin" "${cmd[@]}" --csv "$work/batch.csv" > "$work/batch.out" || fail "batch ${cmd[*]}: status $?"
    for row in "$@"; do
        i=$((i + 1))
        line=$(sed -n "${i}p" "$work/batch.out")
        IFS='|' read -r -a values <<<"$row"
        if out=$("$bin" "${cmd[@]}" -- "${values[@]}" 2>"$work/err"); then
            [[ $line == *",$(printf '%s' "$out" | $filter),"* && $line == *, ]]
        else
            [[ $line == *",$(<"$work/err")" || $line == *",\"$(<"$work/err")\"" ]]
        fi || fail "${cmd[*]} [$row]: batch [$line], single [$out$(<"$work/err")]"
    done
}
agree "$cli" clay,silt,sand ident soil texture -- "20|40|40" "2,0|40|40" "33,34|33,33|33,33" "33.33|33.33|33.33" \
    "-20|40|40" " 10 | 5 |85" "4e38|0|0" "|40|60"
agree "$cli" litter,humus,compactness ident --lang es forest -- "5|5|2" "-1|5|2" "5|5|4" "2,5|5|2" "5|1e1|2" "0|0|f"
agree "$cli" nac,nob celdas series -- "85|70" "85,5|70" "abc|70" "85|85" "1,000|70"
agree "$cli" vegetation,treatment,condition,group campos cn -- "1|4|1|C" "99|4|1|C" "1|0|1|C" "0x2B|4|1|C" \
    "10|-1|5|D" " 1 |4|1|c" "+1|4|1|C" "1.0|4|1|C" "1|4|1|E"

# Beside a data file with "xx" in row 5, both forms answer from every other
# row and name the file, the line and the fault for row 5 (cn 1 2 1).
mkdir "$work/bin"
cp "$cli" "$work/bin/"
broken="$work/bin/$(basename "$cli")"
{ head -c 52 "$(dirname "$cli")/Datos.dat"; printf 'xx'; tail -c +55 "$(dirname "$cli")/Datos.dat"; } > "$work/bin/Datos.dat"
t 0 "9 82" "^$" "$broken" cn 1 4 1 C
t 1 "" "^Data file “$work/bin/Datos\.dat”, line 5, group A: “xx” is not a curve number" "$broken" lookup 5 A
agree "$broken" vegetation,treatment,condition,group campos --lang en cn -- "1|2|1|A" "1|4|1|C" "1|2|1|D" "10|-1|5|D"

# Cases read from standard input, one a line: the arguments and the lines
# the English output must hold, split by '|', the two parts by '~'.
lines_hold() {
    while IFS='~' read -r args lines; do
        IFS='|' read -r -a argv <<<"$args"
        out=$("$cli" --lang en "${argv[@]}" 2>"$work/err") || fail "${argv[*]}: status $?, $(<"$work/err")"
        IFS='|' read -r -a wanted <<<"$lines"
        for line in "${wanted[@]}"; do
            grep -qxF -- "$(printf '%b' "$line")" <<<"$out" || fail "${argv[*]}: no line [$line] in [$out]"
        done
    done
}

# Runoff, the path and the composite: each case's output holds these lines
# (\t between cells), worked by hand from Q = (P - Ia)^2 / (P - Ia + S). The
# catchment is 90 ha of CN 55 and 10 ha of CN 98: the area-weighted CN 59.3
# gives 1.2 mm where the sub-areas give 4.7 mm between them, which CN 68.1
# (67.9 with the converted retention) yields over the whole area.
printf 'name,area,cn,note\nforest,90,55,"a, b"\n,,,\nroad,10,98,\n' > "$work/c.csv"
printf 'name;area;cn\nA;2,5;55,5\nB;7,5;80\n' > "$work/s.csv"  # the form of Spanish spreadsheets
printf '{"format":"tarvel-worksheet","version":1,"storm_mm":50,"lambda":"both","rows":[
  {"name":"forest","area_ha":90,"cn":55,"source":"typed"},{"name":"road","area_ha":10,"cn":98,"source":"typed"}]}' > "$work/h.tarvel"
lines_hold <<CASES
runoff|85|50~0.2\tII\t85.0\t44.8\t9.0\t19.6
runoff|70|50|--lambda|both~λ\tCondition\tCN\tCN0.05\tS (mm)\tIa (mm)\tQ (mm)|0.2\tII\t70.0\t\t108.9\t21.8\t5.8
runoff|85|50|--lambda|0.05~0.05\tII\t85.0\t79.6\t64.9\t3.2\t19.6
runoff|100|50~0.2\tIII\t100.0\t0.0\t0.0\t50.0
runoff|85|8.96~0.2\tII\t85.0\t44.8\t9.0\t0.0
series|85|70|--storm|50|--lambda|both~λ\tCondition\tNCS: CN\tNCS: CN0.05\tNCS: S (mm)\tNCS: Ia (mm)\tNCS: Q (mm)\tNOS: CN\tNOS: CN0.05\tNOS: S (mm)\tNOS: Ia (mm)\tNOS: Q (mm)\tSaving: Q (mm)\tSaving: Q (%)|0.2\tII\t85.0\t\t44.8\t9.0\t19.6\t70.0\t\t108.9\t21.8\t5.8\t13.8\t70.4
series|85|70|--years|10|--by-year|--storm|50|--lambda|0.2~0\t70.41420118343196\t85\t92.87410926365796\t21.344537815126053\t8.964705882352941\t3.897698209718676\t6.065495099343278\t19.61237405896862\t32.40427716102361\t21.344537815126046\t8.96470588235294\t3.897698209718669|10\t49.4949494949495\t70\t84.29319371727748\t51.83673469387754\t21.771428571428572\t9.465838509316777\t0\t5.812802953611627\t18.69969870551382\t51.836734693877546\t21.77142857142857\t9.46583850931678
series|85|70|--years|10|--by-year|--storm|50|--lambda|0.05~10\t49.4949494949495\t70\t84.29319371727748\t51.83673469387754\t21.771428571428572\t9.465838509316777\t1.273079898727435\t7.6012474737308\t18.73206060140236\t24.419983989762486\t9.004965615140515\t3.455373891331611
series|85|70|--years|32767|--by-year~32767\t49.4949494949495\t70\t84.29319371727748\t51.83673469387754\t21.771428571428572\t9.465838509316777
composite|$work/s.csv|--storm|50~A\t2,5\t55,5\t25.0\t0.4|II\t73.9\t18.0|0.2\t10.5\t76.4\t8.4
composite|$work/c.csv|--storm|50~forest\t90\t55\ta, b\t90.0\t0.3|II\t59.3\t34.9|0.2\t4.7\t68.1\t1.2
composite|$work/h.tarvel~road\t10\t98\t10.0\t44.3\t44.8|II\t59.3\t34.9|0.2\t4.7\t68.1\t1.2|0.05\t6.6\t67.9\t3.5
CASES
# composite reads a CSV twice: in place from a file or from standard input
# redirected from one, through a temporary file (gone at once) from a pipe; all alike.
mkdir "$work/tmp"
for forma in "" "--json"; do
    want=$("$cli" --lang en $forma composite "$work/c.csv" --storm 50 --lambda both)
    [ "$(cat "$work/c.csv" | TMPDIR="$work/tmp" "$cli" --lang en $forma composite - --storm 50 --lambda both)" = "$want" ] &&
        [ "$("$cli" --lang en $forma composite - --storm 50 --lambda both < "$work/c.csv")" = "$want" ] &&
        [ -z "$(ls -A "$work/tmp")" ] || fail "composite $forma from a pipe or standard input"
done
t 1 "" "^The input cannot be copied to a temporary file to be read twice: " \
    bash -c 'printf "area,cn\n1,80\n" | TMPDIR=/proc "$0" --lang en composite -' "$cli"

# A CSV saved by a spreadsheet on Windows (Windows-1252) is read as such and
# written in UTF-8, plain and in JSON (the batch: test_lote).
printf 'name,area,cn\nOlivar de Pe\xf1as,10,55\n' > "$work/1252.csv"
t 0 '{"total_area_ha":10.0,"cn":[33.920704845814974,55.0,73.76093294460642],"threshold_mm":[98.96103896103898,41.56363636363636,18.071146245059282],"rows":[{"row":1,"fields":{"name":"Olivar de Peñas","area":"10","cn":"55"},"area_ha":10.0,"cn":55.0,"share_pct":100.0}]}' \
    "^$" "$cli" --json composite "$work/1252.csv"
[[ $("$cli" --lang en composite "$work/1252.csv") == "name${tab}area${tab}cn${tab}Share (%)
Olivar de Peñas${tab}10${tab}55${tab}100.0
"* ]] || fail "composite of a Windows-1252 file"
# One heading line over the runoff table, as the window reads: no group caption repeated over its columns.
t 0 "P (mm)${tab}50
λ${tab}Condición${tab}NC${tab}S (mm)${tab}Ia (mm)${tab}Q (mm)
0.2${tab}I${tab}70.4${tab}106.7${tab}21.3${tab}6.1
0.2${tab}II${tab}85.0${tab}44.8${tab}9.0${tab}19.6
0.2${tab}III${tab}92.9${tab}19.5${tab}3.9${tab}32.4
Con λ = 0.2, en condición II la tormenta de 50 mm produce 19.6 mm de escorrentía." "^$" "$cli" --lang es runoff 85 50
[ "$("$cli" series 85 70 --years 32767 --by-year | wc -l)" = 32769 ] || fail "a path of 32767 years has 32768 years"

# Refused values and files (1) and usage (2) of these commands.
printf 'area,cn\n10,85\n0,70\n' > "$work/area.csv"
printf 'area,cn\n10,85\n,\n7,1e-300\n' > "$work/cn.csv"
printf 'area;cn\n2,5;80\n7,5;80.5\n' > "$work/s-punto.csv"
printf '{"format":"tarvel-worksheet","version":1,"rows":[{"area_ha":' > "$work/cut.tarvel"
mkdir "$work/folder.tarvel"
printf '{"format":"tarvel-worksheet","version":1,"rows":[{"area_ha":1,"cn":82,"source":"step-by-step","trail":{
  "vegetation":1,"treatment":4,"condition":1,"soil_group":"C","soil_group_from":{"method":"texture","clay":"20",
  "silt":"cuarenta","sand":"40"},"data_row":9,"description":"","language":"es"}}]}' > "$work/letters.tarvel"
while IFS='~' read -r status err args; do
    IFS='|' read -r -a argv <<<"$args"
    t "$status" "" "$err" "$cli" --lang en "${argv[@]}" </dev/null
done <<CASES
1~^Error in input data\. p = “-1”: it must be a number from 0 to 5000\.$~runoff|85|-1
1~cn = “0”: it must be a number greater than 0 and not above 100\.$~runoff|0|50
1~lambda = “0.3”: it must be 0.2, 0.05 or both\.$~runoff|85|50|--lambda|0.3
1~storm = “inf”~series|85|70|--storm|inf
1~^Incorrect time interval\. years = “1”: it must be a whole number from 2 to 32767\.$~series|85|70|--years|1|--by-year
1~^Error in input data\. p = “1e300”: it must be a number from 0 to 5000\.$~runoff|85|1e300
1~storm = “5000\.5”: it must be a number from 0 to 5000\.$~composite|$work/c.csv|--storm|5000.5
2~^The argument --storm is missing\.~series|85|70|--lambda|0.05
2~^The argument --years is missing\.~series|85|70|--by-year
1~^Row 2: Error in input data\. area = “0”: it must be a number greater than 0\.$~composite|$work/area.csv
1~^Row 2: Error in input data\. cn = “80\.5”: the decimal mark of this file is the comma “,”; a full stop is not accepted\.$~composite|$work/s-punto.csv
1~^Row 3: Error in input data\. cn = “1e-300”: it must be a number greater than 0 and not above 100\.$~composite|$work/cn.csv
1~truncated: it ends at line 1~composite|$work/cut.tarvel
1~none\.tarvel cannot be read: it does not exist\.$~composite|$work/none.tarvel
1~folder\.tarvel cannot be read: it is a folder\.$~composite|$work/folder.tarvel
1~^The value /rows/0/trail/soil_group_from/silt must be a percentage written in figures\.$~composite|$work/letters.tarvel
1~^The input has no header row~composite|-
2~^The argument --storm is missing\.~composite|$work/c.csv|--lambda|both
CASES

# A worksheet whose stored numbers its trails do not give (row 9, group C
# gives 82; clay 60 % is group D) is worked out with the stored numbers, and
# each row's finding goes to standard error.
printf '{"format":"tarvel-worksheet","version":1,"rows":[
  {"name":"olivar","area_ha":10,"cn":50,"source":"table","trail":{"table":"general","data_row":9,"soil_group":"C"}},
  {"area_ha":10,"cn":82,"source":"step-by-step","trail":{"vegetation":1,"treatment":4,"condition":1,"soil_group":"C",
   "soil_group_from":{"method":"texture","clay":"60","silt":"20","sand":"20"},"data_row":9,"description":"","language":"es"}}]}' \
    > "$work/trail.tarvel"
t 0 "Name${tab}Area (ha)${tab}CN${tab}Share (%)
olivar${tab}10${tab}50${tab}50.0
${tab}10${tab}82${tab}50.0

Total area (ha)${tab}20
Condition${tab}CN${tab}P0 (mm)
I${tab}44.9${tab}62.3
II${tab}66.0${tab}26.2
III${tab}81.7${tab}11.4" "^Warning: Row 1 \(olivar\): how its CN was obtained \(row 9 of the tables, group C\) gives 82, not the stored 50; the stored one is used\.
Warning: Row 2: the texture percentages \(clay 60 %, silt 20 %, sand 20 %\) give soil group D, not the stored C\.$" \
    "$cli" --lang en composite "$work/trail.tarvel"

# A worksheet's peak discharge: TR-55's example 4-1 on the flow path of
# example 3-1, on 101.17 ha (250 acres) whose CN 70 and 80 weigh to 75; the
# 500-year storm's Ia/P is below table F-1. Without storms the composite
# stands and the peak says what it lacks.
printf '{"format":"tarvel-worksheet","version":2,"rows":[{"area_ha":50.58570528,"cn":70,"source":"typed"},
  {"area_ha":50.58570528,"cn":80,"source":"typed"}],"peak":{"method":"tr55","distribution":"II","p0_source":"cn",
  "tc_source":"method","segments":[{"kind":"sheet","n":0.24,"length_m":30.48,"p2_mm":91.44,"slope":0.01},
  {"kind":"shallow","surface":"unpaved","length_m":426.72,"slope":0.01},{"kind":"channel","n":0.05,"area_m2":2.50838,
  "wetted_perimeter_m":8.59536,"slope":0.005,"length_m":2225.04}],"return_periods":[{"return_period":2},
  {"return_period":5},{"return_period":10},{"return_period":25,"storm_mm":152.4},{"return_period":100},
  {"return_period":500,"storm_mm":250}]}}' > "$work/peak.tarvel"
out=$("$cli" --lang en composite "$work/peak.tarvel" 2>"$work/err")
[[ $out == *"III${tab}87.3${tab}7.4

Peak discharge${tab}TR-55 (NRCS, 1986), graphical method
Area A (km²)${tab}1.0117141056
Curve number (condition II)${tab}75.0
Segment${tab}Kind${tab}V (m/s)${tab}Tt (h)
1${tab}Sheet flow${tab}0.0286${tab}0.296
2${tab}Shallow concentrated${tab}0.492${tab}0.241
3${tab}Channel${tab}0.622${tab}0.993
Tc (h)${tab}1.53
T (years)${tab}P 24 h (mm)${tab}Q (mm)${tab}Ia/P${tab}qu (m³/s/km²/mm)${tab}Qp (m³/s)
25${tab}152.4${tab}83.4${tab}0.111${tab}0.116${tab}9.75
500${tab}250${tab}171${tab}0.0677${tab}0.117${tab}20.2
Tc = 1.53 h · S = 84.7 mm · Ia = 0.2 S = 16.9 mm · Fp = 1.00" &&
   $(<"$work/err") == "Warning: T = 500 years: Ia/P = 0.0677 is below 0.1, the first row of table F-1: that row was used." ]] ||
    fail "composite of a worksheet's peak: [$out] [$(<"$work/err")]"
[[ $("$cli" --json composite "$work/peak.tarvel" 2>"$work/err") == *',"peak":{"method":"tr55","area_km2":1.0117141056,"cn":75.0,"segments":[{"segment":1,"kind":"sheet","tt_h":0.29'*'"tc_h":1.53'*'"rows":[{"return_period":25.0,"storm_mm":152.4,"peak_m3s":9.75'*'"warnings":[{"kind":"ia_p_below_table",'*'"return_period":500.0}]}}' &&
   ! -s "$work/err" ]] || fail "composite --json of a worksheet's peak"
sed -i 's/,"storm_mm":[0-9.]*//g' "$work/peak.tarvel"
[[ $("$cli" --lang en --json composite "$work/peak.tarvel") == *'"tc_h":1.53'*'"incomplete":"The peak discharge cannot be worked out from the inputs kept: Row 1: P 24 h (mm) is missing.","warnings":[]}}' ]] ||
    fail "composite --json of a worksheet whose peak lacks its storms"

# The target of a series refused with its own message, the present one with
# its own, in the batch as on the command line.
empty=$(printf ',%.0s' {1..13})
t 0 "nac,nob,nac_1,pac_1,nob_1,pob_1,nac_2,pac_2,nob_2,pob_2,nac_3,pac_3,nob_3,pob_3,annual,error
85,abc$empty,NOS must be >0 and <=100
85,0$empty,NOS must be >0 and <=100
0,70$empty,NCS must be >0 and <=100
85,85$empty,Curve number of the objective slope must be less than that of the degraded slope." "^$" \
    bash -c 'printf "nac,nob\n85,abc\n85,0\n0,70\n85,85\n" | "$0" --lang en series --csv -' "$cli"
[[ $(printf 'nac;nob\n85;70,5\n' | "$cli" series --csv -) == *$'\n85;70,5;70,4;21,3;50,1;50,6;85,0;9,0;70,5;21,3;92,9;3,9;84,6;9,2;;' ]] ||
    fail "series --csv in the form of Spanish spreadsheets"


# The batches: a row per year of each path, the input's columns repeated;
# the runoff columns only where a storm can be given.
t 0 "id,nac,nob,years,year,cn_i,cn_ii,cn_iii,threshold_i_mm,threshold_ii_mm,threshold_iii_mm,error
a,85,70,2,0,70.41420118343196,85,92.87410926365796,21.344537815126053,8.964705882352941,3.897698209718676,
a,85,70,2,1,59.12806539509537,77.5,88.7920298879203,35.115207373271886,14.748387096774193,6.412342215988786,
a,85,70,2,2,49.4949494949495,70,84.29319371727748,51.83673469387754,21.771428571428572,9.465838509316777,
b,85,70,,,,,,,,,Incorrect time interval. years = “”: it must be a whole number from 2 to 32767." "^$" \
    bash -c 'printf "id,nac,nob,years\na,85,70,2\nb,85,70,\n" | "$0" --lang en series --by-year --csv -' "$cli"
[[ $(printf 'nac,nob,years,storm,lambda\n85,70,2,50,0.05\n' | "$cli" series --by-year --csv -) == *'
85,70,2,50,0.05,2,49.4949494949495,70,84.29319371727748,51.83673469387754,21.771428571428572,9.465838509316777,,,,1.273079898727435,7.6012474737308,18.73206060140236,,,,24.419983989762486,9.004965615140515,3.455373891331611,'* ]] ||
    fail "series --by-year --csv: each ratio's runoff and threshold in its own columns"
[[ $(printf 'cn,p,lambda\n85,50,\n85,50,0.05\n' | "$cli" runoff --csv -) == *'
85,50,,70.41420118343196,85,92.87410926365796,106.72268907563023,44.823529411764696,19.488491048593346,21.344537815126046,8.96470588235294,3.897698209718669,6.065495099343278,19.61237405896862,32.40427716102361,,,,,,,,,,,,,
85,50,0.05,70.41420118343196,85,92.87410926365796,,,,,,,,,,59.06368868770397,79.64454330696881,'* ]] ||
    fail "runoff --csv"
[[ $(printf 'nac;nob;storm\n85;70;50\n' | "$cli" series --csv -) == *';70,4;21,3;'*';;6,065495099343278;19,61237405896862;'*';13,799571105356993;'*';70,36155370005567;'* ]] ||
    fail "series --csv with a storm column"

# Time of concentration and peak discharge: TR-55's examples 3-1 and 4-1 in
# SI (0.30, 0.24, 0.99 h, Tc 1.53 h; 345 cfs = 9.77 m³/s, 9.75 with Tc as
# computed), Ponce's example 5-9 (12.09 m³/s published, 12.0 here), a
# published Témez worksheet (1870 m³/s) and Témez's tc.
e31=(--sheet 0.24,30.48,91.44,0.01 --shallow 426.72,0.01,unpaved --channel 0.05,2.50838,8.59536,0.005,2225.04)
lines_hold <<CASES
tc|tr55|${e31[0]}|${e31[1]}|${e31[2]}|${e31[3]}|${e31[4]}|${e31[5]}~1\tSheet flow\t0.0286\t0.296|2\tShallow concentrated\t0.492\t0.241|3\tChannel\t0.622\t0.993|Tc (h)\t1.53
peak|tr55|--area|1.0117141056|--cn|75|--storm|152.4|--distribution|II|${e31[0]}|${e31[1]}|${e31[2]}|${e31[3]}|${e31[4]}|${e31[5]}~3\tChannel\t0.622\t0.993|Ia/P\t0.111|Q (mm)\t83.4|Qp (m³/s)\t9.75
peak|tr55|--area|4|--cn|74|--storm|90|--tc|1.5|--distribution|ii|--ponds|1~Ia/P\t0.198|Fp\t0.870|Qp (m³/s)\t12.0
peak|ic52|--area|380|--cn|89.48|--pd|88.21|--i1id|11.72|--tc|2.32~KA\t0.828|I (mm/h)\t20.7|P0 (mm)\t5.97|C\t0.733|Kt\t1.17|Qp (m³/s)\t1869
peak|ic52|--area|0.5|--p0|20|--beta|1.5|--pd|100|--i1id|10|--fb|40|--length|1|--slope|1~Fint\t40.0|P0 (mm)\t30.0|Tc (h)\t0.300
tc|ic52|--length|10|--slope|0.05~Tc (h)\t3.05
tc|tr55|--shallow|426.72,0.01,unpaved|--sheet|0.24,30.48,91.44,0.01|--shallow|10,0.01,paved~1\tShallow concentrated\t0.492\t0.241|2\tSheet flow\t0.0286\t0.296|3\tShallow concentrated\t0.620\t0.00448
CASES
[[ $("$cli" --json peak tr55 --area 1.0117141056 --cn 75 --storm 152.4 --tc 1.53 --distribution II) == \
    '{"peak_m3s":9.75'*',"runoff_mm":83.36'*'"warnings":[]}' ]] || fail "peak tr55 --json"
# A warning: on standard error without --json, in the array with it; the status stays 0.
t 0 "Qp (m³/s)	1869" "^The area, 380 km², is larger than the 50 km² the 5\.2-IC standard applies the rational method to\.$" \
    bash -c '"$0" --lang en peak ic52 --area 380 --cn 89.48 --pd 88.21 --i1id 11.72 --tc 2.32 | tail -1' "$cli"
[[ $("$cli" --json tc tr55 --sheet 0.24,100,90,0.01 2>"$work/err") == *'"warnings":[{"kind":"sheet_flow_too_long","value":100.0,"limit":91.44,"segment":1,"message":"Segment 1: sheet flow of 100 m'* &&
    ! -s "$work/err" ]] || fail "tc tr55 --json warns in the array only"
# Refused values (1) and usage (2).
while IFS='~' read -r status err args; do
    IFS='|' read -r -a argv <<<"$args"
    t "$status" "" "$err" "$cli" --lang en "${argv[@]}" </dev/null
done <<'CASES'
1~^Error in input data\. Segment 2: slope = “0”: it must be a number from 0\.000001 to 10\.$~tc|tr55|--shallow|100,0.01,paved|--shallow|100,0,paved
1~^Error in input data\. Segment 1: surface = “gravel”: it must be paved or unpaved\.$~tc|tr55|--shallow|100,0.01,gravel
1~^Error in input data\. area_km2 = “0”: it must be a number above 0 and not above 100000\.$~peak|tr55|--area|0|--cn|80|--storm|50|--tc|1|--distribution|II
1~^Error in input data\. distribution = “IV”: it must be I, IA, II or III\.$~peak|tr55|--area|1|--cn|80|--storm|50|--tc|1|--distribution|IV
1~^Error in input data\. i1id = “0\.5”: it must be a number from 1 to 100\.$~peak|ic52|--area|1|--p0|20|--pd|80|--i1id|0.5|--tc|1
1~^Error in input data\. cn = “0\.01”: it must be a number from 0\.0508 to 100\.$~peak|ic52|--area|1|--cn|0.01|--pd|80|--i1id|10|--tc|1
2~^--sheet takes n,L_m,P2_mm,slope, not “0\.24,30”\.~tc|tr55|--sheet|0.24,30
2~^The argument --sheet\|--shallow\|--channel is missing\.~tc|tr55
2~^Either --tc or --sheet\|--shallow\|--channel is needed\.~peak|tr55|--area|1|--cn|80|--storm|50|--distribution|II
2~^--tc and --sheet\|--shallow\|--channel cannot be used together\.~peak|tr55|--area|1|--cn|80|--storm|50|--tc|1|--sheet|0.1,10,50,0.1|--distribution|II
2~^--p0 and --cn cannot be used together\.~peak|ic52|--area|1|--p0|20|--cn|70|--pd|80|--i1id|10|--tc|1
2~^Either --p0 or --cn is needed\.~peak|ic52|--area|1|--pd|80|--i1id|10|--tc|1
2~^The argument --slope is missing\.~peak|ic52|--area|1|--p0|20|--pd|80|--i1id|10|--length|2
2~^--area and --csv cannot be used together\.~peak|tr55|--area|1|--csv|-
CASES
# Batches: one row out for each row in, a bad row with the single form's message,
# options giving the rows that leave a column empty, warnings in their column.
t 0 "id,area_km2,cn,storm_mm,tc_h,peak_m3s,runoff_mm,ia_mm,ia_p,qu,fp,tc_used_h,warnings,error
a,1.0117141056,75,152.4,,9.752305240423572,83.36410256410255,16.933333333333337,0.11111111111111113,0.11562996697606422,1,1.53,,
b,0,75,152.4,,,,,,,,,,Error in input data. area_km2 = “0”: it must be a number above 0 and not above 100000.
c,1,35,50,2,0,0,94.34285714285714,1.8868571428571428,0.047892117525256454,1,2,\"CN 35: TR-55's graphical method is meant for curve numbers of 40 or more. | Ia/P = 1.89 is above 0.5, the last row of table F-1: that row was used.\"," "^$" \
    bash -c 'printf "id,area_km2,cn,storm_mm,tc_h\na,1.0117141056,75,152.4,\nb,0,75,152.4,\nc,1,35,50,2\n" | "$0" --lang en peak tr55 --csv - --tc 1.53 --distribution II' "$cli"
[ "$(printf 'area_km2,cn,storm_mm,tc_h,distribution\n0,75,152.4,1,II\n' | "$cli" --lang en peak tr55 --csv - | sed -n 2p)" = \
  "0,75,152.4,1,II,,,,,,,,,$("$cli" --lang en peak tr55 --area 0 --cn 75 --storm 152.4 --tc 1 --distribution II 2>&1)" ] ||
    fail "peak tr55: a batch row refused as the single form refuses it"
[[ $(printf 'area_km2;pd_mm;i1id;cn;p0_mm;length_km;slope\n380;88,21;11,72;89,48;;;\n2;80;10;;;3;0,05\n2;80;10;70;20;;\n' |
     "$cli" --lang en peak ic52 --csv - --tc 2.32) == *';2,32;The area, 380 km²'*'
2;80;10;;;3;0,05;;;;;;;;;;;;Error in input data. Either p0_mm or cn is needed.
2;80;10;70;20;;;;;;;;;;;;;;Error in input data. p0_mm and cn cannot be used together.' ]] || fail "peak ic52 --csv"
t 0 "kind,n,length_m,p2_mm,slope,surface,tt_h,velocity_m_s,warnings,error
shallow,,426.72,,0.01,unpaved,0.24102940214378438,0.49177956,,
channel,0.05,100,,0.01,,,,,Error in input data. area_m2 = “”: it must be a number from 0.0001 to 100000.
road,,,,,,,,,\"Error in input data. kind = “road”: it must be sheet, shallow or channel.\"" "^$" \
    bash -c 'printf "kind,n,length_m,p2_mm,slope,surface\nshallow,,426.72,,0.01,unpaved\nchannel,0.05,100,,0.01,\nroad,,,,,\n" | "$0" --lang en tc tr55 --csv -' "$cli"

[ "$failed" -eq 0 ] && echo "tarvel-cli: every check passed"
[ "$failed" -eq 0 ]
