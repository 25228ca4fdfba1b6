#!/usr/bin/env bash
# Builds everything (tests and benchmarks included) and runs every test,
# headless. SANITIZE=1 builds and runs them under AddressSanitizer and
# UndefinedBehaviorSanitizer; CXX=clang++ builds with clang (see
# scripts/build_env.sh for the build folders).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build_env.sh"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j "$(nproc)"
