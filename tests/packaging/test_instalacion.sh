#!/usr/bin/env bash
# The installed tree, as `cmake --install` lays it out in a temporary prefix:
# programs, data file and help files together under lib/tarvel/, links in bin/
# through which the programs still find their files (also once the tree is
# moved), the desktop entry, metainfo and icons in their XDG places, and
# nothing else. The desktop entry and the metainfo pass their validators.
#   test_instalacion.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$1
source=$2
id=org.tarvel.tarvel
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; echo "FAIL: install"; exit 1; }

# Exactly these files, nothing more.
expected=$(cat <<LIST
bin/tarvel
bin/tarvel-cli
lib/tarvel/AYUDA Nº CURVA.HLP
lib/tarvel/Datos.dat
lib/tarvel/HELPTARVEL.HLP
lib/tarvel/tarvel
lib/tarvel/tarvel-cli
lib/tarvel/tarvel-cli-raster
share/applications/$id.desktop
share/icons/hicolor/128x128/apps/$id.png
share/icons/hicolor/16x16/apps/$id.png
share/icons/hicolor/22x22/apps/$id.png
share/icons/hicolor/24x24/apps/$id.png
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/32x32/apps/$id.png
share/icons/hicolor/48x48/apps/$id.png
share/icons/hicolor/64x64/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/metainfo/$id.metainfo.xml
share/doc/tarvel/changelog.gz
share/doc/tarvel/copyright
share/lintian/overrides/tarvel
share/man/es/man1/tarvel.1.gz
share/man/man1/tarvel-cli.1.gz
share/man/man1/tarvel.1.gz
LIST
)
actual=$(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$(LC_ALL=C sort <<<"$expected")" ]; then
  fail "installed files differ:"
  diff <(LC_ALL=C sort <<<"$expected") <(echo "$actual")
fi

# Program, data and help side by side; the data and help as shipped.
for program in tarvel tarvel-cli; do
  [ -x "$prefix/lib/tarvel/$program" ] || fail "lib/tarvel/$program is not an executable"
  link=$(readlink "$prefix/bin/$program")
  [ "$link" = "../lib/tarvel/$program" ] || fail "bin/$program links to '$link'"
done
[ -x "$prefix/lib/tarvel/tarvel-cli-raster" ] || fail "lib/tarvel/tarvel-cli-raster is not an executable"
# Only the map program loads GDAL: every other command starts without it.
readelf -d "$prefix/lib/tarvel/tarvel-cli" | grep -qi 'NEEDED.*gdal' && fail "tarvel-cli links GDAL"
readelf -d "$prefix/lib/tarvel/tarvel-cli-raster" | grep -qi 'NEEDED.*gdal' || fail "tarvel-cli-raster does not link GDAL"
cmp -s "$source/resources/Datos.dat" "$prefix/lib/tarvel/Datos.dat" || fail "Datos.dat differs from the source"
for help in "AYUDA Nº CURVA.HLP" HELPTARVEL.HLP; do
  cmp -s "$source/resources/help/$help" "$prefix/lib/tarvel/$help" || fail "$help differs from the source"
done

# The programs find their files through the links, from anywhere, and after
# the whole tree has moved.
check_cli() {
  local where=$1 out
  out=$(cd / && HOME="$work/home" XDG_CONFIG_HOME="$work/config" "$where/bin/tarvel-cli" lookup 43 A 2>&1)
  [ "$out" = "30≤" ] || fail "$where/bin/tarvel-cli lookup 43 A printed '$out'"
  out=$(cd / && HOME="$work/home" XDG_CONFIG_HOME="$work/config" "$where/bin/tarvel-cli" --lang en cn 1 4 1 C 2>&1)
  [ "$out" = "9 82" ] || fail "$where/bin/tarvel-cli cn 1 4 1 C printed '$out'"
  # The map command is handed over to the program beside the real tarvel-cli.
  out=$(cd / && HOME="$work/home" XDG_CONFIG_HOME="$work/config" "$where/bin/tarvel-cli" --lang en raster --map x 2>&1)
  [ $? = 2 ] && [[ $out == "The argument --landcover is missing."* ]] ||
    fail "$where/bin/tarvel-cli raster --map x printed '$out'"
}
check_cli "$prefix"
mv "$prefix" "$work/moved"
check_cli "$work/moved"
mv "$work/moved" "$prefix"

# The desktop program starts through its link and keeps running (the splash
# and then the main menu), writing nothing into the tree.
before=$(cd "$prefix" && find . | LC_ALL=C sort)
(cd / && HOME="$work/home" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen \
   timeout 3 "$prefix/bin/tarvel" >"$work/tarvel.log" 2>&1)
status=$?
[ $status -eq 124 ] || { fail "bin/tarvel ended by itself with status $status"; cat "$work/tarvel.log"; }
[ "$before" = "$(cd "$prefix" && find . | LC_ALL=C sort)" ] || fail "running tarvel changed the installed tree"

# Icons: each PNG is as large as its folder says.
for size in 16 22 24 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$png")
  w=$(( (w0 << 24) + (w1 << 16) + (w2 << 8) + w3 ))
  h=$(( (h0 << 24) + (h1 << 16) + (h2 << 8) + h3 ))
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "icon ${size}x${size} is ${w}x${h}"
done

# The desktop entry starts the linked program and names the installed icon;
# the metainfo launches that entry. Both pass their validators, the metainfo
# without even a pedantic note (and without network: its screenshot addresses,
# when it has them, are not fetched).
desktop="$prefix/share/applications/$id.desktop"
grep -qx "Exec=tarvel" "$desktop" || fail "the desktop entry does not run tarvel"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml" \
  || fail "the metainfo does not launch $id.desktop"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate"
else
  fail "desktop-file-validate is missing (scripts/setup installs desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
  report=$(appstreamcli validate --no-net --pedantic --no-color "$prefix/share/metainfo/$id.metainfo.xml") \
    && ! grep -qE '^[EWIP]: ' <<<"$report" || { echo "$report"; fail "appstreamcli validate --pedantic"; }
else
  fail "appstreamcli is missing (scripts/setup installs appstream)"
fi

# The manual pages read without a formatting warning. The companion's page,
# written from its help at build time, describes every command, the nested
# ones included.
for page in man1/tarvel.1.gz man1/tarvel-cli.1.gz es/man1/tarvel.1.gz; do
  text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man --warnings -l "$prefix/share/man/$page" 2>"$work/man.err")
  [ -s "$work/man.err" ] && fail "man $page: $(cat "$work/man.err")"
  [ "$page" = man1/tarvel-cli.1.gz ] && ! grep -q 'tarvel-cli soil texture .*CLAY' <<<"$text" \
    && fail "the page of tarvel-cli does not describe 'soil texture'"
  [ "$page" = man1/tarvel-cli.1.gz ] && ! grep -q -- '--landcover-band N' <<<"$text" \
    && fail "the page of tarvel-cli does not describe the options of 'raster'"
done

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "installed tree: all checks passed"
