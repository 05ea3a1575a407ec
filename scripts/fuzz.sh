#!/usr/bin/env bash
# Runs the fuzz targets (the section library loader, then the units layer) under libFuzzer (clang,
# AddressSanitizer and UndefinedBehaviorSanitizer) for a bounded time each, starting from copies of
# the stored seed corpora.
# Exits non-zero when the fuzzer finds a crash or a failed check; the input that caused it is
# left in build-fuzz/. FUZZ_SECONDS sets the time (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"
build=build-fuzz

CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVEX_FUZZ=ON -DORVEX_CORE_ONLY=ON -DORVEX_BENCH=OFF -DORVEX_WERROR=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target profile_lib_fuzz units_fuzz

# fuzz TARGET SECONDS: runs one target over a copy of its seed corpus
fuzz() {
    local corpus
    corpus=$(mktemp -d)
    cp "tests/fuzz/corpus/$1"/* "$corpus"/
    "$build/bin/$1_fuzz" -max_total_time="$2" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build"/ "$corpus" || { rm -rf "$corpus"; return 1; }
    rm -rf "$corpus"
}

fuzz profile_lib "$seconds"
fuzz units 20
