#!/usr/bin/env bash
# Installs, builds and runs every test: once in the normal build, once more
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j2
"$root/scripts/build.sh" "$root/build-sanitize" -DPLATEFEM_SANITIZE=ON -DPLATEFEM_BUILD_GUI=OFF -DPLATEFEM_BUILD_BENCH=OFF
ctest --test-dir "$root/build-sanitize" --output-on-failure -j2
