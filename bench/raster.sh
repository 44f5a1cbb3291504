#!/usr/bin/env bash
# Curve-number maps against GDAL's own tools, side by side in one run, on
# generated SIZE x SIZE tiled GeoTIFFs (a land-cover raster with the codes of
# a 10 m global product, and a soil-group raster with the dual groups of the
# 250 m products, both with no-data):
#   - gdal_translate copying the land-cover raster with the creation options
#     tarvel-cli writes with: the disk-and-codec floor;
#   - tarvel-cli raster, the curve numbers alone, then with threshold and runoff;
#   - the same lookup in gdal_calc.py with numpy, as a GIS user would write it.
# Each is timed ROUNDS times, alternating (medians), with its peak memory
# (maximum resident set); the curve numbers of tarvel-cli and gdal_calc.py are
# compared cell by cell. Everything generated is removed at the end.
#   bench/raster.sh PATH/TO/tarvel-cli [SIZE] [ROUNDS]
set -euo pipefail
cli=$(realpath "$1")
size=${2:-10000}
rounds=${3:-3}
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup" --bench
py=/usr/bin/python3
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvel-raster-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
threads=$(nproc)
co=(-co TILED=YES -co BLOCKXSIZE=256 -co BLOCKYSIZE=256 -co COMPRESS=DEFLATE -co ZLEVEL=1 -co PREDICTOR=2
    -co BIGTIFF=IF_SAFER -co NUM_THREADS="$threads")

