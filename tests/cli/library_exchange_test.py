#!/usr/bin/env python3
"""End-to-end test of `orvexcalc library show`, `export` and `import`.

Usage: library_exchange_test.py PATH_TO_ORVEXCALC
"""
import os
import subprocess
import sys
import tempfile
import unittest

ORVEXCALC = None

HEADER = "NAME\td\tbf\ttw\ttf\tr\tr2\tA\tG\tIx\tSx\trx\tIy\tSy\try\tex\tey\tZ\t"
ROWS = [
    "IPE200\t20\t10\t0.56\t0.85\t1.2\t0\t28.5\t22.4\t1940\t194\t8.26\t142\t28.5\t2.24\t5\t10\t0\t",
    "تير\t8.25\t-1\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t",
]
# The export: Windows-1256, CR LF.
EXPORTED = "".join(line + "\r\n" for line in [HEADER] + ROWS).encode("cp1256")
# What `show` prints: UTF-8, LF.
SHOWN = "".join(line + "\n" for line in [HEADER] + ROWS)
# A library file without tables: the header text and a table count of 0.
EMPTY_LIBRARY = b"Orvex Profile Library v1.0\x00"


def run(*args):
    return subprocess.run([ORVEXCALC, "library", *args], capture_output=True, encoding="utf-8")


class LibraryExchangeTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.dir = self.tmp.name
        self.lib = self.path("lib.opr")
        self.write("lib.opr", EMPTY_LIBRARY)
        self.write("ipe.txt", EXPORTED)

    def tearDown(self):
        self.tmp.cleanup()

    def path(self, name):
        return os.path.join(self.dir, name)

    def write(self, name, data):
        with open(self.path(name), "wb") as f:
            f.write(data.encode("utf-8") if isinstance(data, str) else data)

    def read(self, name):
        with open(self.path(name), "rb") as f:
            return f.read()

    def ok(self, *args):
        result = run(*args)
        self.assertEqual((result.returncode, result.stderr), (0, ""), args)
        return result.stdout

    def test_import_export_show_round_trip(self):
        self.ok("import", self.lib, "IPE", self.path("ipe.txt"))
        self.ok("export", self.lib, "IPE", "-o", self.path("out.txt"))
        self.assertEqual(self.read("out.txt"), EXPORTED)
        self.assertEqual(self.ok("show", self.lib, "IPE"), SHOWN)

        # The printed text imports back (as UTF-8) to the same table.
        self.write("shown.txt", SHOWN)
        self.ok("import", self.lib, "COPY", self.path("shown.txt"))
        self.assertEqual(self.ok("show", self.lib, "COPY"), SHOWN)

        # Importing into an existing table replaces its rows and keeps its place and kind.
        self.write("one.txt", HEADER + "\r\nIPE80\t8\r\n")
        self.ok("import", self.lib, "IPE", self.path("one.txt"))
        self.assertEqual(self.ok("show", self.lib, "IPE"), HEADER + "\nIPE80\t8" + "\t0" * 16 + "\t\n")
        self.assertEqual(self.ok("list", self.lib), "0\tpkI\tIPE\t1\t17\n1\tpkI\tCOPY\t2\t17\n")

    def test_new_table_name_and_kind(self):
        # A name typed with the Persian yeh is stored, and found, with the Arabic one.
        self.ok("import", self.lib, "نبشی", self.path("ipe.txt"), "--kind", "pkL")
        self.assertEqual(self.ok("show", self.lib, "نبشی"), SHOWN)
        self.assertEqual(self.ok("list", self.lib), "0\tpkL\tنبشي\t2\t17\n")

    def test_refusals_exit_2_and_change_nothing(self):
        self.ok("import", self.lib, "IPE", self.path("ipe.txt"))
        self.write("custom.txt", "NAME\td\r\nX\t1\r\n")
        self.write("long.txt", HEADER + "\r\n" + "".join(f"S{i}\t{i}\r\n" for i in range(101)))
        self.write("wide.txt", HEADER + "\r\nX\t1e39\r\n")
        before = self.read("lib.opr")
        cases = [
            (("import", self.lib, "IPE", self.path("custom.txt")),
             "the first line is not the header of a section table text file "
             "(NAME and the 17 default column names, separated by tabs)"),
            (("import", self.lib, "IPE", self.path("long.txt")),
             "the file holds 101 sections; a table holds at most 100"),
            (("import", self.lib, "IPE", self.path("wide.txt")),
             "line 2, column \"d\": the number 1e39 is too large for a section table (at most about 3.4E38)"),
            (("import", self.lib, "表", self.path("ipe.txt")),
             "the table name \"表\" has a character that Windows-1256 cannot hold"),
            (("import", self.lib, "A" * 30, self.path("ipe.txt")),
             f"the table name \"{'A' * 30}\" is longer than the 29 characters a library file keeps"),
            (("import", self.lib, "NEW", self.path("ipe.txt"), "--kind", "pkX"),
             "unknown section kind \"pkX\" (pkI, pkU, pkL, pkT, pkZ, pkBox, pkPipe or pk2I)"),
            (("import", self.lib, "IPE", self.path("ipe.txt"), "--kind", "pkL"),
             "table \"IPE\" exists and keeps its kind; --kind is for a new table"),
            (("show", self.lib, "NONE"), f"the library {self.lib} has no table named \"NONE\""),
            (("export", self.lib, "NONE", "-o", self.path("none.txt")),
             f"the library {self.lib} has no table named \"NONE\""),
        ]
        for args, message in cases:
            with self.subTest(args=args):
                result = run(*args)
                self.assertEqual((result.returncode, result.stdout, result.stderr),
                                 (2, "", f"orvexcalc: {message}\n"))
        self.assertEqual(self.read("lib.opr"), before)
        self.assertFalse(os.path.exists(self.path("none.txt")))

    def test_a_21st_table_is_refused(self):
        for i in range(20):
            self.ok("import", self.lib, f"T{i}", self.path("ipe.txt"))
        before = self.read("lib.opr")
        result = run("import", self.lib, "T20", self.path("ipe.txt"))
        self.assertEqual((result.returncode, result.stderr),
                         (2, f"orvexcalc: the library {self.lib} already holds 20 tables; "
                             "table \"T20\" cannot be added\n"))
        self.assertEqual(self.read("lib.opr"), before)


if __name__ == "__main__":
    ORVEXCALC = sys.argv.pop(1)
    unittest.main()
