#!/usr/bin/env bash
# Builds Cirquet with its tests and runs all of them.
# With "sanitize" it builds and runs them under AddressSanitizer and
# UndefinedBehaviorSanitizer instead.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
./scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j "$(nproc)"
