#!/usr/bin/env bash
# Writes the manual page of tarvel-cli with help2man from the program's own
# help, so that the page always says what the program does: the options, then
# one section per command with its arguments, as `tarvel-cli COMMAND --help`
# prints them. The page is in English and does not depend on the settings of
# whoever builds it.
#   manual-cli.sh TARVEL_CLI VERSION INCLUDE OUTPUT
#     INCLUDE  hand-written sections (help2man --include): files, see also
set -euo pipefail

# The text help2man reads: the program's help, then each command's help with
# its usage line as the heading and without the help option every command has.
if [ "${1:-}" = --texto ]; then
  programa=$2
  subcomandos() { awk '/^Subcommands:$/ { lista = 1; next } lista && /^  [^ ]/ { print $1 } /^$/ { lista = 0 }'; }
  comando() {
    local texto uso sub
    texto=$("$programa" --lang en "$@" --help)
    uso=$(sed -n 's/^Usage: [^ ]* //p' <<<"$texto")
    printf '\ntarvel-cli %s:\n' "$uso"
    sed -n '/^Usage:/q; s/^/  /p' <<<"$texto"
    awk '/^Usage:/ { pasado = 1; next }
         !pasado { next }
         /^Subcommands:$/ { lista = 1; next }
         lista { if ($0 == "") lista = 0; next }
         /^(Positionals|Options):$/ || /^  -h,--help / { next }
         { print }' <<<"$texto"
    for sub in $(subcomandos <<<"$texto"); do comando "$@" "$sub"; done
  }
  ayuda=$("$programa" --lang en --help)
  # The list of commands opens their section.
  sed 's/^Subcommands:$/*Commands*/' <<<"$ayuda"
  for sub in $(subcomandos <<<"$ayuda"); do comando "$sub"; done
  exit 0
fi

programa=$(realpath "$1")
version=$2
incluir=$3
salida=$4
trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT
export HOME=$trabajo/home XDG_CONFIG_HOME=$trabajo/config LC_ALL=C.UTF-8
mkdir "$HOME" "$XDG_CONFIG_HOME"
# help2man names the page after the program it runs: a stand-in called tarvel-cli.
printf '#!/bin/sh\nexec bash "%s" --texto "%s"\n' "$(realpath "$0")" "$programa" >"$trabajo/tarvel-cli"
chmod +x "$trabajo/tarvel-cli"
help2man --no-info --version-string="$version" \
  --name="runoff curve numbers from the command line" --section=1 \
  --include="$incluir" --output="$salida" "$trabajo/tarvel-cli"
