#!/usr/bin/env bash
# Builds Cirquet and starts it on the user's display.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target cirquet
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Cirquet needs a graphical display (set DISPLAY), none was found." >&2
  echo "Without one, start it on a virtual display: xvfb-run ./scripts/run.sh" >&2
  command -v xvfb-run >/dev/null 2>&1 ||
    echo "xvfb-run is in the Debian package xvfb: install it with 'apt-get install xvfb' (as root, or with sudo)." >&2
  exit 1
fi
exec ./build/default/src/ui_qt/cirquet "$@"
