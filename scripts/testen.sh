#!/usr/bin/env bash
# Installs the dependencies, builds with the sanitizers and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/abhaengigkeiten.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORI_SANITIZE=ON
cmake --build build-test
if ! QT_QPA_PLATFORM=offscreen ctest --test-dir build-test --output-on-failure; then
    # A long log shows only its ends: the failed checks once more, where they are seen.
    grep -h -B1 -A3 -E '^(FAIL!|QFATAL)|ERROR: (Address|Leak|Undefined)Sanitizer|runtime error' \
        build-test/Testing/Temporary/LastTest.log | tail -n 80 || true
    exit 1
fi
