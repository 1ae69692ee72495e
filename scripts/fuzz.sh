#!/usr/bin/env bash
# Runs one fuzzer for the given number of seconds (default 60): `scripts/fuzz.sh settings 20` or
# `scripts/fuzz.sh help 20`. It starts from the committed seeds (the help fuzzer also from the
# shipped help file); the corpus it grows stays in build/fuzz/<name>/corpus, and an input that
# crashes or trips a sanitizer is saved in build/fuzz/<name>/findings and fails the run.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
name=${1:?usage: scripts/fuzz.sh settings|help [seconds]}
seconds=${2:-60}
work=build/fuzz/$name
mkdir -p "$work/corpus" "$work/findings" "$work/shipped"
case $name in
  settings) fuzzer=load_settings_fuzz max_len=8192 seeds=(tests/fuzz/corpus) ;;
  # libFuzzer runs a file argument once instead of fuzzing from it, so the shipped file goes in a folder.
  help) fuzzer=help_file_fuzz max_len=32768 seeds=(tests/fuzz/help_corpus "$work/shipped")
    cp resources/ModLatch.hlp "$work/shipped/" ;;
  *) echo "fuzz: no fuzzer named $name" >&2; exit 2 ;;
esac
binary=build/fuzz/tests/fuzz/$fuzzer
if [[ ! -x $binary ]]; then
  echo "fuzz: $binary is missing; scripts/test.sh builds it" >&2
  exit 2
fi
exec "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -max_len="$max_len" -print_final_stats=1 \
  -artifact_prefix="$work/findings/" "$work/corpus" "${seeds[@]}"
