#!/usr/bin/env bash
# Configures and builds the configurator (targets given as arguments,
# everything when none) into the build folder that scripts/build_env.sh
# chooses: build/ unless CXX or SANITIZE say otherwise.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build_env.sh"
"$root/scripts/setup.sh"

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" "${cmake_options[@]}"
fi
if (($#)); then
  cmake --build "$build" --target "$@"
else
  cmake --build "$build"
fi
