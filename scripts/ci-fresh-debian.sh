#!/usr/bin/env bash
# Runs the README's test command as root in a freshly bootstrapped minimal
# Debian 12 root, so that a package the scripts forget to install, or a
# font or file only the development machine has, fails CI.
#
# The root comes from `debootstrap --variant=minbase bookworm` off the
# Debian mirror this machine's apt uses; the bootstrapped root is kept as a
# tarball in $CIRQUET_CI_CACHE (default /var/cache/cirquet-ci) and made
# again when older than a week. The project goes in with `git archive
# HEAD`: committed files only. Needs root (debootstrap, chroot, mount).
# Usage: scripts/ci-fresh-debian.sh [command run in the project, default ./scripts/test.sh]
set -euo pipefail
cd "$(dirname "$0")/.."
suite=bookworm
command="${*:-./scripts/test.sh}"
cache="${CIRQUET_CI_CACHE:-/var/cache/cirquet-ci}"
arch="$(dpkg --print-architecture)"
tarball="$cache/debian-$suite-minbase-$arch.tar.gz"

say() { echo "ci-fresh-debian: $*" >&2; }
[ "$(id -u)" -eq 0 ] || { say "needs root (debootstrap, chroot, mount)"; exit 1; }
git rev-parse --verify -q HEAD >/dev/null || { say "not a git checkout with a commit"; exit 1; }

# The first Debian archive in this machine's apt sources that serves the
# suite, in the one-line or the deb822 format; else Debian's own.
debian_sources() {  # prints "URI SUITE" for every Debian archive entry
  local f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    sed -E 's/#.*//; s/\[[^]]*\]//' "$f" | awk '$1 == "deb" { print $2, $3 }'
  done
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk 'BEGIN { RS = ""; FS = "\n" }
      { uris = ""; suites = ""; deb = 0
        for (i = 1; i <= NF; i++) {
          if ($i ~ /^Types:/ && $i ~ /[[:space:]]deb([[:space:]]|$)/) deb = 1
          if ($i ~ /^URIs:/) { uris = $i; sub(/^URIs:[[:space:]]*/, "", uris) }
          if ($i ~ /^Suites:/) { suites = $i; sub(/^Suites:[[:space:]]*/, "", suites) }
        }
        if (!deb) next
        nu = split(uris, u, /[[:space:]]+/); ns = split(suites, s, /[[:space:]]+/)
        for (a = 1; a <= nu; a++) for (b = 1; b <= ns; b++) if (u[a] != "" && s[b] != "") print u[a], s[b] }' "$f"
  done
}
sources="$(debian_sources | awk -v s="$suite" '$2 ~ "^" s "(-updates|-security|/updates)?$"' | sort -u)"
mirror="$(awk -v s="$suite" '$2 == s { print $1; exit }' <<<"$sources")"
mirror="${mirror:-http://deb.debian.org/debian}"
say "mirror $mirror"

if ! command -v debootstrap >/dev/null; then
  say "installing debootstrap"
  DEBIAN_FRONTEND=noninteractive apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null
fi

mkdir -p "$cache"
# One bootstrap at a time, also between CI runs side by side.
exec 9>"$cache/lock"
flock 9
if [ -z "$(find "$tarball" -mtime -7 2>/dev/null)" ]; then
  say "bootstrapping a minimal $suite root (kept in $tarball)"
  fresh="$(mktemp -d /var/tmp/cirquet-bootstrap.XXXXXX)"
  debootstrap --variant=minbase "$suite" "$fresh" "$mirror" >"$fresh.log" 2>&1 ||
    { tail -n 30 "$fresh.log" >&2; rm -rf --one-file-system "$fresh" "$fresh.log"; exit 1; }
  chmod 755 "$fresh"
  tar -C "$fresh" -czf "$tarball.tmp" .
  mv "$tarball.tmp" "$tarball"
  rm -rf --one-file-system "$fresh" "$fresh.log"
fi
flock -u 9

root="$(mktemp -d /var/tmp/cirquet-ci-root.XXXXXX)"
mounted=()
cleanup() {
  local i p
  # What still runs in the root after an interruption goes first.
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/root" 2>/dev/null)" != "$root" ] || kill -KILL "${p#/proc/}" 2>/dev/null || true
  done
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || true
  done
  # Never crosses into a mount that is still there.
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

tar -C "$root" -xzf "$tarball"
chmod 755 "$root"  # the machine's root directory: every user passes
# Network names and the Debian entries this machine's apt uses (the mirror
# with its updates and security suites), nothing else of the host.
rm -f "$root/etc/resolv.conf"  # a link there would lead out of the root
cp /etc/resolv.conf "$root/etc/resolv.conf"
{
  echo "deb $mirror $suite main"
  awk -v s="$suite" '$2 != s { print "deb", $1, $2, "main" }' <<<"$sources"
} >"$root/etc/apt/sources.list"
# Packages installed in a chroot start no services.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"
mkdir -p "$root/root/cirquet"
git archive --format=tar HEAD | tar -x -C "$root/root/cirquet"

mount_in() {  # type-or-bind source target
  mkdir -p "$root$3"
  if [ "$1" = bind ]; then mount --bind "$2" "$root$3"; else mount -t "$1" "$2" "$root$3"; fi
  mounted+=("$root$3")
  # Where the host shares its mounts (systemd does), what is mounted below a
  # bind in the root must not show on the host's own /dev.
  mount --make-private "$root$3"
}
mount_in proc proc /proc
mount_in sysfs sysfs /sys
mount_in bind /dev /dev
mount_in bind /dev/pts /dev/pts
mount_in tmpfs tmpfs /dev/shm

say "running '$command' in the fresh root"
chroot "$root" /usr/bin/env -i HOME=/root USER=root LOGNAME=root TERM=dumb LANG=C.UTF-8 CI=true \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  /bin/bash -c "cd /root/cirquet && $command" </dev/null
