#!/usr/bin/env bash
# The guard every test runs under fails a test that leaves a file in its
# working folder, its home or the source tree, and keeps a failure a failure.
set -u
guarda="$(dirname "$0")/aislar.sh"
fuente=$(mktemp -d)
trap 'rm -rf "$fuente"' EXIT
fallos=0
espera() {  # expected status, then the command
  local esperado=$1
  shift
  bash "$guarda" "$fuente" "$@" 2>/dev/null
  local obtenido=$?
  if [ "$obtenido" -ne "$esperado" ]; then
    echo "FAIL: $* gave $obtenido, expected $esperado"
    fallos=$((fallos + 1))
  fi
}
espera 0 true
espera 3 bash -c 'exit 3'
espera 1 touch resto
espera 1 bash -c 'mkdir -p "$HOME/.config/Tarvel"'
espera 1 bash -c "touch '$fuente/nuevo'"
rm -f "$fuente/nuevo"
espera 0 bash -c 'touch "$TMPDIR/temporal"'
[ "$fallos" -eq 0 ] && echo "the guard holds"
exit "$fallos"
