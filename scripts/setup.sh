#!/usr/bin/env bash
# Installs the Debian packages the configurator needs to build, run and test.
# Idempotent: asks apt only when a package is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libpugixml-dev libcurl4-openssl-dev libjpeg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libxml2-utils fonts-dejavu-core
  # spreadsheets, word-processor documents and databases of the grid's
  # import and export
  libxlsxwriter-dev libzip-dev libfreexl-dev libqt6sql6-sqlite libqt6sql6-odbc
  # pdftoppm renders printed pages in the printing tests
  poppler-utils
  # the SMI parser (smilint, smidump) the tests of the MIB module writer use
  smitools
)
# clang builds (CXX=clang++, the fuzz targets) need clang and its sanitizer
# and libFuzzer runtimes.
case "$(basename "${CXX:-}")" in
  clang*) packages+=(clang libclang-rt-dev) ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
