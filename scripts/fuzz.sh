#!/usr/bin/env bash
# Runs the section library loader under libFuzzer (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) for a bounded time, starting from a copy of the stored seed corpus.
# Exits non-zero when the fuzzer finds a crash or a failed check; the input that caused it is
# left in build-fuzz/. FUZZ_SECONDS sets the time (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"
build=build-fuzz

CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVEX_FUZZ=ON -DORVEX_CORE_ONLY=ON -DORVEX_BENCH=OFF -DORVEX_WERROR=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target profile_lib_fuzz

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp tests/fuzz/corpus/profile_lib/* "$corpus"/
"$build"/bin/profile_lib_fuzz -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build"/ "$corpus"
