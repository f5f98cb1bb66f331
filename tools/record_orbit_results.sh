#!/usr/bin/env bash
# Records the satellite computation's results for the comparison test's random cases as
# another checkout computes them (the commit before a change to the computation):
#   tools/record_orbit_results.sh OTHER_CHECKOUT [OUT_FILE]
# The other checkout must be built (tools/build.sh there); its headers and core libraries
# are used with this checkout's case list. Writes tests/fixtures/orbit/recorded_results.bin
# unless told otherwise.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
other="$(cd "$1" && pwd)"
out="${2:-$here/tests/fixtures/orbit/recorded_results.bin}"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
c++ -std=c++20 -O2 -I"$other" -I"$here/tests" "$here/tests/support/record_orbit_results.cpp" \
  "$other/build/orbit/libtorv_orbit_core.a" "$other/build/common/libtorv_common_core.a" \
  "$other/build/platform/libtorv_platform_core.a" -o "$tmp/record_orbit_results"
mkdir -p "$(dirname "$out")"
"$tmp/record_orbit_results" "$out"
echo "recorded $(($(stat -c %s "$out") / 56)) results into $out"
