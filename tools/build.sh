#!/usr/bin/env bash
# Configures and builds everything (program, tests, benchmarks) into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
# ccache lets several checkouts of the project share what one of them compiled.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# WERROR=1 makes every compiler warning an error (the checks of .ci/run build so).
werror=OFF
if [ "${WERROR:-0}" = 1 ]; then werror=ON; fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORV_WARNINGS_AS_ERRORS="$werror" "${launcher[@]}" >/dev/null
# JOBS limits the parallel compilers when several checkouts build side by side.
cmake --build build -j"${JOBS:-$(nproc)}"
