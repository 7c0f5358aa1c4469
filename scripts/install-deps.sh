#!/usr/bin/env bash
# Installs every Debian package Torvane needs to build, test and benchmark. Safe to run again:
# it only calls apt-get when something is missing. With --fuzz it also installs clang and its
# runtime, which the fuzz targets need (scripts/fuzz.sh asks for them).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libicu-dev zlib1g-dev libssl-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  qt6-base-dev libgl1-mesa-dev fonts-wqy-microhei
  wimtools time
)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang-14 libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: run as root to install: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
