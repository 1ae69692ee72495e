#!/usr/bin/env bash
# The release: builds the shipped 32-bit exe and makes build/ModLatch-<version>-win32.zip with
# build/SHA256SUMS and the winget and Scoop manifests in build/manifests/. The same commit always
# gives the same bytes; the zip's dates are the commit's (or SOURCE_DATE_EPOCH's).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$(pwd)

cmake -S . -B build/windows -DCMAKE_BUILD_TYPE=Release --log-level=WARNING \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
cmake --build build/windows --target package --parallel "$(nproc)"
