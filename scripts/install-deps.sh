#!/usr/bin/env bash
# Installs every Debian package Jubilo needs to build, run and test.
# Safe to run again: packages already present are skipped. Needs root
# (or sudo) only when something is missing.
set -euo pipefail

PACKAGES=(
  build-essential
  cmake
  ninja-build
  pkg-config
  qt6-base-dev
  qt6-base-dev-tools
  # Translations: lupdate and lrelease, their CMake functions, and Qt's own
  # texts (file and print dialogs) in Jubilo's languages.
  qt6-l10n-tools
  qt6-tools-dev
  qt6-translations-l10n
  libgl-dev
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  libgsf-1-dev
  # zlib: the checksums of the settings and plan files' journals.
  zlib1g-dev
  # libcsv: reading delimited text (pasted rows, imported guests); libical:
  # the tests' reading of exported calendars.
  libcsv-dev
  libical-dev
  fonts-liberation
  fonts-urw-base35
  # Fallbacks for what the sheet's fonts lack: Arabic, Hebrew, Devanagari and
  # most other scripts; Chinese, Japanese and Korean; emoji in outlines,
  # which a PDF can embed (a colour bitmap emoji font would print blank).
  fonts-noto-core
  fonts-noto-cjk
  fonts-symbola
  libqt6svg6
  clang
  clang-format
  libclang-rt-14-dev
  python3-xlrd
  libreoffice-calc-nogui
  poppler-utils
  appstream
  desktop-file-utils
  # The install test's checks of the plan files' MIME package.
  libxml2-utils
  shared-mime-info
)

missing=()
for pkg in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
# Without recommends: they would pull in a GTK platform theme whose native
# dialogs cannot be driven headless.
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
