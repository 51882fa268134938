#!/usr/bin/env bash
# Sets everything up, then runs the whole suite three ways: the Release build, a second
# build under AddressSanitizer + UndefinedBehaviorSanitizer (any report or leak fails),
# and, when clang is installed, the fuzz targets for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/setup.sh

echo "== Release build: tests"
ctest --test-dir build --output-on-failure -j2

echo "== ASan + UBSan build: tests"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DMONEYCALC_SANITIZE=ON -DMONEYCALC_BENCH=OFF >/dev/null
cmake --build build-asan -j2
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
ctest --test-dir build-asan --output-on-failure -j2

if command -v clang++ >/dev/null && [ -d tests/fuzz ]; then
  echo "== Fuzzing"
  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMONEYCALC_FUZZ=ON -DMONEYCALC_GUI=OFF -DMONEYCALC_TESTS=OFF -DMONEYCALC_BENCH=OFF >/dev/null
  cmake --build build-fuzz -j2
  tests/fuzz/run.sh build-fuzz "${FUZZ_SECONDS:-60}"
fi
echo "== All tests passed"
