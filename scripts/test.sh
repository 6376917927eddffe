#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every
# test; checks the pinned style (clang-format, clang-tidy); then builds again
# under AddressSanitizer and UndefinedBehaviorSanitizer and runs every test
# once more.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen
for preset in dev asan; do
  echo "=== ${preset}: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
  echo "=== ${preset}: tests"
  ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --preset "$preset" -j"$jobs"
  if [ "$preset" = dev ]; then
    echo "=== style: clang-format and clang-tidy"
    scripts/lint.sh
  fi
done
