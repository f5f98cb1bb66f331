#!/usr/bin/env bash
# Installs from Debian's packages whatever the build, the program and the tests need.
# Safe to run again: it only installs what is missing. `setup.sh fuzz` adds clang and
# its libFuzzer runtime for tools/fuzz.sh.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git ccache
  qt6-base-dev qt6-multimedia-dev gstreamer1.0-plugins-good
  libcurl4-openssl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-ipafont-gothic
  xvfb xauth socat python3 poppler-utils
  locales
)
if [ "${1:-}" = fuzz ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A decimal-comma locale, so the tests can show that numbers ignore the desktop's language.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  localedef -i de_DE -f UTF-8 de_DE.UTF-8 2>/dev/null || true
fi
