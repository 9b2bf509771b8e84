#!/usr/bin/env bash
# Builds the open-path fuzzer with clang into build-fuzz/, seeds its corpus and runs it for the
# given number of seconds (600 by default). Findings land in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
dir=build-fuzz

# The window program takes no part in opening a dump, so it is left out.
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVALTA9_FUZZ=ON -DVALTA9_TESTS=OFF -DVALTA9_BENCH=OFF -DVALTA9_GUI=OFF >/dev/null
cmake --build "$dir" --target valta9-open-fuzzer valta9-sample-dump

corpus="$dir/corpus"
findings="$dir/findings"
mkdir -p "$corpus" "$findings"
for seed in 4301 1 2 7 99 65535; do
    "$dir/valta9-sample-dump" --seed "$seed" --out "$corpus/sample-$seed.drn"
done
# A bare image without the operator tail, erased flash, a zeroed image and a file too short.
head -c 270337 "$corpus/sample-4301.drn" >"$corpus/sample-4301-no-tail.drn"
head -c 270337 /dev/zero | tr '\0' '\377' >"$corpus/all-ff.drn"
head -c 270337 /dev/zero >"$corpus/all-zero.drn"
printf 'DRN' >"$corpus/short.drn"

# Undefined behaviour stops the run like a crash does, with its stack.
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
"$dir/valta9-open-fuzzer" "$corpus" \
    -max_len=270600 -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$findings/"
