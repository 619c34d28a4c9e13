#!/usr/bin/env bash
# run_fuzzer.sh FUZZER SEED-CORPUS: fuzzes for PARSIVA_FUZZ_SECONDS (default 30) from a copy of
# the seeds, so the committed corpus stays small; a crash leaves its input in fuzz-crashes/ of
# the build.
set -euo pipefail
fuzzer="$1" seeds="$2" seconds="${PARSIVA_FUZZ_SECONDS:-30}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" fuzz-crashes
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=70000 \
    -print_final_stats=1 -artifact_prefix=fuzz-crashes/ "$work/corpus" "$seeds"
