#!/usr/bin/env python3
"""End-to-end tests of `orvexcalc run`: jobs in, result, report and exit code out.

Usage: run_command_test.py PATH_TO_ORVEXCALC
The shipped main library is the one the build places next to orvexcalc.
"""
import json
import os
import subprocess
import sys
import tempfile
import unittest

ORVEXCALC = None
NO_RESULT = ".طراحي هيچ نتيجه اي در بر نداشت"


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data.encode("utf-8") if isinstance(data, str) else data)


class RunCommandTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.dir = self.tmp.name
        # an empty material file of our own keeps the tests away from the user's
        self.materials = os.path.join(self.dir, "UserMaterial.oum")
        write(self.materials, b"\0\0\0\0")

    def tearDown(self):
        self.tmp.cleanup()

    def run_job(self, job, *args):
        job = dict(job)
        job.setdefault("materials", self.materials)
        path = os.path.join(self.dir, "job.json")
        write(path, json.dumps(job, ensure_ascii=False))
        return subprocess.run([ORVEXCALC, "run", path, *args], capture_output=True, encoding="utf-8")

    def result(self, job):
        done = self.run_job(job)
        self.assertEqual((done.returncode, done.stderr), (0, ""), done.stdout)
        return json.loads(done.stdout)

    def assert_refused(self, job, message, *args):
        done = self.run_job(job, *args)
        self.assertEqual(done.returncode, 2, done.stdout + done.stderr)
        self.assertEqual(done.stdout, "")
        self.assertIn(message, done.stderr)
        self.assertEqual(done.stderr.count("\n"), 1, done.stderr)

    def library(self, rows, kind="pkI", columns="d\tbf\ttw\ttf\tr\tA\tIx\tSx\trx\tIy\tSy\try"):
        """A one-table library built from the given rows through `library build`."""
        src = os.path.join(self.dir, "src")
        write(os.path.join(src, "library.tsv"), f"{kind}\tT\ttables/T.tsv\t-\n")
        write(os.path.join(src, "tables/T.tsv"), "NAME\t" + columns + "\n" + "".join(r + "\n" for r in rows))
        lib = os.path.join(self.dir, "fixture.opr")
        built = subprocess.run([ORVEXCALC, "library", "build", src, "-o", lib], capture_output=True, encoding="utf-8")
        self.assertEqual(built.returncode, 0, built.stderr)
        return lib

    # --- the three workflows with the window's initial values --------------------------------

    def test_default_beam_design(self):
        r = self.result({})
        self.assertEqual((r["workflow"], r["mode"], r["found"]), ("beam", "design", True))
        self.assertEqual((r["title"], r["units"]), ("طراحي تير", "Kg.cm"))
        element = r["element"]
        self.assertEqual((element["ProfileName"], element["Source"], element["Kind"]), ("IPE", 0, 0))
        self.assertEqual((element["L"], element["Lbx"], element["Mx"], element["Vx"]), (350, 0, 450000, 6000))
        self.assertEqual(element["Material"], {"Name": "St 37", "Fy": 2400, "Fu": 3700, "E": 2100000})
        self.assertEqual([log["title"] for log in r["logs"]], ["كنترل خمش", "كنترل برش"])
        self.assertTrue(r["logs"][0]["lines"][-1].endswith("OK."))
        self.assertEqual(r["document"][0], {"type": "line", "text": "طراحي تير", "textStyle": 1, "paraStyle": 1})
        self.assertEqual(r["document"][2]["text"], "واحد به كار رفته شده UNITS = Kg.cm")
        table = r["document"][4]
        self.assertEqual(table["type"], "table")
        self.assertEqual(table["cells"][0][0]["text"], element["SectionName"])

    def test_analysis_in_other_units(self):
        r = self.result({"mode": "analysis", "units": {"length": "m", "force": "Ton", "decimals": 2},
                         "member": {"L": 3.5, "Mx": "4.5", "Vx": 6,
                                    "section": {"tab": "rolled", "table": "IPE", "name": "IPE300"}}})
        self.assertEqual((r["title"], r["units"], r["found"]), ("آناليز تير", "Ton.m", True))
        self.assertEqual((r["element"]["SectionName"], r["element"]["L"], r["element"]["Mx"]), ("IPE300", 350, 450000))
        self.assertIn("طول تير           L  = 3.5", [item.get("text") for item in r["document"]])

    def test_plate_beam_analysis(self):
        r = self.result({"mode": "analysis", "member": {"section": {"tab": "plate"}}})
        self.assertEqual((r["element"]["SectionName"], r["element"]["ProfileName"]), ("PL260x15+2PL140x20", "CUSTOM I"))
        self.assertEqual(r["element"]["Source"], 2)

    def test_default_column_and_connection(self):
        column = self.result({"workflow": "column"})
        self.assertEqual((column["title"], column["found"]), ("طراحي ستون", True))
        self.assertEqual([log["title"] for log in column["logs"]], ["كنترل  تنشهاي ستون"])
        connection = self.result({"workflow": "connection"})
        self.assertEqual(connection["title"], "طراحي اتصال ساده با نبشي نشيمن")
        beam, col = connection["connection"]["Beam"], connection["connection"]["Column"]
        # the window's remembered choices: 7th rolled section, 5th double section
        self.assertEqual((beam["SectionName"], col["SectionName"]), ("IPE220", "2IPE180"))
        self.assertEqual(connection["connection"]["Fexx"], 4200)
        if connection["found"]:
            pictures = [item for item in connection["document"] if item["type"] == "picture"]
            self.assertEqual((pictures[0]["width"], pictures[0]["paraStyle"]), (380, 0))

    def test_column_job_keys_reach_the_element(self):
        r = self.result({"workflow": "column", "mode": "analysis",
                         "member": {"P": "30000", "Kx": 0.8, "Ky": "2.1", "bracedX": False, "transverseLoadY": True,
                                    "cmCaseY": 3, "endMomentsX": {"M1": 300, "M2": 200, "curvature": 1},
                                    "section": {"tab": "composite", "table": "2IPE", "name": "2IPE300"}}})
        e = r["element"]
        self.assertEqual((e["SectionName"], e["Source"], e["P"], e["Kx"], e["Ky"]), ("2IPE300", 1, 30000, 0.8, 2.1))
        self.assertEqual((e["BracedX"], e["BracedY"], e["TransverseLoadY"], e["CmCaseY"]), (False, True, True, 3))
        self.assertEqual((e["M1x"], e["M2x"], e["CurvatureX"], e["CurvatureY"]), (200, 300, 1, 0))
        self.assertEqual(r["title"], "آناليز ستون")

    def test_connection_analysis(self):
        r = self.result({"workflow": "connection", "mode": "analysis",
                         "connection": {"angleTable": "L", "electrode": "E100 xx", "quality": "1.0"}})
        self.assertEqual((r["found"], r["connection"]["Fexx"], r["connection"]["Fee"]), (True, 7000, 1))
        self.assertEqual(r["element"]["ProfileName"], "L")
        self.assertGreater(len(r["logs"][0]["lines"]), 10)

    def test_design_without_result(self):
        r = self.result({"member": {"Mx": 999999999}})
        self.assertFalse(r["found"])
        texts = [item.get("text") for item in r["document"]]
        self.assertIn(NO_RESULT, texts)
        self.assertNotIn("table", [item["type"] for item in r["document"]])

    # --- formats and output files --------------------------------------------------------------

    def test_text_and_rtf_reports(self):
        text = self.run_job({}, "--format", "text")
        self.assertEqual(text.returncode, 0)
        self.assertTrue(text.stdout.startswith("طراحي تير\n" + "-" * 72 + "\n"))
        out = os.path.join(self.dir, "report.rtf")
        rtf = self.run_job({}, "--format", "rtf", "-o", out)
        self.assertEqual((rtf.returncode, rtf.stdout, rtf.stderr), (0, "", ""))
        with open(out, "rb") as f:
            self.assertTrue(f.read().startswith(b"{\\rtf1"))

    def test_failures_leave_an_existing_output_intact(self):
        out = os.path.join(self.dir, "report.json")
        write(out, "previous")
        self.assert_refused({"member": {"L": "abc"}}, '"abc" is not a valid number', "-o", out)
        self.assert_refused({}, "cannot write", "-o", os.path.join(self.dir, "missing", "report.json"))
        with open(out) as f:
            self.assertEqual(f.read(), "previous")

    # --- jobs that cannot be run ----------------------------------------------------------------

    def test_invalid_jobs_are_refused(self):
        cases = [
            ({"colour": 1}, 'unknown key "colour" in the job'),
            ({"member": {"section": {"tab": "rolled", "colour": 1}}}, 'unknown key "colour" in member.section'),
            ({"workflow": "truss"}, '"workflow" must be'),
            ({"units": {"length": "km"}}, '"units.length" must be'),
            ({"units": {"decimals": 6}}, '"units.decimals" must be'),
            ({"units": {"decimals": 4294967296}}, '"units.decimals" must be'),
            ({"member": {"Mx": "1,5"}}, '"1,5" is not a valid number'),
            ({"member": {"L": "1e4000"}}, '"1e4000" is out of the range of numbers'),
            ({"member": {"material": "St 99"}}, 'no material named "St 99"'),
            ({"member": {"section": {"table": "XYZ"}}}, 'no rolled table named "XYZ"'),
            ({"mode": "analysis", "member": {"section": {"name": "IPE999"}}}, 'no section named "IPE999"'),
            ({"member": {"section": {"tab": "plate"}}}, "can only be analysed"),
            ({"workflow": "column", "member": {"Kx": 20}}, "between 0.5 and 10"),
            ({"workflow": "connection", "connection": {"electrode": "E90"}}, '"connection.electrode" must be'),
            ({"library": os.path.join("/nonexistent", "lib.opr")}, "cannot open"),
        ]
        for job, message in cases:
            with self.subTest(job=job):
                self.assert_refused(job, message)

    def test_command_line_errors_exit_2(self):
        for args in (["run"], ["run", "job.json", "--format", "pdf"], ["frobnicate"], []):
            with self.subTest(args=args):
                done = subprocess.run([ORVEXCALC, *args], capture_output=True, encoding="utf-8")
                self.assertEqual((done.returncode, done.stdout), (2, ""))
                self.assertIn("--help", done.stderr)
        self.assertEqual(subprocess.run([ORVEXCALC, "--help"], capture_output=True).returncode, 0)
        missing = subprocess.run([ORVEXCALC, "run", os.path.join(self.dir, "none.json")], capture_output=True,
                                 encoding="utf-8")
        self.assertEqual(missing.returncode, 2)
        self.assertIn("cannot open", missing.stderr)

    def test_unreadable_job_and_damaged_library(self):
        path = os.path.join(self.dir, "broken.json")
        write(path, "{ not json")
        done = subprocess.run([ORVEXCALC, "run", path], capture_output=True, encoding="utf-8")
        self.assertEqual((done.returncode, done.stdout), (2, ""))
        self.assertIn("is not valid JSON", done.stderr)
        wrong = os.path.join(self.dir, "wrong.opr")
        write(wrong, b"Orvex Profile Library v2.0\0")
        self.assert_refused({"library": wrong}, wrong + ": فايل كتابخانه مقاطع نمي باشد")

    def test_malformed_sections_end_the_run_naming_the_section(self):
        good = "10\t5.5\t0.41\t0.57\t0.7\t10.3\t171\t34.2\t4.07\t15.9\t5.79\t1.24"
        cases = [
            (["BAD1\t10\t5.5\t0\t0.57\t0.7\t10.3\t171\t34.2\t4.07\t15.9\t5.79\t1.24"], "BAD1", "tw"),
            (["BAD2\t10\t5.5\t0.41\t0.57\t0.7\t10.3\t171\t0\t4.07\t15.9\t5.79\t1.24"], "BAD2", "Sx"),
        ]
        for rows, name, value in cases:
            with self.subTest(section=name):
                lib = self.library(rows)
                for mode in ("analysis", "design"):
                    done = self.run_job({"mode": mode, "library": lib})
                    self.assertEqual((done.returncode, done.stdout), (2, ""), done.stderr)
                    self.assertIn(name, done.stderr)
                    self.assertIn(value, done.stderr)
                    self.assertNotIn("nan", done.stderr.lower())
        # a table without an Sx column: the analysis meets -1, the design finds nothing to start from
        lib = self.library(["NOSX\t" + "\t".join(good.split("\t")[:7] + good.split("\t")[8:])],
                           columns="d\tbf\ttw\ttf\tr\tA\tIx\trx\tIy\tSy\try")
        self.assert_refused({"mode": "analysis", "library": lib}, "NOSX")
        self.assertFalse(self.result({"library": lib})["found"])
        self.assert_refused({"mode": "analysis", "member": {"section": {"tab": "plate", "plates": {"d": 0}}}},
                            "the plate size d must be greater than 0")


if __name__ == "__main__":
    ORVEXCALC = sys.argv.pop(1)
    unittest.main(verbosity=1)
