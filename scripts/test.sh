#!/usr/bin/env bash
# The test command: installs what is missing, builds the four trees and runs
# every test (unit tests natively, end-to-end tests under 64-bit Wine and, for the
# shipped 32-bit exe, under 32-bit Wine).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$(pwd)

scripts/install-deps.sh

cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release --log-level=WARNING \
  -DMODLATCH_E2E_DIR="$root/build/windows-x64" \
  -DMODLATCH_WINDOWS_DIR="$root/build/windows"
cmake --build build/native --parallel "$(nproc)"
scripts/build-windows.sh
# The fuzzers: clang with libFuzzer and sanitizers, in a tree of its own.
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DMODLATCH_FUZZ=ON \
  --log-level=WARNING
cmake --build build/fuzz --parallel "$(nproc)"

echo "shipped build/windows/ModLatch.exe: $(stat -c %s build/windows/ModLatch.exe) bytes"
ctest --test-dir build/native --output-on-failure
