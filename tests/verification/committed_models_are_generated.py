"""Passes when every generator of the verification examples writes exactly
the model files committed beside it, and all their elements run
counter-clockwise, so that the models, the scripts and the READMEs agree."""

import filecmp
import os
import subprocess
import sys
import tempfile

EXAMPLES = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                        "..", "..", "examples", "verification")
sys.path.insert(0, EXAMPLES)
from model_file import read_mesh  # noqa: E402


def model_files(folder):
    return sorted(os.path.relpath(os.path.join(root, "fem.txt"), folder)
                  for root, _, files in os.walk(folder) if "fem.txt" in files)


def clockwise_elements(path):
    points, elements = read_mesh(path)
    clockwise = 0
    for element in elements:
        corners = [points[n] for n in element]
        twice_area = sum(a[0] * b[1] - b[0] * a[1]
                         for a, b in zip(corners, corners[1:] + corners[:1]))
        clockwise += twice_area <= 0
    return clockwise


failures = []
for example in sorted(os.listdir(EXAMPLES)):
    generator = os.path.join(EXAMPLES, example, "make_models.py")
    if not os.path.isfile(generator):
        continue
    committed = os.path.join(EXAMPLES, example)
    with tempfile.TemporaryDirectory() as written:
        subprocess.run([sys.executable, generator, written], check=True)
        names = model_files(written)
        if names != model_files(committed):
            failures.append(f"{example}: the generator writes {names}")
        _, differ, missing = filecmp.cmpfiles(written, committed, names, shallow=False)
        failures += [f"{example}/{name} differs from its generator's" for name in differ + missing]
    failures += [f"{example}/{name}: {count} elements not counter-clockwise"
                 for name in model_files(committed)
                 if (count := clockwise_elements(os.path.join(committed, name)))]
print("\n".join(failures) or "all models current and counter-clockwise")
sys.exit(1 if failures else 0)
