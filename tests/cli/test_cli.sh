#!/usr/bin/env bash
# The command-line companion as a user runs it: output, JSON, exit statuses,
# the language of its messages, and a broken data file beside it.
set -u
cli=$1
passed=0
failed=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"

check() {  # check NAME EXPECTED_STATUS EXPECTED_STDOUT STDERR_PATTERN -- COMMAND...
    local name=$1 status=$2 out=$3 err=$4
    shift 5
    local got_out got_err got_status
    got_out=$("$@" 2>"$work/stderr")
    got_status=$?
    got_err=$(cat "$work/stderr")
    if [ "$got_status" = "$status" ] && [ "$got_out" = "$out" ] && [[ "$got_err" =~ $err ]]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAIL %s: status %s, stdout [%s], stderr [%s]\n' "$name" "$got_status" "$got_out" "$got_err"
    fi
}

check "row 43 group A carries the sign" 0 "30≤" "^$" -- "$cli" lookup 43 A
check "row 43 group B is plain" 0 "48" "^$" -- "$cli" lookup 43 B
check "lower-case group" 0 "82" "^$" -- "$cli" lookup 9 c
check "missing value" 0 "?" "^$" -- "$cli" lookup 58 A
check "row 39 keeps its two digits" 0 "06" "^$" -- "$cli" lookup 39 A
check "json" 0 '{"row":43,"group":"A","text":"30≤","missing":false}' "^$" -- "$cli" lookup 43 A --json
check "json before the command" 0 '{"row":58,"group":"A","text":"?","missing":true}' "^$" -- "$cli" --json lookup 58 A
check "row 0" 2 "" "." -- "$cli" lookup 0 A
check "row 73" 2 "" "." -- "$cli" lookup 73 A
check "group E" 2 "" "." -- "$cli" lookup 1 E
check "no command" 2 "" "." -- "$cli"
check "unknown language" 2 "" "." -- "$cli" --lang fr lookup 1 A
check "cn row crops, contoured, good, C" 0 "9 82" "^$" -- "$cli" cn 1 4 1 C
check "cn woods class III, D" 0 '{"row":52,"group":"D","text":"77","missing":false}' "^$" -- "$cli" cn 10 -1 3 D --json
check "cn woods class V, B" 0 "54 44" "^$" -- "$cli" cn 10 -1 5 B
check "cn woods class V, json" 0 '{"row":54,"group":"B","text":"44","missing":false}' "^$" -- "$cli" --json cn 10 -1 5 b
check "cn brush good A" 0 "43 30≤" "^$" -- "$cli" cn 7 -1 1 a
check "cn bare fallow ignores the condition" 0 "1 77" "^$" -- "$cli" cn 0 0 1 A
check "cn arid third entry fair" 0 "65 58" "^$" -- "$cli" cn 16 -1 2 B
check "cn combination no table lists" 1 "" "^Error en los datos introducidos\.$" -- "$cli" cn 1 0 1 C
check "cn combination no table lists, English" 1 "" "^Error in input data\.$" -- "$cli" --lang en cn 3 3 0 C
check "cn vegetation 19" 2 "" "." -- "$cli" cn 19 -1 0 A
check "soil rate class 1" 0 "B" "^$" -- "$cli" soil rate 1
check "soil rate json" 0 '{"group":"D"}' "^$" -- "$cli" soil rate 3 --json
check "soil rate class 4" 2 "" "." -- "$cli" soil rate 4
check "soil texture loam" 0 "C" "^$" -- "$cli" soil texture 20 40 40
check "soil texture rounds its sum to single precision" 0 '{"group":"C"}' "^$" -- "$cli" --json soil texture 33.3 33.3 33.4
check "soil texture sum not 100" 1 "" "^La suma de las tres fracciones debe ser igual a 100%\.$" -- "$cli" soil texture 33.33 33.33 33.33
check "soil texture sum not 100, English" 1 "" "^The sum of the three percentages must be 100%\.$" -- "$cli" --lang en soil texture 10 10 10
check "soil texture negative" 1 "" "^Error en los datos introducidos\.$" -- "$cli" soil texture -5 40 65
check "soil texture not a number" 1 "" "^Error in input data\.$" -- "$cli" --lang en soil texture 20 abc 40
check "soil texture too large for single precision" 1 "" "^Error en los datos introducidos\.$" -- "$cli" soil texture 4e38 0 0
check "forest worked example" 0 "IV" "^$" -- "$cli" forest 5 5 2
check "forest after compaction, json" 0 '{"class":"V","R":5.045000000000001}' "^$" -- "$cli" forest 5 5 2 --after-compaction --json
check "forest frozen, lower-case" 0 '{"class":"I","R":-0.41999999999999993}' "^$" -- "$cli" --json forest 0 0 f
check "forest R exactly on a limit" 0 "IV" "^$" -- "$cli" forest 4.5 3.0 3
check "forest negative depth" 1 "" "^Error en los datos introducidos\.$" -- "$cli" forest -1 5 2
check "forest depth with an exponent" 1 "" "^Error in input data\.$" -- "$cli" --lang en forest 5 1e1 2
check "forest unknown compactness" 2 "" "." -- "$cli" forest 5 5 4

