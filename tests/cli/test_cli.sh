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

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
