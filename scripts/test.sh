#!/usr/bin/env bash
# The test command: installs what is missing, builds the three trees and runs
# every test (unit tests natively, end-to-end tests under 64-bit Wine).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$(pwd)

scripts/install-deps.sh

build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release --log-level=WARNING "$@"
  cmake --build "$dir" --parallel "$(nproc)"
}

build build/native \
  -DMODLATCH_E2E_DIR="$root/build/windows-x64" \
  -DMODLATCH_WINDOWS_DIR="$root/build/windows"
# The shipped exe is 32-bit; this machine can only run 64-bit Wine, so the
# end-to-end tests run the x86-64 build of the same sources.
build build/windows -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
build build/windows-x64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake"

echo "shipped build/windows/ModLatch.exe: $(stat -c %s build/windows/ModLatch.exe) bytes"
ctest --test-dir build/native --output-on-failure
