#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over every source file in src/. Not part of CI:
# it takes several minutes. Exits non-zero when there is a finding.
set -euo pipefail
cd "$(dirname "$0")/.."
ordner=build-tidy
cmake -S . -B "$ordner" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORI_TESTS=OFF -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
# The generated headers (forms, moc, version) must exist before the sources can be checked.
cmake --build "$ordner" --target kori_logik_autogen kori_ui_autogen kori_autogen
run-clang-tidy -quiet -p "$ordner" -j "${JOBS:-2}" "$(pwd)/src/.*\.cpp$"