# A copy of the program beside a data file with a 12-byte line 5.
mkdir -p "$work/bin"
cp "$cli" "$work/bin/"
copy="$work/bin/$(basename "$cli")"
datos="$(dirname "$cli")/Datos.dat"
{ head -c 52 "$datos"; printf '7 86 91 94\r\n'; tail -c +66 "$datos"; } > "$work/bin/Datos.dat"
check "broken file, Spanish by default" 1 "" "Datos\.dat».*línea 5: tiene 12 bytes" -- "$copy" lookup 1 A
check "broken file, English asked" 1 "" "Datos\.dat”, line 5: it is 12 bytes" -- "$copy" --lang en lookup 1 A
mkdir -p "$XDG_CONFIG_HOME/Tarvel"
printf '[Options]\nLanguage=English\n' > "$XDG_CONFIG_HOME/Tarvel/Tarvel.ini"
check "broken file, English stored" 1 "" "line 5" -- "$copy" lookup 1 A
check "broken file, Spanish asked over the setting" 1 "" "línea 5" -- "$copy" --lang es lookup 1 A
rm "$work/bin/Datos.dat"
check "missing file" 1 "" "The data file “.*/Datos\.dat” was not found\." -- "$copy" lookup 1 A


# The progressive series, as the results window shows it.
tab=$'\t'
series_es="Condición(J)${tab}NAC(J)${tab}PAC(J)${tab}${tab}NOB(J)${tab}POB(J)
1${tab}70.4${tab}21.3${tab}${tab}49.5${tab}51.8
2${tab}85.0${tab}9.0${tab}${tab}70.0${tab}21.8
3${tab}92.9${tab}3.9${tab}${tab}84.3${tab}9.5"
check "series worked example" 0 "$series_es
Lapso temporal considerado: 10 años. ΔN/Δt = 1.50" "^$" -- "$cli" --lang es series 85 70 --years 10
check "series without a span" 0 "$series_es" "^$" -- "$cli" --lang es series 85 70
check "series English headers" 0 "Condition(J)${tab}NCS(J)${tab}PCS(J)${tab}${tab}NOS(J)${tab}POS(J)
2${tab}90.0${tab}5.6${tab}${tab}88.5${tab}6.6
Considered time interval: 2 years. ΔN/Δt = 0.75" "^$" -- bash -c '"$0" --lang en series 90 88.5 --years 2 | grep -v "^[13]"' "$cli"
check "series json" 0 '{"nac":[70.41420118343196,85.0,92.87410926365796],"pac":[21.344537815126053,8.964705882352941,3.897698209718676],"nob":[49.4949494949495,70.0,84.29319371727748],"pob":[51.83673469387754,21.771428571428572,9.465838509316777],"cells":[["1","70.4","21.3","","49.5","51.8"],["2","85.0","9.0","","70.0","21.8"],["3","92.9","3.9","","84.3","9.5"]],"years":10,"annual":1.5,"annual_text":"1.50"}' "^$" -- "$cli" --lang es series 85 70 --years 10 --json
check "series json without a span" 0 '{"nac":[100.00000000000001,100.0,100.0],"pac":[0.0,0.0,0.0],"nob":[99.76223310666226,99.9,99.95649715056337],"pob":[0.12107345440677093,0.05085085085085012,0.02210906558732475],"cells":[["1","100.0",".0","","99.8",".1"],["2","100.0",".0","","99.9",".1"],["3","100.0",".0","","100.0",".0"]],"years":0}' "^$" -- "$cli" --lang es series 100 99.9 --json
check "series NAC not a number" 1 "" "^NAC debe ser >0 y <=100$" -- "$cli" --lang es series abc 70
check "series NAC read as 1 but worth 1000" 1 "" "^NAC debe ser >0 y <=100$" -- "$cli" --lang es series 1,000 70
check "series NOB negative" 1 "" "^NOS must be >0 and <=100$" -- "$cli" --lang en series 85 -5
check "series target not below" 1 "" "^El número de curva objetivo debe ser menor que el de la ladera degradada\.$" -- "$cli" --lang es series 85 85
check "series span 2.5" 1 "" "^Lapso de tiempo incorrecto\.$" -- "$cli" --lang es series 85 70 --years 2.5
check "series span 12abc" 1 "" "^Incorrect time interval\.$" -- "$cli" --lang en series 85 70 --years 12abc
check "series span empty" 1 "" "^Lapso de tiempo incorrecto\.$" -- "$cli" --lang es series 85 70 --years ""
check "series span above 32767" 1 "" "^Lapso de tiempo incorrecto\.$" -- "$cli" --lang es series 85 70 --years 40000
check "series missing NOB" 2 "" "." -- "$cli" series 85


