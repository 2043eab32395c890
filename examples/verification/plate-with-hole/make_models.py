"""Writes the models of a plate with a circular hole in uniaxial tension: a
quarter of a 600 x 200 plate (mm; E = 210000 MPa, Mu = 0.3, thickness 1)
with a central hole of radius 10, pulled by 100 MPa along its length, in
meshes from 4 x 4 to 64 x 64 elements (away from the hole x around it),
written to <away>x<around>/. 
    /usr/bin/python3 make_models.py [folder, by default the script's own]
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))
from model_file import (MappedGrid, outer_pull, quarter_circle, quarter_symmetry,  # noqa: E402
                        write_model_file)

RADIUS, HALF_LENGTH, HALF_WIDTH = 10.0, 300.0, 100.0
E, MU, THICKNESS, TENSION = 210000.0, 0.3, 1.0, 100.0
AROUND = (4, 8, 16, 32, 64)
# Element sizes away from the hole grow geometrically, by this factor from the
# hole to the plate's edge, so that the elements at the hole are small.
GROWTH = 30.0


def outer_point(fraction):
    """Point of the plate's outer edges, walked from the loaded end's foot
    (300, 0) up to the corner (300, 100) and on to (0, 100), at the given
    fraction of that length."""
    along = (HALF_WIDTH + HALF_LENGTH) * fraction
    if along <= HALF_WIDTH:
        return (HALF_LENGTH, along)
    return (HALF_LENGTH - (along - HALF_WIDTH), HALF_WIDTH)


def place(i, j, away, around):
    """Node i away from the hole (0 on it) on the straight line from the
    hole's point at j/around x 90 degrees to the outer point at the same
    fraction."""
    c, s = quarter_circle(j / around)
    inner = (RADIUS * c, RADIUS * s)
    outer = outer_point(j / around)
    f = (GROWTH ** (i / away) - 1) / (GROWTH - 1)
    return tuple(a + (b - a) * f for a, b in zip(inner, outer))


def write_model(around, out):
    away = around
    grid = MappedGrid(away, around, lambda i, j: place(i, j, away, around))
    path = os.path.join(out, f"{away}x{around}", "fem.txt")
    # The loaded end takes the first quarter of the outer nodes.
    write_model_file(path, (E, MU, THICKNESS), grid, quarter_symmetry(grid),
                     outer_pull(grid, TENSION, around // 4))


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else HERE
    for around in AROUND:
        write_model(around, out)
