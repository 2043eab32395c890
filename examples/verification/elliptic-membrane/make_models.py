"""Writes the elliptic membrane models: a quarter of the ring between the
ellipses (x/2)^2 + y^2 = 1 and (x/3.25)^2 + (y/2.75)^2 = 1 (lengths in m,
stresses in MPa: E = 210000, Mu = 0.3, thickness 0.1), pulled outwards by
10 MPa on the outer ellipse, in meshes from 2 x 3 to 64 x 96 elements
(across the ring x around it), written to <across>x<around>/.

    /usr/bin/python3 make_models.py [folder, by default the script's own]
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))
from model_file import (MappedGrid, outer_pull, quarter_circle, quarter_symmetry,  # noqa: E402
                        write_model_file)

INNER, OUTER = (2.0, 1.0), (3.25, 2.75)
E, MU, THICKNESS, PRESSURE = 210000.0, 0.3, 0.1, 10.0
ACROSS = (2, 4, 8, 16, 32, 64)
# Elements shrink towards the point (2, 0), where the stress peaks: positions
# across and around the ring go as the fraction to this power.
GRADING = 1.5


def place(i, j, across, around):
    """Node i across the ring (0 on the inner ellipse) and j around it (0 on
    the x axis). Every ring of nodes lies on an ellipse whose semi-axes
    change linearly from the inner to the outer one."""
    s = (i / across) ** GRADING
    c, d = quarter_circle((j / around) ** GRADING)
    return ((INNER[0] + (OUTER[0] - INNER[0]) * s) * c,
            (INNER[1] + (OUTER[1] - INNER[1]) * s) * d)


def write_model(across, out):
    around = 3 * across // 2
    grid = MappedGrid(across, around, lambda i, j: place(i, j, across, around))
    path = os.path.join(out, f"{across}x{around}", "fem.txt")
    write_model_file(path, (E, MU, THICKNESS), grid, quarter_symmetry(grid),
                     outer_pull(grid, PRESSURE, around))


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else HERE
    for across in ACROSS:
        write_model(across, out)
