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
APPLICATIONS = "usr/share/applications"
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

    def test_only_the_three_programs_are_shipped_side_by_side_in_bin(self):
        # Tests and benchmarks are executables too: none may leave the build.
        shipped = [os.path.relpath(os.path.join(folder, name), self.root)
                   for folder, _, names in os.walk(self.root) for name in names]
        programs = sorted(path for path in shipped if is_elf(self.path(path)))
        self.assertEqual(programs, [f"usr/bin/{p}" for p in PROGRAMS])
        for program in programs:
            self.assertTrue(os.stat(self.path(program)).st_mode & stat.S_IXOTH, program)

    def test_desktop_entries_are_valid_and_open_files(self):
        for name in ["kestrix.desktop", "ambrel.desktop"]:
            run(["desktop-file-validate", self.path(APPLICATIONS, name)])
        kestrix = read_desktop_entry(self.path(APPLICATIONS, "kestrix.desktop"))
        self.assertEqual(kestrix["Exec"], "Kestrix %f")
        self.assertEqual(kestrix["MimeType"], MODEL_TYPE + ";")

    def test_icons_are_in_the_hicolor_theme(self):
        for name in ["kestrix.desktop", "ambrel.desktop"]:
            icon = read_desktop_entry(self.path(APPLICATIONS, name))["Icon"]
            svg = self.path("usr/share/icons/hicolor/scalable/apps", icon + ".svg")
            self.assertEqual(ElementTree.parse(svg).getroot().tag, "{http://www.w3.org/2000/svg}svg")

    def test_model_file_name_has_the_model_type(self):
        mime = os.path.join(self.scratch.name, "mime")
        shutil.copytree(self.path("usr/share/mime"), mime)
        run(["update-mime-database", mime])
        with open(os.path.join(mime, "globs2"), encoding="utf-8") as globs:
            self.assertIn(f"{MODEL_TYPE}:fem.txt", [line.split(":", 1)[1].strip()
                                                    for line in globs if ":" in line])

    def test_examples_are_in_the_documentation_folder(self):
        self.assertTrue(os.path.isfile(self.path(EXAMPLES, "cantilever", "fem.txt")))
        folders = [name for _, names, _ in os.walk(self.path(EXAMPLES)) for name in names]
        self.assertIn("verification", folders)
        self.assertNotIn("__pycache__", folders)

    def test_control_fields_name_the_package_and_its_qt_dependencies(self):
        self.assertEqual(self.field("Package"), "platefem")
        self.assertEqual(self.field("Section"), "science")
        self.assertRegex(self.field("Maintainer"), r"^[^<>]+ <[^<>@]+@[^<>]+>$")
        depends = [item.split()[0] for item in self.field("Depends").split(", ")]
        for library in ["libqt6core6", "libqt6gui6", "libqt6widgets6", "libstdc++6", "libc6"]:
            self.assertIn(library, depends)

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
