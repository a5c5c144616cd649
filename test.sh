#!/usr/bin/env bash
# Sets up and builds both editions, then runs every test three ways: the normal build (with the
# browser page in Chromium, Firefox and WebKit, and the Debian package), the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the libFuzzer run over the reading of typed
# numbers. Prints the figures the tests report, then how many passed.
set -euo pipefail
cd "$(dirname "$0")"
./web.sh
scripts/setup.sh --tests -DRICATTURA_WEB_PAGE="$PWD/build-web/ricattura.html"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRICATTURA_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j2
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DRICATTURA_SANITIZE=ON -DRICATTURA_FUZZ=ON -DRICATTURA_FUZZ_SECONDS=60 >/dev/null
cmake --build build-fuzz -j2

passed=0
failed=0
for dir in build build-sanitize build-fuzz; do
  echo "== tests in $dir"
  ctest --test-dir "$dir" --output-on-failure -j2 | tee "$dir/ctest.out" || true
  summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$dir/ctest.out" | tail -1)
  if [ -z "$summary" ]; then
    echo "error: ctest in $dir ended without a summary" >&2
    failed=$((failed + 1))
    continue
  fi
  bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")
  all=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$summary")
  passed=$((passed + all - bad))
  failed=$((failed + bad))
done

echo "== figures"
for dir in build build-sanitize; do
  grep -h -E '^(window walk|browser page):' "$dir/Testing/Temporary/LastTest.log" | sed "s|^|$dir: |" || true
done
grep -E '^([0-9]+/[0-9]+ Test: fuzz_[a-z_]+$|stat::number_of_executed_units)' build-fuzz/Testing/Temporary/LastTest.log || true
echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
