# Sourced by the build and test scripts: the compiler cache settings and the
# build folder with its CMake options, chosen by the environment:
#   CXX=clang++   builds with clang (g++ otherwise)
#   SANITIZE=1    builds with AddressSanitizer and UndefinedBehaviorSanitizer
# Each compiler and mode has a folder of its own (build/, build-clang/,
# build-sanitize/, build-clang-sanitize/), so none disturbs another.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# One compiler cache for every clone of the project on this machine: paths
# below the clone are hashed relative to it.
export CCACHE_BASEDIR="$root"
export CCACHE_DIR="${CCACHE_DIR:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/ccache}"
export CCACHE_NOHASHDIR=true
export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-include_file_mtime,include_file_ctime,time_macros,pch_defines}"
export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-5G}"

build="$root/build"
cmake_options=(-G Ninja -DCMAKE_BUILD_TYPE=Release)
case "$(basename "${CXX:-}")" in
  clang*) build+="-clang" ;;
esac
if [ "${SANITIZE:-0}" = 1 ]; then
  build+="-sanitize"
  # Line numbers in the reports; the benchmarks are not needed there.
  cmake_options=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCONFIGURATOR_SANITIZE=ON -DCONFIGURATOR_BENCHMARKS=OFF)
fi
