#!/usr/bin/python3
"""Runs two builds of Solvane on the same models and reports every difference.

Usage: scripts/compare_solvane_runs.py REFERENCE_SOLVANE SOLVANE [fem.txt ...]

Each model is run four times, each run in a folder of its own: by both
programs, each once with its fast forms and once with its plain forms
(SOLVANE_LITERAL_SOLVER=1). Every file a run leaves, and its console text with
the measured time masked, must be byte for byte those of the reference
program's fast run. Files that the reference program does not write at all
(Node_Reaction.txt) are left out of that comparison; the fast and the plain
run of the second program must agree on them. Without model files the script
takes the examples, the golden cases of the solver tests and models it
generates: regular and irregular meshes, clockwise and degenerate elements,
edge loads with tangential parts, a singular model, a model with a NaN force,
a model without elements. Exit status 0 when nothing differs.
"""

import os
import re
import subprocess
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def real(value):
    return "%.9g" % value


def plate_model(cols, rows, *, across=True, jitter=0.0, clockwise=False, constraints=None,
                forces="", extra_loads=True, collapse=None):
    """A plate of cols x rows quadrilaterals over [0, 5 cols] x [0, 5 rows].

    Nodes are numbered across the height (narrow band) or along the rows;
    `jitter` moves interior nodes by a pattern no two elements share;
    `collapse` moves a node onto its neighbour so that its elements degenerate.
    """
    def node(c, r):
        return c * (rows + 1) + r if across else r * (cols + 1) + c

    count = (cols + 1) * (rows + 1)
    coords = [None] * count
    for c in range(cols + 1):
        for r in range(rows + 1):
            x, y = 5.0 * c, 5.0 * r
            if 0 < c < cols and 0 < r < rows:
                x += jitter * ((c * 7 + r * 3) % 5 - 2)
                y += jitter * ((c * 3 + r * 5) % 7 - 3)
            coords[node(c, r)] = (x, y)
    if collapse is not None:
        c, r = collapse
        coords[node(c, r)] = coords[node(c + 1, r)]
    lines = ["E=210000", "Mu=0.3", "Thick=1.5", "NPOIN=%d" % count]
    lines += ["%s,%s" % (real(x), real(y)) for x, y in coords]
    lines.append("NELEM=%d" % (cols * rows))
    for c in range(cols):
        for r in range(rows):
            corners = [node(c, r), node(c + 1, r), node(c + 1, r + 1), node(c, r + 1)]
            if clockwise and (c + r) % 2 == 0:
                corners = [corners[0], corners[3], corners[2], corners[1]]
            lines.append(",".join(str(n) for n in corners))
    if constraints is None:
        constraints = ["%d:1 1" % node(0, r) for r in range(rows + 1)]
    lines.append("NRN=%d" % len(constraints))
    lines += constraints
    force_lines = [f for f in forces.split(";") if f]
    lines.append("NFOR=%d" % len(force_lines))
    lines += force_lines
    loads = []
    for r in range(rows):
        loads.append("%d(0,-2),%d(0,-2.5)" % (node(cols, r), node(cols, r + 1)))
    if extra_loads:
        for c in range(cols):
            loads.append("%d(%s,1.5),%d(%s,-0.5)" % (node(c + 1, rows), real(10 + 0.1 * c), node(c, rows),
                                                      real(12 - 0.05 * c)))
    lines.append("NPRS=%d" % len(loads))
    lines += loads
    return "\n".join(lines) + "\n"


