#!/usr/bin/env bash
# Runs one fuzz target for a given time, building it first (preset "fuzz").
#
#   fuzz/run.sh TARGET SECONDS [libFuzzer options...]
#   fuzz/run.sh --list                      names every target
#
# TARGET is a file name of fuzz/ without "_fuzz.cpp" (ini, location, ...).
# The seeds of fuzz/corpus/TARGET stay as they are; what the run finds new goes
# to build-fuzz/fuzz-corpus/TARGET, and an input that fails to
# build-fuzz/fuzz-findings/. Exit code 0 when the run found nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = "--list" ]; then
    for source in fuzz/*_fuzz.cpp; do
        name=$(basename "$source" .cpp)
        echo "${name%_fuzz}"
    done
    exit 0
fi
if [ $# -lt 2 ]; then
    echo "usage: fuzz/run.sh TARGET SECONDS [libFuzzer options...] | fuzz/run.sh --list" >&2
    exit 2
fi
target=${1%_fuzz}_fuzz
seconds=$2
shift 2
if [ ! -f "fuzz/$target.cpp" ]; then
    echo "fuzz/run.sh: no target $target (see fuzz/run.sh --list)" >&2
    exit 2
fi

build=build-fuzz
[ -f "$build/CMakeCache.txt" ] || cmake --preset fuzz >/dev/null
cmake --build "$build" --target "$target" -j"$(nproc)" >/dev/null

corpus="$build/fuzz-corpus/${target%_fuzz}"
findings="$build/fuzz-findings"
mkdir -p "$corpus" "$findings"
options=(
    -max_total_time="$seconds"
    -timeout=10                 # one input taking longer counts as a finding
    -rss_limit_mb=2560          # beyond the program's own limits (1 GB of pictures)
    -malloc_limit_mb=1536
    -artifact_prefix="$findings/${target%_fuzz}-"
    -print_final_stats=1
)
[ -f "fuzz/dict/$target.dict" ] && options+=(-dict="fuzz/dict/$target.dict")

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:strict_string_checks=1}
exec "$build/fuzz/$target" "${options[@]}" "$@" "$corpus" "fuzz/corpus/${target%_fuzz}"
