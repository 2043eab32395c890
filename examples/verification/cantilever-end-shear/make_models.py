"""Writes the cantilever models: a 48 x 12 plate (E = 3e7, Mu = 0.3,
thickness 1) with a downward end shear of 1000 at x = 48, in square elements
from 8 x 2 to 128 x 32. In <columns>x<rows>/ the end x = 0 is supported as in
the elasticity solution; in clamped/<columns>x<rows>/ all its nodes are fixed.

    /usr/bin/python3 make_models.py [folder, by default the script's own]
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))
from model_file import MappedGrid, straight_line_load, write_model_file  # noqa: E402

LENGTH, DEPTH, E, MU, LOAD = 48.0, 12.0, 3e7, 0.3, 1000.0
INERTIA = DEPTH ** 3 / 12
ROWS = (2, 4, 8, 16, 32)


# Stresses of the elasticity solution at a point (x, y), with y measured from
# the middle of the depth.
def bending_stress(point):
    """SX: zero at the loaded end, largest at the support."""
    return LOAD * (LENGTH - point[0]) * point[1] / INERTIA


def shear_stress(point):
    """TXY: the same parabola at every x, its resultant the end load."""
    return -LOAD / (2 * INERTIA) * (DEPTH ** 2 / 4 - point[1] ** 2)


def end_loads(grid, column, rows):
    """The stresses of the elasticity solution as loads on the end edge at
    the given column. Walked counter-clockwise (up at x = 48, down at x = 0),
    the edge has the plate to its left, so at both ends the normal intensity
    is -SX and the tangential one is TXY."""
    upwards = column > 0
    loads = []
    for j in range(rows):
        start, end = grid.node(column, j), grid.node(column, j + 1)
        if not upwards:
            start, end = end, start
        ends = (grid.points[start], grid.points[end])
        qi, qj = straight_line_load(lambda p: -bending_stress(p), *ends)
        ti, tj = straight_line_load(shear_stress, *ends)
        loads.append((start, qi, ti, end, qj, tj))
    return loads


def write_models(rows, clamped, out):
    columns = 4 * rows
    grid = MappedGrid(columns, rows,
                      lambda i, j: (LENGTH * i / columns, -DEPTH / 2 + DEPTH * j / rows))
    loads = end_loads(grid, columns, rows)
    if clamped:
        folder = os.path.join(out, "clamped", f"{columns}x{rows}")
        constraints = [(grid.node(0, j), 1, 1) for j in range(rows + 1)]
    else:
        folder = os.path.join(out, f"{columns}x{rows}")
        loads += end_loads(grid, 0, rows)
        # The elasticity solution has u = 0 at the top and bottom of the
        # support and u = v = 0 at its middle: holding just these points
        # removes the rigid-body motion without disturbing the solution.
        constraints = [(grid.node(0, 0), 1, 0), (grid.node(0, rows // 2), 1, 1),
                       (grid.node(0, rows), 1, 0)]
    outline = [(0, -DEPTH / 2), (LENGTH, -DEPTH / 2), (LENGTH, DEPTH / 2), (0, DEPTH / 2)]
    write_model_file(os.path.join(folder, "fem.txt"), (E, MU, 1.0), grid, constraints,
                     loads, outline)


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else HERE
    for rows in ROWS:
        write_models(rows, False, out)
        write_models(rows, True, out)