def generated_models():
    far = lambda cols, rows: cols * (rows + 1) + rows
    return {
        "regular": plate_model(60, 20, forces="%d<3,-250>" % far(60, 20)),
        "irregular": plate_model(50, 30, across=False, jitter=0.9,
                                 constraints=["0:1 1", "0:1 1", "51:2 1", "102:1 0", "153:1 1"],
                                 forces="0<100,100>;1530<-40,7>;1530<1,2>"),
        "irregular_large": plate_model(110, 50, jitter=1.1, forces="%d<0,-400>" % far(110, 50)),
        "clockwise": plate_model(30, 10, jitter=0.5, clockwise=True),
        "singular": plate_model(20, 6, constraints=["0:1 1"]),
        "nan_force": plate_model(12, 4, forces="%d<nan,-10>" % far(12, 4)),
        "degenerate": plate_model(10, 4, collapse=(4, 2)),
        "no_elements": "E=1\nMu=0.3\nThick=1\nNPOIN=1\n0,0\nNELEM=0\nNRN=1\n0:1 1\nNFOR=0\nNPRS=0\n",
    }


def file_models():
    models = {}
    for folder in ("examples", "tests/solver/data"):
        for path in sorted((ROOT / folder).glob("*/fem.txt")):
            models["%s/%s" % (folder, path.parent.name)] = path.read_text()
    return models


def without_time(console):
    return re.sub(rb"\(Solution time:[^)]*\)", b"(Solution time:T)", console)


def run(program, model_text, folder, plain):
    folder.mkdir(parents=True)
    (folder / "fem.txt").write_text(model_text)
    environment = dict(os.environ)
    environment.pop("SOLVANE_LITERAL_SOLVER", None)
    if plain:
        environment["SOLVANE_LITERAL_SOLVER"] = "1"
    result = subprocess.run([str(Path(program).resolve())], cwd=folder, stdin=subprocess.DEVNULL,
                            stdout=subprocess.PIPE, env=environment, timeout=600)
    files = {path.name: path.read_bytes() for path in folder.iterdir()}
    return result.returncode, without_time(result.stdout), files


# Files that a newer Solvane writes beside those of the reference.
NEW_FILES = {"Node_Reaction.txt"}


def without_new_files(run_result, reference):
    """The run with the files of NEW_FILES that `reference` lacks left out."""
    status, console, files = run_result
    kept = {file: text for file, text in files.items()
            if file not in NEW_FILES or file in reference[2]}
    return status, console, kept


def compare_new_files(name, fast, plain):
    same = True
    for file in sorted(NEW_FILES):
        if fast[2].get(file) != plain[2].get(file):
            print("%s, plain against fast: %s differs" % (name, file))
            same = False
    return same


def compare(name, reference, candidate, label):
    differences = []
    if reference[0] != candidate[0]:
        differences.append("exit status %d against %d" % (candidate[0], reference[0]))
    if reference[1] != candidate[1]:
        differences.append("console text")
    if reference[2].keys() != candidate[2].keys():
        differences.append("files %s against %s" % (sorted(candidate[2]), sorted(reference[2])))
    for file in sorted(reference[2].keys() & candidate[2].keys()):
        if reference[2][file] != candidate[2][file]:
            differences.append(file)
    for difference in differences:
        print("%s, %s: %s differs" % (name, label, difference))
    return not differences


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    reference_program, program = sys.argv[1], sys.argv[2]
    models = {Path(p).parent.name or p: Path(p).read_text() for p in sys.argv[3:]}
    if not models:
        models = {**file_models(), **generated_models()}
    same = True
    with tempfile.TemporaryDirectory(prefix="compare_solvane_") as scratch:
        for index, (name, text) in enumerate(models.items()):
            base = Path(scratch) / str(index)
            reference = run(reference_program, text, base / "reference_fast", False)
            runs = {}
            for label, runner, plain in (("reference plain", reference_program, True),
                                         ("fast", program, False), ("plain", program, True)):
                runs[label] = run(runner, text, base / label.replace(" ", "_"), plain)
                candidate = without_new_files(runs[label], reference)
                same = compare(name, reference, candidate, label) and same
            same = compare_new_files(name, runs["fast"], runs["plain"]) and same
            print("%-40s %s, exit status %d, %d files" % (name, "compared", reference[0], len(reference[2])))
    print("all runs identical" if same else "DIFFERENCES FOUND")
    return 0 if same else 1


if __name__ == "__main__":
    sys.exit(main())
