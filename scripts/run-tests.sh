#!/bin/bash
# Builds every tree and runs every test: native unit tests, the same under the
# sanitizers, a short run of each fuzz target, and the Windows tests under Wine.
# Ends with one summary line: "N passed, N failed".
set -u
cd "$(dirname "$0")/.."
JOBS=${JOBS:-$(nproc)}
FUZZ_SECONDS=${FUZZ_SECONDS:-5}
passed=0
failed=0
log=$(mktemp)
# Every sanitizer report is fatal, in the sanitizer tree and in the fuzz runs
# alike: a report printed while the run goes on would count as a pass.
export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

count_ctest() { # tree name, ctest output file
    local line p f total
    line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$2" | tail -1)
    if [ -z "$line" ]; then
        echo "$1: no test result (build or run failed)"
        failed=$((failed + 1))
        return
    fi
    f=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
    total=$(echo "$line" | sed -E 's/.* failed out of ([0-9]+).*/\1/')
    p=$((total - f))
    passed=$((passed + p))
    failed=$((failed + f))
    echo "$1: $p passed, $f failed"
}

build() { # dir, cmake args...
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; return 1; }
    ninja -C "$dir" -j "$JOBS" >"$dir.build.log" 2>&1 || { tail -60 "$dir.build.log"; return 1; }
}

mkdir -p build
echo "== format"
if git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror >"build/format.log" 2>&1; then
    echo "format: clean"
    passed=$((passed + 1))
else
    echo "format: files need clang-format"
    grep -E '^[^ ].*: (error|warning)' build/format.log | cut -d: -f1 | sort -u | head -20
    failed=$((failed + 1))
fi

echo "== native"
if build build/native -DCMAKE_BUILD_TYPE=Debug; then
    (cd build/native && ctest -j "$JOBS" --output-on-failure) >"$log" 2>&1
    grep -E '\*\*\*|tests passed' "$log" | tail -20
    count_ctest native "$log"
else
    echo "native: build failed"
    failed=$((failed + 1))
fi

echo "== sanitizers"
if build build/asan -DCMAKE_BUILD_TYPE=Debug -DWRENKIT_SANITIZE=ON -DWRENKIT_BENCH=OFF; then
    (cd build/asan && ASAN_OPTIONS=$ASAN_OPTIONS:detect_leaks=1 ctest -j "$JOBS" --output-on-failure) >"$log" 2>&1
    grep -E '\*\*\*|tests passed' "$log" | tail -20
    count_ctest sanitizers "$log"
else
    echo "sanitizers: build failed"
    failed=$((failed + 1))
fi

echo "== fuzz"
if build build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWRENKIT_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++; then
    for target in build/fuzz/fuzz/*_fuzz; do
        [ -x "$target" ] || continue
        name=$(basename "$target")
        seeds="fuzz/corpus/$name"
        work="build/fuzz/work/$name"
        mkdir -p "$work" "$seeds"
        if "$target" -max_total_time="$FUZZ_SECONDS" -rss_limit_mb=2048 -timeout=10 \
            -artifact_prefix="build/fuzz/" "$work" "$seeds" >"build/fuzz/$name.log" 2>&1; then
            echo "fuzz $name: clean"
            passed=$((passed + 1))
        else
            echo "fuzz $name: FAILED"
            tail -30 "build/fuzz/$name.log"
            failed=$((failed + 1))
        fi
    done
else
    echo "fuzz: build failed"
    failed=$((failed + 1))
fi

echo "== windows (wine)"
if build build/win -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake; then
    (cd build/win && ../../scripts/with-display.sh ctest --output-on-failure) >"$log" 2>&1
    grep -E '\*\*\*|tests passed|FAILED' "$log" | tail -20
    count_ctest windows "$log"
    WINEPREFIX=$PWD/build/win/wineprefix /usr/lib/wine/wineserver -k 2>/dev/null || true
    echo "screenshots: $PWD/build/win/artifacts"
else
    echo "windows: build failed"
    failed=$((failed + 1))
fi

rm -f "$log"
echo "all: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
