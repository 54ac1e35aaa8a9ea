#!/usr/bin/env bash
# Builds the fuzz targets (clang with AddressSanitizer, UndefinedBehaviorSanitizer and libFuzzer)
# in build/fuzz, writes their seed corpora with the menu writer, and runs each target for a fixed
# number of runs over its seeds. Exits non-zero when a target finds a crash, a leak, a hang or a
# broken rule, or when anything does not build.
#
#   scripts/fuzz-smoke.sh            # 20000 runs per target
#   FUZZ_RUNS=200000 scripts/fuzz-smoke.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tree="$root/build/fuzz"
runs="${FUZZ_RUNS:-20000}"
jobs="${FUZZ_JOBS:-$(nproc)}"

mkdir -p "$tree"
cmake -S "$root" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DORVANE_FUZZ=ON -DORVANE_TESTS=OFF -DORVANE_BENCH=OFF > "$tree/configure.log" ||
  { cat "$tree/configure.log"; exit 1; }
cmake --build "$tree" --target orvane_fuzzers -j "$jobs"

seeds="$tree/corpus-seed"
rm -rf "$seeds"
"$tree/fuzz/make_seed_corpus" "$seeds"

# target:max_len:dictionary
targets=(
  container:8192:menu.dict
  menu_load:16384:menu.dict
  shape_text:4096:shape_text.dict
  error_flags:5000:error_flags.dict
  targets:1024:targets.dict
)

status=0
for entry in "${targets[@]}"; do
  IFS=: read -r name max_len dict <<<"$entry"
  # A scratch corpus so that the committed seeds stay as written and runs do not pile up.
  work="$tree/smoke/$name"
  rm -rf "$work" && mkdir -p "$work" "$tree/artifacts/$name"
  log="$tree/smoke/$name.log"
  # The inputs that once found faults run again first, under the sanitizers.
  kept=()
  [ -d "$root/tests/unit/fuzz_regressions/inputs/$name" ] && kept=("$root/tests/unit/fuzz_regressions/inputs/$name")
  if "$tree/fuzz/fuzz_$name" "$work" "$seeds/$name" "${kept[@]}" -runs="$runs" -seed=1 -max_len="$max_len" \
      -dict="$root/fuzz/$dict" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$tree/artifacts/$name/" > "$log" 2>&1; then
    echo "fuzz $name: $(grep -E '^Done [0-9]+ runs' "$log" || echo done)"
  else
    echo "fuzz $name: FAILED (input kept under $tree/artifacts/$name/)"
    grep -E 'ERROR|broken rule|SUMMARY|Test unit written' "$log" | head -20 || tail -20 "$log"
    status=1
  fi
done
exit $status