# Batch mode: every row out, in order, with the answer the single-value
# command gives for the same values.
same() {  # same NAME BATCH_ANSWER SINGLE_ANSWER
    if [ "$2" = "$3" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAIL %s: batch [%s], single [%s]\n' "$1" "$2" "$3"
    fi
}
single() {  # the answer of a single-value command: its stdout, else its stderr
    local out
    out=$("$@" 2>"$work/stderr") && printf '%s' "$out" || cat "$work/stderr"
}
last_fields() {  # the last N fields of every line after the header (none of them quoted)
    tail -n +2 | awk -F, -v n="$1" '{ s = $(NF - n + 1); for (i = NF - n + 2; i <= NF; i++) s = s "," $i; print s }'
}

texture_rows=("20|40|40" "33.3|33.3|33.4" "33.33|33.33|33.33" "-5|40|65" "20|abc|40" "||" "70|10|20" "4e38|0|0"
              " 10 | 5 |85" "0|0|100" "0|1,000|0" "45|30|25")
{
    printf '\xef\xbb\xbf"id, plot",clay,silt,sand\r\n'
    i=0
    for row in "${texture_rows[@]}"; do
        IFS='|' read -r c s a <<<"$row"
        if [ -z "$row" ] || [ "$row" = "||" ]; then printf '\r\n'; else printf '"P%d, n",%s,"%s",%s\r\n' "$i" "$c" "$s" "$a"; fi
        i=$((i + 1))
    done
} > "$work/texture.csv"
for lang in es en; do
    "$cli" --lang $lang soil texture --csv "$work/texture.csv" > "$work/texture.out"
    same "batch texture exit status, $lang" "$?" 0
    same "batch texture row count, $lang" "$(wc -l < "$work/texture.out")" "$((${#texture_rows[@]} + 1))"
    mapfile -t answers < <(last_fields 2 < "$work/texture.out")
    i=0
    for row in "${texture_rows[@]}"; do
        IFS='|' read -r c s a <<<"$row"
        IFS=',' read -r group error <<<"${answers[$i]}"
        same "batch texture row $i ($row), $lang" "$group$error" "$(single "$cli" --lang $lang soil texture -- "$c" "$s" "$a")"
        i=$((i + 1))
    done
done
check "batch texture keeps the byte-order mark and quotes the ID" 0 $'\xef\xbb\xbf"id, plot",clay,silt,sand,group,error\n"P0, n",20,40,40,C,' "^$" -- \
    bash -c '"$0" soil texture --csv "$1" | head -2' "$cli" "$work/texture.csv"
check "batch from standard input" 0 $'clay,silt,sand,group,error\n20,40,40,C,' "^$" -- \
    bash -c 'printf "clay,silt,sand\n20,40,40\n" | "$0" soil texture --csv -' "$cli"

forest_rows=("5|5|2|" "5|5|2|yes" "0|0|F|" "4.5|3.0|3|" "-1|5|2|" "5|1e1|2|" "10|0|1|1" "2,5|1|3|")
{
    echo "litter,humus,compactness,after_compaction"
    for row in "${forest_rows[@]}"; do IFS='|' read -r l h c d <<<"$row"; echo "\"$l\",$h,$c,$d"; done
} > "$work/forest.csv"
"$cli" --lang es forest --csv "$work/forest.csv" > "$work/forest.out"
mapfile -t answers < <(last_fields 3 < "$work/forest.out")
i=0
for row in "${forest_rows[@]}"; do
    IFS='|' read -r l h c d <<<"$row"
    IFS=',' read -r class r error <<<"${answers[$i]}"
    flag=(); [ -n "$d" ] && flag=(--after-compaction)
    same "batch forest row $i ($row)" "$class$error" "$(single "$cli" --lang es forest "${flag[@]}" -- "$l" "$h" "$c")"
    [ -n "$r" ] && same "batch forest R row $i" "$r" "$("$cli" --json forest "${flag[@]}" -- "$l" "$h" "$c" | sed 's/.*"R":\([^}]*\)}/\1/')"
    i=$((i + 1))
done

series_rows=("85|70|10" "85|70|" "100|99.9|" "abc|70|" "85|-5|" "85|85|" "85|70|2.5" "90|88.5|2" "85|70|12abc")
{
    echo "id,nac,nob,years"
    i=0
    for row in "${series_rows[@]}"; do IFS='|' read -r n o y <<<"$row"; echo "$i,$n,$o,$y"; i=$((i + 1)); done
} > "$work/series.csv"
"$cli" --lang en series --csv "$work/series.csv" > "$work/series.out"
mapfile -t answers < <(last_fields 3 < "$work/series.out")
i=0
for row in "${series_rows[@]}"; do
    IFS='|' read -r n o y <<<"$row"
    IFS=',' read -r pob3 annual error <<<"${answers[$i]}"
    years=(); [ -n "$y" ] && years=(--years "$y")
    if [ -n "$error" ]; then
        same "batch series row $i ($row)" "$error" "$(single "$cli" --lang en series "${years[@]}" -- "$n" "$o")"
    else
        same "batch series row $i ($row)" "$pob3 $annual" \
            "$("$cli" --lang en series "${years[@]}" -- "$n" "$o" | awk -F'\t' 'NR == 4 { p = $6 } /ΔN/ { a = $NF } END { sub(/.* /, "", a); print p " " a }')"
    fi
    i=$((i + 1))
done

cn_rows=("1|4|1|C" "10|-1|3|D" "10|-1|5|B" "7|-1|1|a" "14|-1|0|A" "1|0|1|C" "3|3|0|C" "0|0|1|A")
{
    echo "vegetation,treatment,condition,group,parcel"
    for row in "${cn_rows[@]}"; do IFS='|' read -r v t c g <<<"$row"; echo "$v,$t,$c,$g,\"x\"\"$v\""; done
} > "$work/cn.csv"
"$cli" --lang es cn --csv "$work/cn.csv" > "$work/cn.out"
mapfile -t answers < <(last_fields 4 < "$work/cn.out")
i=0
for row in "${cn_rows[@]}"; do
    IFS='|' read -r v t c g <<<"$row"
    IFS=',' read -r r text missing error <<<"${answers[$i]}"
    same "batch cn row $i ($row)" "$(echo "$r $text$error" | sed 's/^ //')" "$(single "$cli" --lang es cn -- "$v" "$t" "$c" "$g")"
    i=$((i + 1))
done

check "batch: a column missing is a usage error" 2 "" 'no column "sand"' -- \
    bash -c 'printf "clay,silt\n1,2\n" | "$0" soil texture --csv -' "$cli"
check "batch: no header" 2 "" "no header" -- bash -c '"$0" forest --csv - < /dev/null' "$cli"
check "batch: no such file" 2 "" "File does not exist" -- "$cli" series --csv "$work/none.csv"
check "batch: values and --csv together" 2 "" "excludes" -- "$cli" soil texture 20 40 40 --csv "$work/texture.csv"
check "batch: --json with --csv" 2 "" "cannot be used together" -- "$cli" --json cn --csv "$work/cn.csv"
check "values still required without --csv" 2 "" "SAND is required" -- "$cli" soil texture 20 40
mkdir -p "$work/broken" && cp "$cli" "$work/broken/" && \
    { head -c 52 "$datos"; printf '7 86 91 94\r\n'; tail -c +66 "$datos"; } > "$work/broken/Datos.dat"
check "batch cn beside a broken data file" 1 "" "line 5" -- "$work/broken/$(basename "$cli")" --lang en cn --csv "$work/cn.csv"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
