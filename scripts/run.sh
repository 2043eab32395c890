#!/usr/bin/env bash
# The main job: installs, builds, and prepares a working folder work/ that holds
# the cantilever example as fem.txt, with the three programs side by side in
# work/bin/ as an installed set: Kestrix finds Solvane and Ambrel beside itself
# from any model folder. With a display it starts Kestrix in work/ (File > Open
# fem.txt, then Calculate > Solve, Result > Contour); without one it solves the
# example headless and leaves every result file in work/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
work="$root/work"
bin="$work/bin"
mkdir -p "$bin"
cp "$root/examples/cantilever/fem.txt" "$work/fem.txt"
cp "$root/build/solver/Solvane" "$root/build/gui/qt/Kestrix" "$root/build/viewer/qt/Ambrel" "$bin/"
cd "$work"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$bin/Kestrix"
fi
"$bin/Solvane" </dev/null
echo "No display: solved the cantilever example headless; the results are in $work"
