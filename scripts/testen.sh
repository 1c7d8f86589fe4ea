#!/usr/bin/env bash
# Installs the dependencies, builds with the sanitizers and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/abhaengigkeiten.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORI_SANITIZE=ON
cmake --build build-test
QT_QPA_PLATFORM=offscreen ctest --test-dir build-test --output-on-failure
