#!/usr/bin/env bash
# A user who is not root and has no sudo is told what is needed, and
# nothing is tried. The machine is faked: id says uid 1000, every package
# is missing, and PATH holds only the commands the script may use.
set -euo pipefail
script="$1"
bin="$(mktemp -d)"
trap 'rm -rf "$bin"' EXIT
printf '#!/bin/sh\necho 1000\n' >"$bin/id"
printf '#!/bin/sh\nexit 1\n' >"$bin/dpkg-query"
printf '#!/bin/sh\necho "$0 $*" >>"%s/tried"\n' "$bin" >"$bin/apt-get"
chmod +x "$bin/id" "$bin/dpkg-query" "$bin/apt-get"
for tool in grep locale; do ln -s "$(command -v "$tool")" "$bin/$tool"; done

status=0
message="$(PATH="$bin" "$(command -v bash)" "$script" 2>&1)" || status=$?
fail() { echo "FAILED: $1"; echo "--- output:"; echo "$message"; exit 1; }
[ "$status" -eq 1 ] || fail "exit status $status, expected 1"
[ ! -e "$bin/tried" ] || fail "apt-get was run: $(cat "$bin/tried")"
grep -q "sudo is not installed" <<<"$message" || fail "does not say that sudo is missing"
grep -q "run these commands as root" <<<"$message" || fail "does not offer running as root"
grep -q "apt-get install -y build-essential .* fonts-dejavu-core" <<<"$message" || fail "does not list the packages"
if grep -q "command not found" <<<"$message"; then fail "tried a command that is not there"; fi
echo "passed"
