#!/usr/bin/env bash
# Builds the program and every test with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-sanitize/ and runs the tests there: any memory fault, leak or undefined
# behaviour fails the test that caused it. JOBS limits the parallel compilers and tests
# (the sanitized build is heavy); further arguments go to ctest (e.g. -R SoundMusic).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="$sanitizers" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" "${launcher[@]}" >/dev/null
jobs="${JOBS:-$(nproc)}"
cmake --build build-sanitize -j"$jobs"

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/leak_suppressions.txt:print_suppressions=0"
cd build-sanitize && ctest --output-on-failure -j"$jobs" "$@"
