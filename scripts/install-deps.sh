#!/usr/bin/env bash
# Installs the Debian packages Quarnel needs to build, run and test.
# Idempotent: packages already present are left alone. Needs root or sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql libqt6svg6
  postgresql
  libsqlite3-dev libjpeg-dev
  pxlib-dev
  libgtest-dev libgmock-dev
  clang libclang-rt-14-dev python3
  xvfb xauth poppler-utils desktop-file-utils
  fonts-nanum fonts-noto-cjk
  qt6-translations-l10n
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
