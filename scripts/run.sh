#!/usr/bin/env bash
# The main job: installs, builds, and prepares a working folder work/ that holds
# Solvane and the cantilever example as fem.txt. With a display it starts
# Kestrix there (File > Open fem.txt, then Calculate > Solve); without one it
# solves the example headless and leaves every result file in work/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
work="$root/work"
mkdir -p "$work"
cp "$root/examples/cantilever/fem.txt" "$work/fem.txt"
cp "$root/build/solver/Solvane" "$work/Solvane"
cd "$work"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$root/build/gui/qt/Kestrix"
fi
./Solvane </dev/null
echo "No display: solved the cantilever example headless; the results are in $work"
