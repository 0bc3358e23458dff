#!/usr/bin/env bash
# Builds the skin reader's fuzz target with clang and runs it for a bounded
# number of inputs, seeded with the embedded skin: run.sh BUILD_DIR SEED_BLOCK
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
seed=$2
runs=${DAIXI_FUZZ_RUNS:-200000}
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" >/dev/null
corpus="$build/corpus"
rm -rf "$corpus"
mkdir -p "$corpus"
# Both modes of the first byte: the block as stored, and its container.
{ printf '\x00'; cat "$seed"; } >"$corpus/block"
printf '\x01\x20\x4e\x00\x00\x00\x00\x00\x00' >"$corpus/empty-container"
export QT_QPA_PLATFORM=offscreen
"$build/fuzz_skin_reader" -runs="$runs" -max_len=70000 -max_total_time=120 -rss_limit_mb=2048 \
  -artifact_prefix="$build/" "$corpus" 2>&1 | tail -n 5
