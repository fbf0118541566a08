#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev qt6-svg-dev libgl-dev
          nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
          locales fonts-dejavu-core fonts-dejavu-extra
          # The checks of an install and of the licence document, and the
          # Debian package's dependencies (CPack reads the binary with file).
          desktop-file-utils appstream poppler-utils file)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# A comma locale for the tests that prove no number text follows the C locale.
need_locale=false
locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || need_locale=true

[ ${#missing[@]} -gt 0 ] || $need_locale || exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    {
      echo "Cirquet needs packages or a locale that only root can install, and sudo is not installed."
      echo "Either install sudo and allow yourself to use it, or run these commands as root,"
      echo "then run this script again:"
      if [ ${#missing[@]} -gt 0 ]; then
        echo "  apt-get update && apt-get install -y ${missing[*]}"
      fi
      if $need_locale; then
        echo "  sed -i 's/^# *de_DE.UTF-8/de_DE.UTF-8/' /etc/locale.gen && locale-gen"
      fi
    } >&2
    exit 1
  fi
  SUDO="sudo"
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi
if $need_locale; then
  $SUDO sed -i 's/^# *de_DE.UTF-8/de_DE.UTF-8/' /etc/locale.gen
  $SUDO locale-gen >/dev/null
fi
