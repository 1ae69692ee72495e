#!/usr/bin/env bash
# Builds both Windows trees: build/windows is the shipped 32-bit exe; build/windows-x64 holds
# the same sources for x86-64, which most end-to-end tests run (32-bit Wine is emulated here).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$(pwd)

for tree in "build/windows i686" "build/windows-x64 x86_64"; do
  read -r dir arch <<<"$tree"
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release --log-level=WARNING \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake"
  cmake --build "$dir" --parallel "$(nproc)"
done
