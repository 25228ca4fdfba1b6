#!/usr/bin/env bash
# Configures and builds the configurator into build/ (targets given as
# arguments, everything when none).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"

# One compiler cache for every clone of the project on this machine: paths
# below the clone are hashed relative to it.
export CCACHE_BASEDIR="$root"
export CCACHE_DIR="${CCACHE_DIR:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/ccache}"
export CCACHE_NOHASHDIR=true
export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-include_file_mtime,include_file_ctime,time_macros,pch_defines}"
export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-5G}"

build="$root/build"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
if (($#)); then
  cmake --build "$build" --target "$@"
else
  cmake --build "$build"
fi
