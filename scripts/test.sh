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

# The release zip; then the shipped exe built again from nothing in another folder and packaged
# there must give the same bytes, exe, zip and manifests alike.
scripts/package.sh
rm -rf build/repro
cmake -S . -B build/repro/windows -DCMAKE_BUILD_TYPE=Release --log-level=WARNING \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DMODLATCH_PACKAGE_DIR="$root/build/repro"
cmake --build build/repro/windows --target package --parallel "$(nproc)"
sha256sum build/windows/ModLatch.exe build/repro/windows/ModLatch.exe
cat build/SHA256SUMS build/repro/SHA256SUMS
cmp build/windows/ModLatch.exe build/repro/windows/ModLatch.exe
cmp build/SHA256SUMS build/repro/SHA256SUMS
diff -r build/manifests build/repro/manifests

echo "shipped build/windows/ModLatch.exe: $(stat -c %s build/windows/ModLatch.exe) bytes"
ctest --test-dir build/native --output-on-failure