# Land cover: 40-cell patches of eleven classes with ragged edges; soil groups:
# 25-cell patches; a few cells of no-data in each, and a few codes (70, 80 water)
# that the table leaves out.
"$py" - "$size" <<'EOF'
import sys
import numpy as np
from osgeo import gdal, osr
gdal.UseExceptions()
n = int(sys.argv[1])
rng = np.random.default_rng(17)
clases = np.array([10, 20, 30, 40, 50, 60, 70, 80, 90, 95, 100], np.uint8)
gruesa = rng.choice(clases, size=(n // 40 + 2, n // 40 + 2), p=[.25, .1, .2, .2, .08, .05, .01, .05, .03, .01, .02])
suelos = rng.choice(np.array([1, 2, 3, 4, 11, 12, 13, 14, 255], np.uint8), size=(n // 25 + 1, n // 25 + 1),
                    p=[.15, .3, .25, .1, .05, .05, .05, .03, .02])
srs = osr.SpatialReference(); srs.ImportFromEPSG(25830)
opciones = ['TILED=YES', 'COMPRESS=DEFLATE', 'PREDICTOR=2', 'BIGTIFF=IF_SAFER', 'NUM_THREADS=ALL_CPUS']
def crear(nombre, sin_dato):
    d = gdal.GetDriverByName('GTiff').Create(nombre, n, n, 1, gdal.GDT_Byte, opciones)
    d.SetGeoTransform((300000, 10, 0, 4600000, 0, -10)); d.SetProjection(srs.ExportToWkt())
    d.GetRasterBand(1).SetNoDataValue(sin_dato)
    return d
lc, hsg = crear('lc.tif', 0), crear('hsg.tif', 255)
for y0 in range(0, n, 1024):
    h = min(1024, n - y0)
    yy, xx = np.mgrid[y0:y0 + h, 0:n]
    dx = rng.integers(-8, 9, size=(h, n)); dy = rng.integers(-8, 9, size=(h, n))
    bloque = gruesa[np.clip((yy + dy) // 40 + 1, 0, None), np.clip((xx + dx) // 40 + 1, 0, None)]
    bloque[rng.random((h, n)) < 0.001] = 0
    lc.GetRasterBand(1).WriteArray(bloque, 0, y0)
    hsg.GetRasterBand(1).WriteArray(suelos[yy // 25, xx // 25], 0, y0)
lc = hsg = None
EOF

# The table of a 10 m global land-cover product: tree cover, shrubland,
# grassland, cropland, built-up, bare, herbaceous wetland, mangroves, moss.
cat > map.csv <<'EOF'
code,row,vegetation,treatment,condition,name
10,52,,,,tree cover: woods class III
20,,7,-1,2,shrubland: brush fair
30,35,,,,grassland: pasture fair
40,5,,,,cropland: row crops straight good
50,57,,,,built-up: paved
60,1,,,,bare or sparse: fallow bare soil
90,40,,,,herbaceous wetland: meadow
95,45,,,,mangroves: woods-grass fair
100,60,,,,moss and lichen: arid herbaceous fair
EOF

# The same lookup for gdal_calc.py: soil values to classes 0-5 (A-D, no-data,
# other), then code * 8 + class to the curve number, 255 for none.
"$py" - "$cli" > calc.txt <<'EOF'
import json, subprocess, sys
filas = {10: 52, 20: 42, 30: 35, 40: 5, 50: 57, 60: 1, 90: 40, 95: 45, 100: 60}
datos = open(sys.argv[1].rsplit('/', 1)[0] + '/Datos.dat').read().split()
clase = [5] * 256
for v in range(1, 5): clase[v] = v - 1
for v in range(11, 15): clase[v] = v - 11   # drained: the first letter
clase[255] = 4
lut = [255] * (256 * 8)
for codigo, fila in filas.items():
    for g in range(4):
        v = int(datos[(fila - 1) * 4 + g])
        lut[codigo * 8 + g] = 255 if v < 0 else v
print(f"take(array({lut},dtype=uint8),A.astype(uint16)*8+take(array({clase},dtype=uint16),B))")
EOF

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "inputs: ${size} x ${size} cells, Byte, tiled 256, DEFLATE; land cover $(du -m lc.tif | cut -f1) MB, soil groups $(du -m hsg.tif | cut -f1) MB"
echo "creation options: ${co[*]}"
cat lc.tif hsg.tif > /dev/null

medir() {  # medir NAME COMMAND...: a line "NAME wall-s user-s system-s peak-kB"
    local nombre=$1
    shift
    /usr/bin/time -o tiempo -f '%e %U %S %M' "$@" > /dev/null 2> errores || { cat errores tiempo >&2; exit 1; }
    echo "$nombre $(tail -1 tiempo)" >> medidas
}
: > medidas
for ((r = 0; r < rounds; r++)); do
    rm -f copy.tif cn.tif cn3.tif p0.tif q.tif calc.tif
    medir gdal_translate gdal_translate -q "${co[@]}" lc.tif copy.tif
    medir tarvel "$cli" --lang en raster --landcover lc.tif --soil hsg.tif --map map.csv --out cn.tif
    medir tarvel+P0+Q "$cli" --lang en raster --landcover lc.tif --soil hsg.tif --map map.csv --out cn3.tif \
        --threshold p0.tif --storm 60 --runoff q.tif
    medir gdal_calc.py gdal_calc.py --quiet -A lc.tif -B hsg.tif --outfile=calc.tif --type=Byte --NoDataValue=255 \
        --hideNoData "${co[@]/#-co/--co}" --calc="$(cat calc.txt)"
done

"$cli" --lang en raster --landcover lc.tif --soil hsg.tif --map map.csv --out cn.tif | sed 's/^/report: /'
"$py" - <<'EOF'
from osgeo import gdal
import numpy as np
a, b = gdal.Open('cn.tif'), gdal.Open('calc.tif')
n = a.RasterXSize; distintas = 0
for y in range(0, n, 1024):
    h = min(1024, n - y)
    distintas += int(np.count_nonzero(a.ReadAsArray(0, y, n, h) != b.ReadAsArray(0, y, n, h)))
print(f"cells that differ between tarvel-cli and gdal_calc.py: {distintas}")
EOF
echo "output sizes: copy $(du -m copy.tif | cut -f1) MB, curve numbers $(du -m cn.tif | cut -f1) MB, threshold $(du -m p0.tif | cut -f1) MB, runoff $(du -m q.tif | cut -f1) MB"

printf '%-16s %9s %9s %9s %10s %8s\n' "" "wall (s)" "user (s)" "sys (s)" "peak (MB)" ratio
awk '{ n[$1]++; w[$1, n[$1]] = $2; u[$1, n[$1]] = $3; s[$1, n[$1]] = $4; if ($5 > m[$1]) m[$1] = $5 }
     function mediana(a, k, c,   i, j, t, v) { for (i = 1; i <= c; i++) v[i] = a[k, i]
         for (i = 1; i <= c; i++) for (j = i + 1; j <= c; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
         return v[int((c + 1) / 2)] }
     END { base = mediana(w, "gdal_translate", n["gdal_translate"])
           split("gdal_translate tarvel tarvel+P0+Q gdal_calc.py", orden, " ")
           for (i = 1; i <= 4; i++) { k = orden[i]
               printf "%-16s %9.2f %9.2f %9.2f %10.1f %8.2f\n", k, mediana(w, k, n[k]), mediana(u, k, n[k]),
                   mediana(s, k, n[k]), m[k] / 1024, mediana(w, k, n[k]) / base }
           calc = mediana(u, "gdal_calc.py", n["gdal_calc.py"]) + mediana(s, "gdal_calc.py", n["gdal_calc.py"])
           propio = mediana(u, "tarvel", n["tarvel"]) + mediana(s, "tarvel", n["tarvel"])
           printf "gdal_calc.py takes %.1f times as long as tarvel-cli (wall), %.1f times its processor time\n",
               mediana(w, "gdal_calc.py", n["gdal_calc.py"]) / mediana(w, "tarvel", n["tarvel"]), calc / propio }' medidas
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
