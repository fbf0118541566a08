#!/usr/bin/env bash
# Start-up of Cirquet against a bare Qt Widgets window (QApplication and one
# 963 x 763 QLabel), run by hand: builds both, starts them alternately under
# Xvfb N times (default 7), and prints the median time from launch to the
# first drawn window, the ratio, and the resident memory 6 s after start.
# Usage: bench/startup_time.sh [N]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-7}"
display="${CIRQUET_BENCH_DISPLAY:-:97}"

need=()
command -v Xvfb >/dev/null || need+=(xvfb)
dpkg-query -W -f='${Status}' libxdamage-dev 2>/dev/null | grep -q "install ok installed" || need+=(libxdamage-dev)
if [ ${#need[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${need[@]}" >/dev/null
fi

cmake --preset default >/dev/null
cmake --build --preset default --target cirquet bare_qt_window first_window_probe >/dev/null
build=build/default
probe="$build/bench/startup/first_window_probe"
bare="$build/bench/startup/bare_qt_window"
cirquet="$build/src/ui_qt/cirquet"

work="$(mktemp -d)"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
# Settings of their own, installed by a first start that is not counted.
export DISPLAY="$display" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
"$probe" 1 "$bare" >/dev/null
"$probe" 6 "$cirquet" >/dev/null

measure() {  # program -> appends "ms kb" to its file
  "$probe" 6 "$2" 2>/dev/null | sed -E 's/first_window_ms=([0-9.]+) rss_kb=([0-9]+)/\1 \2/' >>"$work/$1"
}
for ((i = 1; i <= runs; i++)); do
  measure bare "$bare"
  measure cirquet "$cirquet"
  echo "run $i of $runs done" >&2
done

median() {  # column of a file
  sort -n -k"$2" "$work/$1" | awk -v c="$2" '{v[NR] = $c} END {
    if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
bare_ms=$(median bare 1)
cirquet_ms=$(median cirquet 1)
printf 'first drawn window, median of %d: bare Qt %s ms, Cirquet %s ms, ratio %.2f\n' \
  "$runs" "$bare_ms" "$cirquet_ms" "$(echo "$cirquet_ms / $bare_ms" | bc -l)"
printf 'resident memory 6 s after start, median: bare Qt %.1f MB, Cirquet %.1f MB\n' \
  "$(echo "$(median bare 2) / 1024" | bc -l)" "$(echo "$(median cirquet 2) / 1024" | bc -l)"
echo "load: $(uptime | sed 's/.*load average/load average/')"
