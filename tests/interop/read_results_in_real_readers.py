"""Runs Solvane on a small plate and reads its drawings with ezdxf and its
Tecplot files with VTK's Tecplot reader, as the users' own tools would.

Usage: read_results_in_real_readers.py <path of Solvane>
"""

import os
import subprocess
import sys
import tempfile
import unittest

import ezdxf
import vtk

# A 30 x 20 plate of 3 x 2 elements, clamped on its left edge and pulled down
# at its top right corner. Nodes run row by row from the bottom.
COLUMNS, ROWS, SIDE = 3, 2, 10.0
NODES = [(SIDE * i, SIDE * j) for j in range(ROWS + 1) for i in range(COLUMNS + 1)]
ELEMENTS = [
    (j * (COLUMNS + 1) + i, j * (COLUMNS + 1) + i + 1,
     (j + 1) * (COLUMNS + 1) + i + 1, (j + 1) * (COLUMNS + 1) + i)
    for j in range(ROWS) for i in range(COLUMNS)
]
CLAMPED = [j * (COLUMNS + 1) for j in range(ROWS + 1)]
MODEL_FILE = "\n".join(
    ["E=210000", "Mu=0.3", "Thick=1", f"NPOIN={len(NODES)}"]
    + [f"{x:g},{y:g}" for x, y in NODES]
    + [f"NELEM={len(ELEMENTS)}"]
    + [",".join(map(str, corners)) for corners in ELEMENTS]
    + [f"NRN={len(CLAMPED)}"]
    + [f"{node}:1 1" for node in CLAMPED]
    + ["NFOR=1", f"{len(NODES) - 1}<0,-100>", "NPRS=0", ""]
)

VTK_QUAD = 9
FRAMES = 31


def run_solvane(solvane, directory):
    with open(os.path.join(directory, "fem.txt"), "w") as model:
        model.write(MODEL_FILE)
    subprocess.run([solvane], cwd=directory, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, check=True, timeout=60)


def read_tecplot(path):
    # The reader crashes on a missing file instead of reporting it.
    if not os.path.isfile(path):
        raise AssertionError(f"{os.path.basename(path)} was not written")
    reader = vtk.vtkTecplotReader()
    reader.SetFileName(path)
    reader.Update()
    return reader.GetOutput()


def block_names(blocks):
    return [blocks.GetMetaData(i).Get(vtk.vtkCompositeDataSet.NAME())
            for i in range(blocks.GetNumberOfBlocks())]


def point_array_names(grid):
    data = grid.GetPointData()
    return [data.GetArrayName(i) for i in range(data.GetNumberOfArrays())]


def cell_nodes(grid, cell):
    ids = grid.GetCell(cell).GetPointIds()
    return tuple(ids.GetId(k) for k in range(ids.GetNumberOfIds()))


def point_values(grid, name):
    values = grid.GetPointData().GetArray(name)
    return [values.GetValue(i) for i in range(values.GetNumberOfTuples())]


class ResultsInRealReaders(unittest.TestCase):
    solvane = None

    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory()
        run_solvane(cls.solvane, cls.scratch.name)

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def path(self, name):
        return os.path.join(self.scratch.name, name)

    def assert_is_plate_mesh(self, grid):
        self.assertEqual(grid.GetNumberOfPoints(), len(NODES))
        self.assertEqual(grid.GetNumberOfCells(), len(ELEMENTS))
        for cell, corners in enumerate(ELEMENTS):
            self.assertEqual(grid.GetCellType(cell), VTK_QUAD)
            self.assertEqual(cell_nodes(grid, cell), corners)

    def assert_undeformed_points(self, grid):
        for n, (x, y) in enumerate(NODES):
            self.assertEqual(grid.GetPoint(n)[:2], (x, y))

    def test_structure_drawing_has_edges_and_numbers(self):
        space = ezdxf.readfile(self.path("structure.dxf")).modelspace()
        self.assertEqual(len(space.query("LINE")), 4 * len(ELEMENTS))
        texts = space.query("TEXT")
        self.assertEqual(len(texts), len(ELEMENTS) + len(NODES))
        element_numbers = [t.dxf.text for t in texts if t.dxf.layer == "1"]
        node_numbers = [t.dxf.text for t in texts if t.dxf.layer == "2"]
        self.assertEqual(element_numbers, [str(e) for e in range(len(ELEMENTS))])
        self.assertEqual(node_numbers, [str(n) for n in range(len(NODES))])
        for text in texts:
            self.assertAlmostEqual(text.dxf.height, SIDE / 5)
        first_edge = space.query("LINE")[0]
        self.assertEqual(tuple(first_edge.dxf.start), (0, 0, 0))
        self.assertEqual(tuple(first_edge.dxf.end), (SIDE, 0, 0))

    def test_deformation_drawing_has_only_edges(self):
        space = ezdxf.readfile(self.path("deformation.dxf")).modelspace()
        edges = space.query("LINE")
        self.assertEqual(len(edges), 4 * len(ELEMENTS))
        self.assertEqual(len(space.query("TEXT")), 0)
        clamped = edges[0].dxf.start  # constraints hold it to round-off
        self.assertAlmostEqual(clamped.x, 0, places=9)
        self.assertAlmostEqual(clamped.y, 0, places=9)
        # The loaded corner (node 11, end of the second edge of element 5)
        # moves down by a tenth of the plate's length.
        loaded_corner = edges[4 * 5 + 1].dxf.end
        self.assertAlmostEqual(loaded_corner.y, 20 - 3, places=4)

    def test_node_stress_file_is_one_quadrilateral_zone(self):
        blocks = read_tecplot(self.path("Node_Stress_Tecplot.dat"))
        self.assertEqual(block_names(blocks), ["P_1"])
        grid = blocks.GetBlock(0)
        self.assert_is_plate_mesh(grid)
        self.assert_undeformed_points(grid)
        self.assertEqual(point_array_names(grid), [" SX", " SY", " TXY", " SE"])

    def test_equivalent_stress_file_carries_the_same_equivalent_stress(self):
        all_components = read_tecplot(self.path("Node_Stress_Tecplot.dat")).GetBlock(0)
        blocks = read_tecplot(self.path("Equivalent_Node_Stress_Tecplot.dat"))
        self.assertEqual(block_names(blocks), ["P_1"])
        grid = blocks.GetBlock(0)
        self.assert_is_plate_mesh(grid)
        self.assertEqual(point_array_names(grid), [" Se"])
        self.assertEqual(point_values(grid, " Se"), point_values(all_components, " SE"))

    def test_animation_has_31_frames_from_rest_to_full_stress(self):
        blocks = read_tecplot(self.path("Animate_Equivalent_Node_Stress_Tecplot.dat"))
        self.assertEqual(block_names(blocks), [f"Frame_{f}" for f in range(FRAMES)])
        for f in range(FRAMES):
            grid = blocks.GetBlock(f)
            self.assert_is_plate_mesh(grid)
            self.assertEqual(point_array_names(grid), [" Se"])
        first, last = blocks.GetBlock(0), blocks.GetBlock(FRAMES - 1)
        self.assert_undeformed_points(first)
        self.assertEqual(set(point_values(first, " Se")), {0.0})
        full = read_tecplot(self.path("Equivalent_Node_Stress_Tecplot.dat")).GetBlock(0)
        self.assertEqual(point_values(last, " Se"), point_values(full, " Se"))
        self.assertAlmostEqual(last.GetPoint(len(NODES) - 1)[1], 20 - 3, places=4)


if __name__ == "__main__":
    ResultsInRealReaders.solvane = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
