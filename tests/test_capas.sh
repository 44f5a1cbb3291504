#!/usr/bin/env bash
# No include runs back up a floor. Each room of the program may include the
# rooms listed for it (its own always), and nothing else of the project:
#   test_capas.sh SOURCE_DIR
set -u
raiz=${1:-$(dirname "$0")/..}
cd "$raiz" || exit 2
nucleo="app data determination hydrology series catchment"
declare -A permitidos=(
  [app]=""
  [data]="app"
  [determination]="app data"
  [hydrology]="app"
  [series]="app hydrology"
  [catchment]="app data determination hydrology"
  [raster]="app data determination hydrology"
  [settings]="app"
  [cli/batch]="$nucleo"
  [cli]="$nucleo cli/batch raster settings"
  [ui/common]="$nucleo settings"
  [ui/help]="$nucleo settings ui/common"
  [ui/shell]="$nucleo settings ui/common ui/help ui/determination ui/series ui/hydrology ui/catchment"
  [ui/determination]="$nucleo settings ui/common ui/help"
  [ui/hydrology]="$nucleo settings ui/common ui/help ui/determination"
  [ui/series]="$nucleo settings ui/common ui/help ui/determination ui/hydrology"
  [ui/catchment]="$nucleo settings ui/common ui/help ui/determination ui/hydrology"
  [desktop]="ui/shell ui/common ui/help settings app"
  [tools]="app"
)
fallos=0
for sala in "${!permitidos[@]}"; do
  for archivo in "$sala"/*.h "$sala"/*.cpp; do
    [ -f "$archivo" ] || continue
    while IFS= read -r incluido; do
      destino=$(dirname "$incluido")
      [ "$destino" = "$sala" ] && continue
      [ -d "$destino" ] || continue  # a library's header (<nlohmann/...>, <csv.h>, Qt)
      permitido=0
      for otra in ${permitidos[$sala]}; do [ "$destino" = "$otra" ] && permitido=1; done
      if [ "$permitido" -eq 0 ]; then
        echo "$archivo includes $incluido: $sala may include only ${permitidos[$sala]:-itself}"
        fallos=$((fallos + 1))
      fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$archivo")
  done
done
[ "$fallos" -eq 0 ] && echo "every include stays on its floor or below"
exit "$fallos"
