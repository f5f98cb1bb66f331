#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/ and runs each on a seed corpus taken from
# data/ and the test fixtures: `bash tools/fuzz.sh [seconds per target, default 180]`.
# JOBS limits the parallel compilers (all cores by default).
# What a run finds is kept as build-fuzz/findings/<target>-*; the corpus grows in
# build-fuzz/corpus/<target>/ from one run to the next.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-180}"
bash tools/setup.sh fuzz

launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="$sanitizers -fsanitize=fuzzer-no-link" -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" \
  "${launcher[@]}" >/dev/null

declare -A seeds=(
  [element_reader]="data/TORV.ELM tests/fixtures/elements"
  [settings_store]="data/torv.ini"
  [download_parser]="data/TORV.ELM tests/fixtures/elements"
  [reply_readers]="tests/fuzz/seeds/reply_readers"
)
targets=(element_reader settings_store download_parser reply_readers)
cmake --build build-fuzz -j"${JOBS:-$(nproc)}" --target "${targets[@]/#/fuzz_}"

mkdir -p build-fuzz/findings
# The targets that read files write them into a folder of their own; in memory where the
# machine has /dev/shm, since every settings write is flushed to the disk.
if [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
for t in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$t"
  mkdir -p "$corpus"
  for s in ${seeds[$t]}; do cp -r "$s"/. "$corpus"/ 2>/dev/null || cp "$s" "$corpus"/; done
  echo "fuzz: $t for $seconds s"
  UBSAN_OPTIONS=print_stacktrace=1 build-fuzz/bin/fuzz_"$t" -max_total_time="$seconds" -rss_limit_mb=2048 \
    -max_len=65536 -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$t-" "$corpus"
done
