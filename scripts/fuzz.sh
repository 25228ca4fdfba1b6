#!/usr/bin/env bash
# Runs one fuzz target under libFuzzer for a while:
#
#   scripts/fuzz.sh TARGET SECONDS [libFuzzer options...]
#   scripts/fuzz.sh              (lists the targets)
#
# Builds fuzz_TARGET with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-fuzz/, then fuzzes it with the corpus fuzz/corpus/TARGET/ as
# seeds (read only). New inputs go to build-fuzz/corpus/TARGET/, crashes,
# time-outs and broken properties to build-fuzz/findings/TARGET/. A finding
# is reproduced with
#   build-fuzz/bin/fuzz_TARGET build-fuzz/findings/TARGET/crash-...
# and, once fixed, kept as a test by copying it into fuzz/corpus/TARGET/.
# fuzz/dictionaries/TARGET.dict, when there is one, gives libFuzzer the
# words of the file format.
# Options of a target (a line "// fuzz options: ..." in its source) come
# first; options given here override them. KEEP_GOING=1 fuzzes in fork mode
# and goes on after a finding.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
targets="$root/fuzz/targets"

if (($# < 2)); then
  echo "usage: scripts/fuzz.sh TARGET SECONDS [libFuzzer options...]"
  echo "targets:"
  for source in "$targets"/*.cpp; do echo "  $(basename "$source" .cpp)"; done
  exit 2
fi
target=$1
seconds=$2
shift 2
source_file="$targets/$target.cpp"
if [ ! -f "$source_file" ]; then
  echo "no fuzz target $target (fuzz/targets/$target.cpp)" >&2
  exit 2
fi

export CXX="${CXX:-clang++}"
source "$root/scripts/build_env.sh"
"$root/scripts/setup.sh"
build="$root/build-fuzz"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCONFIGURATOR_FUZZ=ON
fi
cmake --build "$build" --target "fuzz_$target"

corpus="$build/corpus/$target"
findings="$build/findings/$target"
mkdir -p "$corpus" "$findings"
read -r -a target_options <<<"$(sed -n 's|^// fuzz options: *||p' "$source_file")"
options=(-max_total_time="$seconds" -timeout=25 -print_final_stats=1 -artifact_prefix="$findings/")
if [ -f "$root/fuzz/dictionaries/$target.dict" ]; then
  options+=(-dict="$root/fuzz/dictionaries/$target.dict")
fi
if [ "${KEEP_GOING:-0}" = 1 ]; then
  options+=(-fork="${FUZZ_JOBS:-2}" -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1)
fi

# Scratch files of the targets in memory where possible.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$root/cmake/lsan_suppressions.txt:print_suppressions=0}"

status=0
"$build/bin/fuzz_$target" "${options[@]}" "${target_options[@]}" "$@" "$corpus" "$root/fuzz/corpus/$target" || status=$?

found=$(find "$findings" -type f | wc -l)
echo "fuzz_$target: $(find "$corpus" -type f | wc -l) inputs in $corpus, $found findings in $findings"
exit "$status"
