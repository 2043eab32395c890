#!/usr/bin/env bash
# The main job: installs, builds, and solves the bundled cantilever example in
# a working folder, leaving every result file there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
work="$root/work"
mkdir -p "$work"
cp "$root/examples/cantilever/fem.txt" "$work/fem.txt"
cp "$root/build/solver/Solvane" "$work/Solvane"
(cd "$work" && ./Solvane </dev/null) || true
echo "Results of the cantilever example are in $work"
