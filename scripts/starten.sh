#!/usr/bin/env bash
# Installs the dependencies, builds the program and starts it on the data folder beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/abhaengigkeiten.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORI_TESTS=OFF
cmake --build build
exec build/kori
