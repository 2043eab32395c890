"""Model files for the verification examples: a structured mesh mapped onto
the region, the model file written from it with six significant digits, as
Kestrix writes them, and the mesh read back from a model file."""

import math
import os


def number(value):
    return f"{value:g}"


class MappedGrid:
    """Nodes at place(i, j) for i = 0..columns, j = 0..rows, and the
    quadrilaterals between them, counter-clockwise when i and j run like x
    and y. Nodes are numbered along the shorter direction first, which keeps
    the band narrow."""

    def __init__(self, columns, rows, place):
        self.columns, self.rows = columns, rows
        if rows <= columns:
            self.node = lambda i, j: i * (rows + 1) + j
            order = [(i, j) for i in range(columns + 1) for j in range(rows + 1)]
        else:
            self.node = lambda i, j: j * (columns + 1) + i
            order = [(i, j) for j in range(rows + 1) for i in range(columns + 1)]
        self.points = [place(i, j) for i, j in order]
        node = self.node
        self.elements = [(node(i, j), node(i + 1, j), node(i + 1, j + 1), node(i, j + 1))
                         for i in range(columns) for j in range(rows)]


def quarter_circle(fraction):
    """Point of the unit circle at fraction x 90 degrees, exact at both ends
    so that nodes on the axes get coordinates of exactly 0."""
    angle = math.pi / 2 * fraction
    return (math.cos(angle) if fraction < 1 else 0.0, math.sin(angle))


def quarter_symmetry(grid):
    """Constraints of a quarter model whose grid starts on the x axis (j = 0)
    and ends on the y axis (j = rows): v = 0 on the first, u = 0 on the
    second."""
    return ([(grid.node(i, 0), 0, 1) for i in range(grid.columns + 1)]
            + [(grid.node(i, grid.rows), 1, 0) for i in range(grid.columns + 1)])


def outer_pull(grid, stress, rows):
    """A uniform pull on the outermost column's edges between j = 0 and
    j = rows. Walked with j, counter-clockwise, they have the body on their
    left, where a positive normal intensity pushes: a pull is negative."""
    i = grid.columns
    return [(grid.node(i, j), -stress, 0, grid.node(i, j + 1), -stress, 0) for j in range(rows)]


def straight_line_load(traction, start, end):
    """Intensities at the two ends of the straight-line load with the same
    resultant and moment over the segment as the traction, a function of the
    position. Its nodal forces are those of the traction itself whenever the
    traction is at most quadratic along the segment."""
    middle = tuple((a + b) / 2 for a, b in zip(start, end))
    at_start, at_middle, at_end = traction(start), traction(middle), traction(end)
    return ((2 * at_start + 2 * at_middle - at_end) / 3,
            (2 * at_end + 2 * at_middle - at_start) / 3)


def write_model_file(path, material, grid, constraints=(), edge_loads=(), outline=()):
    """Writes the model into path (folders made as needed). material is
    (E, Mu, Thick); constraints are (node, ux, uy); edge loads are
    (i, qi, ti, j, qj, tj). A four-cornered outline, when given, becomes the
    polygon that Kestrix shows; without it the geometry section is empty."""
    lines = [f"E={number(material[0])}", f"Mu={number(material[1])}",
             f"Thick={number(material[2])}", f"NPOIN={len(grid.points)}"]
    lines += [f"{number(x)},{number(y)}" for x, y in grid.points]
    lines.append(f"NELEM={len(grid.elements)}")
    lines += [",".join(map(str, element)) for element in grid.elements]
    lines.append(f"NRN={len(constraints)}")
    lines += [f"{node}:{ux} {uy}" for node, ux, uy in constraints]
    lines += ["NFOR=0", f"NPRS={len(edge_loads)}"]
    lines += [f"{i}({number(qi)},{number(ti)}),{j}({number(qj)},{number(tj)})"
              for i, qi, ti, j, qj, tj in edge_loads]
    lines.append(f"NGPT={len(outline)}")
    lines += [f"{k}:{number(x)},{number(y)}" for k, (x, y) in enumerate(outline)]
    if outline:
        lines += ["NPG=1", f"0[{len(outline)}]:" + " ".join(map(str, range(len(outline))))]
    else:
        lines.append("NPG=0")
    lines.append("#end")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as model:
        model.write("\n".join(lines) + "\n")


def read_mesh(path):
    """Node coordinates and element corners of a model file."""
    with open(path) as model:
        lines = model.read().split()
    nodes = int(lines[3].removeprefix("NPOIN="))
    points = [tuple(map(float, line.split(","))) for line in lines[4:4 + nodes]]
    count = int(lines[4 + nodes].removeprefix("NELEM="))
    elements = [tuple(map(int, line.split(","))) for line in lines[5 + nodes:5 + nodes + count]]
    return points, elements
