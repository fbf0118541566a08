#!/usr/bin/env bash
# `cpack -G DEB` makes a package of the installed files under /usr whose
# dependencies are read from the program's libraries.
# Usage: deb_package_test.sh BUILD_DIR VERSION APP_ID
set -euo pipefail
build="$1"
version="$2"
id="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $1"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/cirquet_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single cirquet_*.deb: ${debs[*]}"
deb="${debs[0]}"
[ "$(basename "$deb")" = "cirquet_${version}_$(dpkg --print-architecture).deb" ] || fail "named $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = cirquet ] || fail "package $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version $(field Version)"
depends="$(field Depends)"
IFS=',' read -r -a entries <<<"$depends"
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6printsupport6; do
  found=false
  for entry in "${entries[@]}"; do
    entry="${entry# }"
    [[ "$entry" == "$lib (>= "*")" ]] && found=true
  done
  $found || fail "Depends lacks a versioned $lib: $depends"
done

files="$(dpkg-deb -c "$deb" | awk '{print $NF}')"
for f in ./usr/bin/cirquet ./usr/share/cirquet/EULA.pdf "./usr/share/applications/$id.desktop" \
         "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
         "./usr/share/icons/hicolor/48x48/apps/$id.png"; do
  grep -qx -- "$f" <<<"$files" || fail "the package lacks $f"
done
echo "passed"
