#!/usr/bin/env bash
# Runs one test in a scratch folder of its own and fails it when it leaves
# anything behind:
#   aislar.sh SOURCE_DIR COMMAND [ARGUMENTS...]
# The command runs with a scratch working folder, and HOME, the XDG folders
# and TMPDIR pointing into the same scratch folder. Afterwards the working
# folder and the scratch home must be empty, and nothing in the source tree
# (build folders and .git aside) or at the top of the user's real home may be
# new or changed. The scratch folder is then removed. The command's own exit
# status is kept when it failed.
set -uo pipefail
fuente=$(cd "$1" && pwd)
shift
raiz=$(mktemp -d "${TMPDIR:-/tmp}/tarvel-prueba.XXXXXX") || exit 2
trap 'rm -rf "$raiz"' EXIT
mkdir -p "$raiz/trabajo" "$raiz/home" "$raiz/tmp" "$raiz/cache" "$raiz/runtime"
chmod 700 "$raiz/runtime"
casa_real=${HOME:-}
marca="$raiz/marca"
touch "$marca"
sleep 0.01  # a change in the same clock tick as the mark still counts as after it

(
  cd "$raiz/trabajo" &&
  HOME="$raiz/home" XDG_CONFIG_HOME="$raiz/home/.config" XDG_DATA_HOME="$raiz/home/.local/share" \
  XDG_STATE_HOME="$raiz/home/.local/state" XDG_CACHE_HOME="$raiz/cache" XDG_RUNTIME_DIR="$raiz/runtime" \
  TMPDIR="$raiz/tmp" exec "$@"
)
estado=$?

restos=()
while IFS= read -r -d '' ruta; do restos+=("in the working folder: ${ruta#"$raiz/trabajo/"}"); done \
  < <(find "$raiz/trabajo" -mindepth 1 -print0)
while IFS= read -r -d '' ruta; do restos+=("in HOME: ${ruta#"$raiz/home/"}"); done \
  < <(find "$raiz/home" -mindepth 1 -print0)
while IFS= read -r -d '' ruta; do restos+=("in the source tree: ${ruta#"$fuente/"}"); done \
  < <(find "$fuente" \( -path "$fuente/.git" -o -path "$fuente/build" -o -path "$fuente/build-*" \) -prune \
        -o -newer "$marca" ! -path "$fuente" -print0)
if [ -n "$casa_real" ] && [ -d "$casa_real" ] && [ "$casa_real" != "$fuente" ]; then
  while IFS= read -r -d '' ruta; do restos+=("in the real HOME: ${ruta#"$casa_real/"}"); done \
    < <(find "$casa_real" -mindepth 1 -maxdepth 1 -newer "$marca" ! -name .cache -print0 2>/dev/null)
fi
if [ ${#restos[@]} -gt 0 ]; then
  printf 'The test left files behind:\n' >&2
  printf '  %s\n' "${restos[@]}" | head -20 >&2
  [ "$estado" -eq 0 ] && estado=1
fi
exit "$estado"
