#!/usr/bin/env bash
# The Debian package of a build, as cpack makes it, checked by lintian
# --pedantic -I: no error and no warning. With --release (the hardened Release
# build of scripts/package) no tag at all may remain, which covers position
# independence, fortified functions, full RELRO with immediate binding and
# stripped notes, and every program carries the stack protector, which lintian
# does not check.
#   test_paquete.sh BUILD_DIR [--release]
set -uo pipefail
build=$1
release=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(echo "$work"/tarvel_*.deb)

if command -v lintian >/dev/null; then
  lintian --pedantic -I --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>"$work/lintian.err"
  [ $? -le 1 ] || { cat "$work/lintian.err"; fail "lintian did not run"; }
  cat "$work/lintian.txt"
  grep -qE '^[EW]: ' "$work/lintian.txt" && fail "lintian reports errors or warnings"
  [ "$release" = --release ] && [ -s "$work/lintian.txt" ] && fail "lintian reports tags a release must not have"
elif [ "$release" = --release ]; then
  fail "lintian is missing (scripts/setup installs it)"
else
  echo "lintian is not installed (scripts/setup installs it): the package was not checked"
fi

if [ "$release" = --release ]; then
  dpkg-deb -x "$deb" "$work/root"
  for program in tarvel tarvel-cli tarvel-cli-raster; do
    symbols=$(readelf --dyn-syms -W "$work/root/usr/lib/tarvel/$program")
    grep -q ' __stack_chk_fail@' <<<"$symbols" || fail "$program has no stack protector"
  done
fi

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "Debian package: all checks passed"
