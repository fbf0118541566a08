#!/usr/bin/env bash
# `cmake --install` into a fresh prefix puts every file where a desktop
# looks for it, the desktop's own validators accept the entry and the
# metainfo, and the installed program starts (offscreen) and ends by itself.
# Usage: install_test.sh BUILD_DIR APP_ID "ICON_SIDES"   (sides: "16;24;...")
set -euo pipefail
build="$1"
id="$2"
IFS=';' read -r -a sides <<<"$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
fail() { echo "FAILED: $1"; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install"; }

expected=("bin/cirquet" "share/cirquet/EULA.pdf" "share/applications/$id.desktop"
          "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/scalable/apps/$id.svg"
          "share/doc/cirquet/DejaVu-fonts-LICENSE.txt")
for side in "${sides[@]}"; do expected+=("share/icons/hicolor/${side}x${side}/apps/$id.png"); done
want="$(printf '%s\n' "${expected[@]}" | sort)"
have="$(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort)"
[ "$have" = "$want" ] || fail "installed files differ from the expected ones:
$(diff <(echo "$want") <(echo "$have") || true)"

[ -x "$prefix/bin/cirquet" ] || fail "the program is not executable"
[ "$(head -c 5 "$prefix/share/cirquet/EULA.pdf")" = "%PDF-" ] || fail "EULA.pdf is not a PDF"
for side in "${sides[@]}"; do
  png="$prefix/share/icons/hicolor/${side}x${side}/apps/$id.png"
  # The PNG signature, then the header's width and height.
  [ "$(od -An -tx1 -N8 "$png" | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "$png is not a PNG"
  read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$png")
  [ "$w" = "$side" ] && [ "$h" = "$side" ] || fail "$png is $w x $h, not $side x $side"
done
grep -q "<svg" "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is not an SVG"

# The entry starts the installed program by name and shows the installed icon.
desktop="$prefix/share/applications/$id.desktop"
grep -qx "Exec=cirquet" "$desktop" || fail "the entry does not start cirquet"
grep -qx "Icon=$id" "$desktop" || fail "the entry does not name the installed icon"
out="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate warns: $out"
out="$(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" 2>&1)" ||
  fail "appstreamcli validate: $out"

# Started from the prefix with settings of its own, away from the build.
mkdir -p "$work/home" && mkdir -m 700 "$work/runtime"
status=0
(cd / && env HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime" \
  QT_QPA_PLATFORM=offscreen CIRQUET_TEST_EXIT_WHEN_STARTED=1 \
  timeout 120 "$prefix/bin/cirquet" >"$work/run.log" 2>&1) || status=$?
[ "$status" -eq 0 ] || { cat "$work/run.log"; fail "the installed program ended with status $status"; }
grep -qx "cirquet: started" "$work/run.log" || { cat "$work/run.log"; fail "the installed program did not start"; }
[ -s "$work/home/.config/Quillonex PCB Design, Inc./Cirquet.conf" ] || fail "the first start stored no settings"
echo "passed"
