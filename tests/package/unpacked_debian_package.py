"""Builds the Debian package of a build folder with CPack, unpacks it with
dpkg-deb into a scratch folder (it is never installed on the machine) and
checks it as an installed set: what it holds, what it depends on, and that
its programs solve and draw an example from there.

Usage: unpacked_debian_package.py <build folder> <path of the build's Solvane>
"""

import configparser
import glob
import os
import pathlib
import shutil
import stat
import subprocess
import sys
import tempfile
import unittest
from xml.etree import ElementTree

PROGRAMS = ["Ambrel", "Kestrix", "Solvane"]
EXAMPLES = "usr/share/doc/platefem/examples"
MODEL_TYPE = "application/x-kestrix-model"
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def run(command, **options):
    return subprocess.run(command, check=True, capture_output=True, text=True,
                          timeout=300, **options).stdout


def build_package(build, scratch):
    run(["cpack", "-G", "DEB", "--config", os.path.join(build, "CPackConfig.cmake"),
         "-B", scratch])
    (package,) = glob.glob(os.path.join(scratch, "*.deb"))
    return package


def read_desktop_entry(path):
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(path, encoding="utf-8")
    return entry["Desktop Entry"]


def is_elf(path):
    with open(path, "rb") as file:
        return file.read(4) == b"\x7fELF"


def png_size(path):
    with open(path, "rb") as file:
        head = file.read(24)
    assert head.startswith(PNG_SIGNATURE), f"{path} is not a PNG"
    return int.from_bytes(head[16:20], "big"), int.from_bytes(head[20:24], "big")


def solve_example(solvane, model, folder):
    os.makedirs(folder)
    shutil.copy(model, os.path.join(folder, "fem.txt"))
    subprocess.run([solvane], cwd=folder, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   check=True, timeout=120)
    return {path.name: path.read_bytes() for path in sorted(pathlib.Path(folder).iterdir())}


class UnpackedDebianPackage(unittest.TestCase):
    build = None
    build_solvane = None

    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory()
        cls.package = build_package(cls.build, cls.scratch.name)
        cls.root = os.path.join(cls.scratch.name, "root")
        run(["dpkg-deb", "-x", cls.package, cls.root])

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def path(self, *parts):
        return os.path.join(self.root, *parts)

    def field(self, name):
        return run(["dpkg-deb", "-f", self.package, name]).strip()

    def test_programs_are_side_by_side_in_bin(self):
        self.assertEqual(sorted(os.listdir(self.path("usr/bin"))), PROGRAMS)
        for program in PROGRAMS:
            mode = os.stat(self.path("usr/bin", program)).st_mode
            self.assertTrue(mode & stat.S_IXOTH, f"{program} is not executable")

    def test_no_other_program_is_shipped(self):
        # Tests and benchmarks are executables too: none may leave the build.
        shipped = [os.path.relpath(os.path.join(folder, name), self.root)
                   for folder, _, names in os.walk(self.root) for name in names]
        programs = [path for path in shipped if is_elf(self.path(path))]
        self.assertEqual(sorted(programs), [f"usr/bin/{p}" for p in PROGRAMS])

    def test_desktop_entries_are_valid_and_open_files(self):
        applications = self.path("usr/share/applications")
        for name in ["kestrix.desktop", "ambrel.desktop"]:
            run(["desktop-file-validate", os.path.join(applications, name)])
        kestrix = read_desktop_entry(os.path.join(applications, "kestrix.desktop"))
        self.assertEqual(kestrix["Exec"], "Kestrix %f")
        self.assertEqual(kestrix["MimeType"], MODEL_TYPE + ";")
        ambrel = read_desktop_entry(os.path.join(applications, "ambrel.desktop"))
        self.assertEqual(ambrel["Exec"].split()[0], "Ambrel")

    def test_icons_are_in_the_hicolor_theme(self):
        applications = self.path("usr/share/applications")
        for name in ["kestrix.desktop", "ambrel.desktop"]:
            icon = read_desktop_entry(os.path.join(applications, name))["Icon"]
            svg = self.path("usr/share/icons/hicolor/scalable/apps", icon + ".svg")
            self.assertTrue(os.path.isfile(svg), f"{name}: no icon {icon}")
            drawing = ElementTree.parse(svg).getroot()
            self.assertEqual(drawing.tag, "{http://www.w3.org/2000/svg}svg")
            width, height = drawing.get("viewBox").split()[2:]
            self.assertEqual(width, height, f"{icon} is not square")

    def test_model_file_name_has_the_model_type(self):
        mime = os.path.join(self.scratch.name, "mime")
        shutil.copytree(self.path("usr/share/mime"), mime)
        run(["update-mime-database", mime])
        with open(os.path.join(mime, "globs2"), encoding="utf-8") as globs:
            self.assertIn(f"{MODEL_TYPE}:fem.txt", [line.split(":", 1)[1].strip()
                                                    for line in globs if ":" in line])

    def test_examples_are_in_the_documentation_folder(self):
        for example in ["cantilever", "single-element"]:
            self.assertTrue(os.path.isfile(self.path(EXAMPLES, example, "fem.txt")))
        self.assertTrue(os.path.isfile(self.path(EXAMPLES, "verification", "benchmarks.py")))
        shipped = [name for _, folders, _ in os.walk(self.path(EXAMPLES)) for name in folders]
        self.assertNotIn("__pycache__", shipped)

    def test_depends_on_the_qt_libraries_it_links(self):
        depends = [item.split()[0] for item in self.field("Depends").split(", ")]
        for library in ["libqt6core6", "libqt6gui6", "libqt6widgets6", "libstdc++6", "libc6"]:
            self.assertIn(library, depends)

    def test_control_fields_describe_the_package(self):
        self.assertEqual(self.field("Package"), "platefem")
        self.assertEqual(self.field("Section"), "science")
        self.assertEqual(self.field("Architecture"), run(["dpkg", "--print-architecture"]).strip())
        self.assertRegex(self.field("Maintainer"), r"^[^<>]+ <[^<>@]+@[^<>]+>$")
        self.assertIn("plane-stress", self.field("Description"))

    def test_unpacked_programs_solve_and_draw_an_example(self):
        model = self.path(EXAMPLES, "cantilever", "fem.txt")
        unpacked = os.path.join(self.scratch.name, "unpacked-run")
        results = solve_example(self.path("usr/bin/Solvane"), model, unpacked)
        self.assertIn("Node_Stress_ZelContour.txt", results)
        # The packaged, stripped solver is the build's: the very same digits.
        built = solve_example(self.build_solvane, model,
                              os.path.join(self.scratch.name, "build-run"))
        self.assertEqual(results, built)

        picture = os.path.join(self.scratch.name, "cantilever.png")
        run([self.path("usr/bin/Ambrel"), unpacked, "--png", picture, "--size", "400x300"])
        self.assertEqual(png_size(picture), (400, 300))


if __name__ == "__main__":
    UnpackedDebianPackage.build_solvane = os.path.abspath(sys.argv.pop(2))
    UnpackedDebianPackage.build = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
