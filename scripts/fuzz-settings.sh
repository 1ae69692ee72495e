#!/usr/bin/env bash
# Runs the settings-file fuzzer for the given number of seconds (default 60), starting from the
# committed seeds in tests/fuzz/corpus. The corpus it grows stays in build/fuzz/corpus; an input
# that crashes or trips a sanitizer is saved in build/fuzz/findings and fails the run.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds=${1:-60}
fuzzer=build/fuzz/tests/fuzz/load_settings_fuzz
if [[ ! -x $fuzzer ]]; then
  echo "fuzz-settings: $fuzzer is missing; scripts/test.sh builds it" >&2
  exit 2
fi
mkdir -p build/fuzz/corpus build/fuzz/findings
exec "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -max_len=8192 -print_final_stats=1 \
  -artifact_prefix=build/fuzz/findings/ build/fuzz/corpus tests/fuzz/corpus
