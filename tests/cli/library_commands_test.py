#!/usr/bin/env python3
"""End-to-end test of `orvexcalc library list` and `orvexcalc library build`.

Usage: library_commands_test.py PATH_TO_ORVEXCALC
"""
import os
import struct
import subprocess
import sys
import tempfile
import unittest

ORVEXCALC = None
NOT_A_LIBRARY = "فايل كتابخانه مقاطع نمي باشد"


def bmp(width, height):
    row = (width * 3 + 3) // 4 * 4
    pixels = bytes(row * height)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data.encode("utf-8") if isinstance(data, str) else data)


def run(*args):
    return subprocess.run([ORVEXCALC, *args], capture_output=True, encoding="utf-8")


class LibraryCommandsTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.dir = self.tmp.name
        self.src = os.path.join(self.dir, "data")
        write(os.path.join(self.src, "library.tsv"),
              "# kind\tname\trows\tpicture\n"
              "pkI\tIPE\ttables/IPE.tsv\tpictures/IPE.bmp\n"
              "pkL\tنبشي\ttables/L.tsv\t-\n")
        write(os.path.join(self.src, "tables/IPE.tsv"), "NAME\td\tbf\ttw\nIPE100\t10\t5.5\t0.41\nIPE120\t12\t6.4\t0.44\n")
        write(os.path.join(self.src, "tables/L.tsv"), "NAME\td\tA\r\nL20x3\t2\t1.12\r\n")
        write(os.path.join(self.src, "pictures/IPE.bmp"), bmp(64, 64))
        self.lib = os.path.join(self.dir, "out.opr")

    def tearDown(self):
        self.tmp.cleanup()

    def test_build_then_list(self):
        built = run("library", "build", self.src, "-o", self.lib)
        self.assertEqual((built.returncode, built.stdout, built.stderr), (0, "", ""))
        listed = run("library", "list", self.lib)
        self.assertEqual((listed.returncode, listed.stderr), (0, ""))
        self.assertEqual(listed.stdout, "0\tpkI\tIPE\t2\t3\n1\tpkL\tنبشي\t1\t2\n")

    def test_faults_exit_2_with_one_line_and_write_nothing(self):
        write(self.lib, b"previous")
        not_a_library = os.path.join(self.dir, "text.opr")
        write(not_a_library, "Orvex Profile Library v2.0 and more")
        write(os.path.join(self.src, "library.tsv"), "pkQ\tX\ttables/IPE.tsv\t-\n")
        cases = [
            (("library", "list", not_a_library), f"orvexcalc: {not_a_library}: {NOT_A_LIBRARY}\n"),
            (("library", "list", os.path.join(self.dir, "none.opr")),
             f"orvexcalc: cannot open {self.dir}/none.opr: No such file or directory\n"),
            (("library", "build", self.src, "-o", self.lib),
             f"orvexcalc: {self.src}/library.tsv:1: unknown section kind \"pkQ\"\n"),
        ]
        for args, message in cases:
            with self.subTest(args=args):
                result = run(*args)
                self.assertEqual((result.returncode, result.stdout, result.stderr), (2, "", message))
        with open(self.lib, "rb") as f:
            self.assertEqual(f.read(), b"previous")


if __name__ == "__main__":
    ORVEXCALC = sys.argv.pop(1)
    unittest.main()
