#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite:
# the normal build, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer (preset asan), and a short run of every fuzz
# target (preset fuzz), so that a regression any of them catches fails here.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-dependencies.sh
jobs=$(nproc)
fuzz_seconds=20

echo "== Test suite"
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-tests -j"$jobs"
(cd build-tests && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

echo "== Test suite under the sanitizers"
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$jobs"
# The leak check stops the process's threads at its end, which some
# containers forbid; there it is left out rather than failing every test.
leaks=1
if ! ASAN_OPTIONS=detect_leaks=1 build-asan/tests/support_tests --gtest_list_tests >/dev/null 2>&1; then
    leaks=0
    echo "LeakSanitizer cannot run here: the sanitizer runs check everything but leaks"
fi
export ASAN_OPTIONS="detect_leaks=$leaks:strict_string_checks=1"
ctest --preset asan -j"$jobs"

echo "== Fuzz targets, ${fuzz_seconds} s each"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs"
failed=()
for target in $(bash fuzz/run.sh --list); do
    log="build-fuzz/fuzz-$target.log"
    if bash fuzz/run.sh "$target" "$fuzz_seconds" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "$target: ${runs:-?} inputs, nothing found"
    else
        tail -n 60 "$log"
        failed+=("$target")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzz findings in: ${failed[*]} (inputs in build-fuzz/fuzz-findings/)" >&2
    exit 1
fi
