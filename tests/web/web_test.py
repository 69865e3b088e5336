#!/usr/bin/python3
"""The browser edition in real browsers: Debian's Chromium, Firefox ESR and
WebKitGTK (engines.py), the one named by MERVANE_WEB_ENGINE (chromium by
default). A user's work runs once, on the page opened from disk; served on
loopback run only the rows whose answer depends on the origin (the service
worker, installing, going offline, where requests go). What the page shows is
read from its fields, as a user reads them. The rows that need Chromium's
DevTools protocol run in it alone; each row's time goes to standard error.

    [MERVANE_WEB_ENGINE=chromium|firefox|webkit] web_test.py SITE_FOLDER DESIGN_JSON
"""

import base64
import functools
import http.server
import json
import os
import subprocess
import sys
import tempfile
import threading
import time
import unittest

import engines

SITE = None
DESIGN = None

MEAN_AND_SD = "At the least, measure mean and measure SD field mus be entered."
COMPARED = ("Trail Making B (lower is better) has a standard score of 79 (Below average) and score B one of 120 "
            "(Above average): Trail Making B is 41 points lower than score B. With reliabilities of 0.86 and 0.9, the "
            "difference is reliable at the 95% level: larger than measurement error alone would give (z = -5.58, more "
            "than 99.99% confidence; the critical difference is 14.4). With a correlation of 0.4 between the tests, 0.63% of "
            "the population would show a difference at least this large in the same direction.")
PERCENTILE = "You cannot have a percentile above 100 or below 0"


ENGINE = os.environ.get("MERVANE_WEB_ENGINE", "chromium")


def browser(language="en-US"):
    """Headless Chromium as a selenium driver, for the rows that need its DevTools protocol."""
    return engines.chromium_driver(language)


def chromium_only(test):
    return unittest.skipUnless(ENGINE == "chromium", "needs Chromium's DevTools protocol")(test)


class Served:
    """The site on a loopback HTTP server of its own. `inject` runs before the
    page's own scripts; the files in `blocked` are refused."""

    def __init__(self, inject=None, blocked=()):
        handler = functools.partial(QuietHandler, directory=SITE, inject=inject, blocked=blocked)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = "http://127.0.0.1:%d/index.html" % self.server.server_address[1]

    def close(self):
        self.server.shutdown()
        self.server.server_close()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, inject=None, blocked=(), **kwargs):
        self.inject, self.blocked = inject, blocked
        super().__init__(*args, **kwargs)

    def do_GET(self):
        name = self.path.split("?")[0].rsplit("/", 1)[-1]
        if name in self.blocked:
            self.send_error(404)
            return
        if not self.inject or name not in ("", "index.html"):
            super().do_GET()
            return
        with open(os.path.join(SITE, "index.html"), "rb") as f:
            page = f.read().replace(b"<head>", b"<head><script>" + self.inject.encode() + b"</script>", 1)
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(page)))
        self.end_headers()
        self.wfile.write(page)

    def log_message(self, *args):
        pass


def wait(probe, seconds=10, what="the page"):
    """Polls probe() until it returns something true."""
    end = time.monotonic() + seconds
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.05)


class Page:
    """The page in one of the engines, used as a person uses it; its controls
    are found by window and design name."""

    def __init__(self, engine, url, splash=False, fresh=True):
        if not hasattr(engine, "script"):  # a selenium driver of Chromium's
            engine = engines.Selenium("chromium", engine)
        self.engine = engine
        engine.get(url)
        wait(lambda: self.script("return document.documentElement.dataset.ready"), 20, "the page to start")
        # A row starts without the session an earlier row left in the tab, unless it asks for it.
        if fresh and self.script("const had = sessionStorage.length > 0; sessionStorage.clear(); return had"):
            engine.get(url)
            wait(lambda: self.script("return document.documentElement.dataset.ready"), 20, "the page to start")
        # The splash lies over the main window for two seconds; its own row
        # times it on a fake clock, and every other row closes it as its timer would.
        if not splash:
            self.script("document.getElementById('frmSplash').hidden = true")

    @staticmethod
    def control(window, name):
        return '#%s [data-name="%s"]' % (window, name)

    def script(self, body, *args):
        return self.engine.script(body, *args)

    def async_script(self, body, *args):
        return self.engine.async_script(body, *args)

    def type(self, window, name, text):
        """Key by key, each through the page's keystroke handling."""
        self.engine.type(self.control(window, name), text)

    def fill(self, window, **texts):
        """Types each text into its box, in the order given."""
        for name, text in texts.items():
            self.type(window, name, text)

    def set(self, window, name, text):
        """Puts a text in a box at once, as a paste does."""
        self.script("const box = document.querySelector(arguments[0]); box.value = arguments[1];"
                    "box.dispatchEvent(new Event('input', {bubbles: true}));", self.control(window, name), text)

    def clear(self, window, name):
        self.set(window, name, "")

    def click(self, window, name):
        self.engine.click(self.control(window, name))

    def checked(self, window, name):
        return self.script("return document.querySelector(arguments[0]).checked", self.control(window, name))

    def text(self, window, name):
        return self.script("return document.querySelector(arguments[0]).value", self.control(window, name))

    def active(self):
        """The design name (or else the id) of the control with the focus."""
        return self.script("return document.activeElement.dataset.name || document.activeElement.id")

    def alt(self, letter):
        self.engine.press(letter, "Alt")

    def press(self, key):
        self.engine.press(key)

    def message(self):
        """The open message box's title and text, or None."""
        return self.script("""
            const box = document.getElementById('msgbox');
            if (!box.open || !box.matches(':modal')) return null;
            return [document.getElementById('msgbox-title').textContent,
                    document.getElementById('msgbox-text').textContent];""")

    def answer_message(self):
        self.engine.click("#msgbox-ok")

    def is_open(self, window):
        return self.script("return document.getElementById(arguments[0]).matches(':modal')", window)

    def stub_clipboard(self):
        """What Copy puts on the clipboard lands in window.copied."""
        self.script("navigator.clipboard.writeText = (t) => { window.copied = t; return Promise.resolve(); };")

    def copied(self):
        return self.script("return window.copied")

    def requests(self, page_url):
        """Every request the page made (the browser's own start page aside); Chromium's log."""
        urls = []
        for entry in self.engine.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent" and \
                    message["params"].get("documentURL") == page_url:
                urls.append(message["params"]["request"]["url"])
        return urls


RESULTS = ["txtSD1", "txtSD196", "txtSD258", "txt25Percent", "txt75Percent", "txt95Percent", "txt99Percent",
           "txtZScore", "txtPercentile", "txtConf", "txtSDUser", "txtUserSDAnswer", "txtPercentileUser",
           "txtUserPercentileAnswer"]


class FromDisk(unittest.TestCase):
    """A user's work, in every engine, on the page opened from disk: one
    browser for the class, the page loaded afresh for each test."""

    @classmethod
    def setUpClass(cls):
        cls.engine = engines.launch(ENGINE)
        cls.url = "file://" + os.path.join(SITE, "index.html")

    @classmethod
    def tearDownClass(cls):
        cls.engine.quit()

    def setUp(self):
        self.page = Page(self.engine, self.url)

    def test_the_typical_request_typed_key_by_key(self):
        p = self.page
        p.type("frmMain", "txtMean", "50")
        p.type("frmMain", "txtSD", "10")
        p.type("frmMain", "txtScore", "65")
        p.type("frmMain", "txtUserStipulatedSD", "2")
        p.type("frmMain", "txtUserStipulatedPercentile", "90")
        p.alt("g")
        self.assertEqual([p.text("frmMain", n) for n in RESULTS],
                         ["60", "69.6", "75.8", "43.26", "56.74", "66.45", "73.26", "1.5", "93.32", "86.64",
                          "2", "70", "90", "62.82"])
        self.assertIsNone(p.message())
        p.alt("c")
        self.assertEqual([p.text("frmMain", n) for n in ["txtMean", "txtSD1", "txtZScore"]], ["", "", ""])

    def test_the_keystroke_rule(self):
        cases = [("txtMean", "1a.2.3b", "1.23"), ("txtSD", "-+e, x7", "7"), ("txtScore", "9€½5", "95"),
                 ("txtMeasure", "WAIS-IV, 4th", "WAIS-IV, 4th")]
        for name, typed, shown in cases:
            with self.subTest(name=name):
                self.page.type("frmMain", name, typed)
                self.assertEqual(self.page.text("frmMain", name), shown)
        p = self.page
        if self.engine.name == "chromium":
            # Text inserted several characters at a time, as an input method does, is checked as a whole.
            from selenium.webdriver.common.by import By
            from selenium.webdriver.common.keys import Keys
            driver = self.engine.driver
            p.script("document.querySelector(arguments[0]).focus()", p.control("frmMain", "txtUserStipulatedSD"))
            driver.execute_cdp_cmd("Input.insertText", {"text": "1..2"})
            self.assertLessEqual(p.text("frmMain", "txtUserStipulatedSD").count("."), 1)
            p.clear("frmMain", "txtUserStipulatedSD")
            driver.execute_cdp_cmd("Input.insertText", {"text": "9a"})
            self.assertEqual(p.text("frmMain", "txtUserStipulatedSD"), "", "whole or not at all")
            # A paste is not filtered: copied from the free measure name, pasted into the raw score.
            for name in ("txtScore", "txtMeasure"):
                p.clear("frmMain", name)
            p.type("frmMain", "txtMeasure", "-1.5e1 (from the report)")
            box = lambda name: driver.find_element(By.CSS_SELECTOR, p.control("frmMain", name))
            box("txtMeasure").send_keys(Keys.CONTROL, "a")
            box("txtMeasure").send_keys(Keys.CONTROL, "c")
            box("txtScore").send_keys(Keys.CONTROL, "v")
            self.assertEqual(p.text("frmMain", "txtScore"), "-1.5e1 (from the report)")
        p.alt("c")
        self.assertEqual(p.text("frmMain", "txtMeasure"), "", "Clear empties the measure name too")

    def test_the_two_messages_in_a_modal_box_titled_mervane(self):
        p = self.page
        p.alt("g")
        self.assertEqual(p.message(), ["Mervane", MEAN_AND_SD])
        p.press("Escape")
        self.assertIsNone(p.message(), "Escape closes the message box")
        p.alt("g")
        p.answer_message()
        self.assertIsNone(p.message())
        p.type("frmMain", "txtMean", "50")
        p.type("frmMain", "txtSD", "10")
        p.type("frmMain", "txtUserStipulatedPercentile", "150")
        p.click("frmMain", "cmdGo")
        self.assertEqual(p.message(), ["Mervane", PERCENTILE])
        p.answer_message()
        self.assertEqual(p.text("frmMain", "txtSD1"), "60")  # results before the message stay

    def test_the_converter_answers_and_refuses(self):
        p = self.page
        rows = [("95", "", "Standard Deviation = 1.96", None),
                ("", "1", "Confidence Interval = 68.27", None),
                ("", "0.974214593831", "Confidence Interval = 67.01", None),
                ("100", "", "Confidence Interval = 67.01", "Your confidence level must be below 100 and above 0."),
                ("95", "2", "Confidence Interval = 67.01", "You must enter data in one box only"),
                ("", "", "Confidence Interval = 67.01", "You must enter data in one of the boxes")]
        p.press("F1")
        self.assertTrue(p.is_open("frmConvert"))
        p.type("frmConvert", "txtConf", "-9a,5")
        self.assertEqual(p.text("frmConvert", "txtConf"), "95", "the converter's boxes take the keystroke rule")
        for confidence, deviations, answer, message in rows:
            with self.subTest(confidence=confidence, deviations=deviations):
                for name in ("txtConf", "txtSD"):
                    p.clear("frmConvert", name)
                p.type("frmConvert", "txtConf", confidence)
                p.type("frmConvert", "txtSD", deviations)
                p.alt("d")
                self.assertEqual(p.message(), None if message is None else ["Mervane", message])
                if message:
                    p.answer_message()
                self.assertEqual(p.text("frmConvert", "txtAnswer"), answer)
        p.press("Escape")
        self.assertTrue(p.is_open("frmConvert"), "Escape closes no window")
        p.script("document.getElementById('frmConvert').requestClose()")
        self.assertTrue(p.is_open("frmConvert"), "nor does any other close request")
        p.alt("c")
        self.assertFalse(p.is_open("frmConvert"))
        p.click("frmMain", "picConf")
        self.assertTrue(p.is_open("frmConvert"))
        self.assertEqual(p.text("frmConvert", "txtAnswer"), "", "each opening starts empty")

    def test_the_interpretation_opens_prefilled_and_is_wired(self):
        p = self.page
        p.type("frmMain", "txtMean", "50")
        p.type("frmMain", "txtSD", "10")
        p.type("frmMain", "txtScore", "65")
        p.press("F2")
        self.assertTrue(p.is_open("frmInterpret"))
        self.assertEqual([p.text("frmInterpret", n) for n in ("txtMean", "txtSD", "txtScore", "txtLevel", "txtReliability")],
                         ["50", "10", "65", "95", ""])
        p.type("frmInterpret", "txtReliability", "0.9a")
        p.alt("g")
        self.assertEqual(p.text("frmInterpret", "txtTrueLow"), "57.62")
        self.assertTrue(p.script("return !!document.querySelector('#frmInterpret [data-name=picCurve] svg #score')"))
        p.stub_clipboard()
        p.alt("p")
        self.assertEqual(p.copied(), p.text("frmInterpret", "txtReport"))
        p.clear("frmInterpret", "txtScore")
        p.alt("g")
        self.assertEqual(p.message(), ["Mervane", "Enter the measure's mean, its SD and a raw score."])
        p.answer_message()
        p.alt("c")
        self.assertFalse(p.is_open("frmInterpret"))
        p.click("frmMain", "cmdInterpret")
        self.assertTrue(p.is_open("frmInterpret"))
        self.assertEqual([p.text("frmInterpret", n) for n in ("txtReliability", "txtScore", "txtTrueLow")],
                         ["0.9", "65", ""], "it opens again with its inputs as left, and no result")

    def test_many_scores_are_read_into_a_table_and_copied(self):
        p = self.page
        p.type("frmMain", "txtMean", "100")
        p.type("frmMain", "txtSD", "15")
        p.press("F2")
        p.alt("m")
        self.assertTrue(p.is_open("frmBatch"))
        self.assertEqual(p.text("frmBatch", "txtLevel"), "95")
        p.set("frmBatch", "txtScores", "115\n\nabsent\n")
        p.alt("g")
        table = p.script("""
            const t = document.querySelector('#frmBatch [data-name=grdScores] table');
            return [[...t.tHead.rows[0].cells].map((c) => c.scope + ':' + c.textContent),
                    [...t.tBodies[0].rows].map((r) => [...r.cells].map((c) => c.textContent))];""")
        self.assertEqual(table[0][8], "col:Label")
        self.assertEqual(table[1], [["115", "1", "84.13", "60", "115", "13", "7", "8", "High average"],
                                    ["absent", "not a number"]])
        p.stub_clipboard()
        p.alt("p")
        copied = ("Score\tz\tPercentile\tT\tStandard\tScaled\tStanine\tSten\tLabel\n"
                  "115\t1\t84.13\t60\t115\t13\t7\t8\tHigh average\nabsent\tnot a number\n")
        self.assertEqual(p.copied(), copied)
        # After a refusal there is nothing to copy: the clipboard keeps what it held.
        p.clear("frmBatch", "txtSD")
        p.alt("g")
        p.answer_message()
        p.alt("p")
        self.assertEqual(p.copied(), copied)
        # Rows are counted from the header, also those drawn once the table scrolls.
        p.type("frmBatch", "txtSD", "15")
        p.set("frmBatch", "txtScores", "\n".join(str(1000 + i) for i in range(1000)))
        p.alt("g")
        row_of = """
            const grid = document.querySelector('#frmBatch [data-name=grdScores]');
            grid.scrollTop = arguments[1]; grid.dispatchEvent(new Event('scroll'));
            const row = [...grid.querySelectorAll('tbody tr[aria-rowindex]')].find((r) => r.cells[0].textContent === arguments[0]);
            return row && row.getAttribute('aria-rowindex');"""
        self.assertEqual(p.script(row_of, "1000", 0), "2")
        self.assertEqual(p.script(row_of, "1499", 499 * 18), "501")

    def test_the_profile_opens_prefilled_and_is_wired(self):
        p = self.page
        p.fill("frmMain", txtMeasure="Word List", txtMean="50", txtSD="10", txtScore="44")
        p.press("F3")
        self.assertTrue(p.is_open("frmProfile"))
        self.assertEqual([p.text("frmProfile", n) for n in ("txtRows", "txtLevel")], ["Word List\t50\t10\t44", "95"])
        marks = "return document.querySelector('#frmProfile [data-name=picProfile]').innerHTML.split('class=\"score').length - 1"
        self.assertEqual(p.script(marks), 0, "it opens with its blank picture")
        p.press("F4")
        self.assertFalse(p.is_open("frmCompare"), "one window at a time")
        # The carried line is selected: a paste replaces it.
        p.script("document.execCommand('insertText', false, arguments[0])", "Digit Span;10;3;10\nVocabulary;10;3;14\nno figures")
        p.alt("g")
        rows = p.script("""
            return [...document.querySelectorAll('#frmProfile [data-name=grdProfile] tbody tr[aria-rowindex]')]
                .map((r) => [...r.cells].map((c) => c.colSpan + ':' + c.textContent));""")
        self.assertEqual([r[0] for r in rows], ["1:Digit Span", "1:Vocabulary", "1:no figures"])
        self.assertEqual(rows[2][-1], "9:needs a name, mean, SD, score and, if known, a reliability and a direction, "
                                      "separated by tabs or semicolons")
        self.assertEqual(p.text("frmProfile", "txtMeanScore"), "110")
        p.stub_clipboard()
        p.script("""
            URL.createObjectURL = (blob) => { window.saved = blob; return 'blob:saved'; };
            HTMLAnchorElement.prototype.click = function () { window.downloaded = this.download; };""")
        p.alt("p")
        self.assertTrue(p.copied().startswith("Measure\tScore\tz\t"))
        p.alt("s")
        self.assertEqual(p.script("return window.downloaded"), "profile.svg")
        svg = p.async_script("window.saved.text().then(arguments[0])")
        self.assertTrue(svg.startswith("<svg") and svg.count('class="score') == 2, svg[:200])
        p.alt("c")
        p.click("frmMain", "cmdProfile")
        self.assertTrue(p.text("frmProfile", "txtRows").startswith("Digit Span"), "the battery it kept")
        self.assertEqual(p.script(marks), 0, "no old picture beside an empty table")

    def test_two_scores_open_prefilled_and_are_wired(self):
        p = self.page
        p.fill("frmMain", txtMeasure="Trail Making B", txtMean="75", txtSD="25", txtScore="110")
        p.press("F4")
        self.assertTrue(p.is_open("frmCompare"))
        self.assertEqual([p.text("frmCompare", n) for n in ("txtNameA", "txtMeanA", "txtSDA", "txtScoreA", "txtLevel")],
                         ["Trail Making B", "75", "25", "110", "95"])
        p.click("frmCompare", "chkLowerA")
        p.fill("frmCompare", txtReliabilityA="0.86", txtMeanB="10", txtSDB="3", txtScoreB="14")
        p.alt("g")
        self.assertEqual(p.message(), ["Mervane", "A reliable difference needs both reliabilities."])
        p.answer_message()
        self.assertEqual(p.text("frmCompare", "txtStandardA"), "79")
        p.fill("frmCompare", txtReliabilityB="0.9", txtCorrelation="0.4")
        p.alt("g")
        self.assertEqual(p.text("frmCompare", "txtRarity"), "0.63")
        self.assertEqual(p.text("frmCompare", "txtReport"), COMPARED)
        p.stub_clipboard()
        p.alt("p")
        self.assertEqual(p.copied(), COMPARED)
        self.assertEqual(p.script("""return ['chkLowerA', 'chkLowerB'].map((n) =>
            document.querySelector('#frmCompare [data-name=' + n + ']').getAttribute('aria-label'))"""),
                         ["Score A: lower is better", "Score B: lower is better"])
        p.alt("c")
        p.click("frmMain", "cmdCompare")
        self.assertEqual([p.text("frmCompare", "txtRarity"), p.checked("frmCompare", "chkLowerA")],
                         ["", True], "it opens again with its inputs as left, and no result")

    def test_the_case_against_controls_opens_prefilled_and_is_wired(self):
        p = self.page
        p.fill("frmMain", txtMean="100", txtSD="15", txtScore="70")
        p.press("F5")
        self.assertTrue(p.is_open("frmCase"))
        self.assertEqual([p.text("frmCase", n) for n in ("txtMean", "txtSD", "txtN", "txtScore", "txtLevel")],
                         ["100", "15", "", "70", "95"])
        p.alt("g")
        self.assertEqual(p.message(), ["Mervane", "Enter the controls' mean, SD and size, and the case's score."])
        p.answer_message()
        p.type("frmCase", "txtN", "20")
        p.alt("g")
        self.assertEqual(p.text("frmCase", "txtBelowHigh"), "11.07")
        p.stub_clipboard()
        p.alt("p")
        self.assertEqual(p.copied(), p.text("frmCase", "txtReport"))
        p.alt("c")
        p.click("frmMain", "cmdCase")
        self.assertEqual([p.text("frmCase", "txtN"), p.text("frmCase", "txtT")], ["20", ""])
        # A minus typed key by key reaches the test.
        for name, typed in (("txtMean", "0"), ("txtSD", "1"), ("txtScore", "-2.5")):
            p.clear("frmCase", name)
            p.type("frmCase", name, typed)
        p.alt("g")
        self.assertEqual(p.text("frmCase", "txtT"), "-2.44")

    def test_low_scores_open_from_the_profile_and_count_as_on_the_desktop(self):
        p = self.page
        p.press("F3")
        battery = "".join("T%d\t100\t15\t%s\n" % (i + 1, "74.5" if i < 3 else "100") for i in range(10))
        p.set("frmProfile", "txtRows", battery)
        p.click("frmProfile", "cmdLowScores")
        self.assertTrue(p.is_open("frmLowScores"))
        self.assertEqual(p.text("frmLowScores", "txtRows"), battery)
        fifth = """return [...document.querySelectorAll('#frmLowScores [data-name=grdLowScores] tbody tr[aria-rowindex]')]
                       .map((r) => [...r.cells].map((c) => c.textContent))[2]"""
        p.type("frmLowScores", "txtCorrelation", "0.5")
        p.alt("g")
        self.assertEqual(p.script(fifth), ["5th percentile or less", "3 of 10", "6.19", "", "4 or more"])
        # Through the long matrix path the window says it is working, with the
        # share done; Cancel drops the run and keeps the inputs, and so does Close.
        equal = lambda n: "\n".join("\t".join("1" if i == j else "0.5" for j in range(n)) for i in range(n))
        matrix = equal(40)
        p.set("frmLowScores", "txtRows", "".join("T%d\t100\t15\t80\n" % i for i in range(40)))
        p.set("frmLowScores", "txtCorrelations", matrix)
        busy = "return document.getElementById('frmLowScores').getAttribute('aria-busy')"
        strip = "return !document.getElementById('frmLowScores-working').hidden"
        p.alt("g")
        wait(lambda: p.script(busy) == "true" and p.script(strip), 10, "the window to say it is working")
        wait(lambda: p.script("return document.getElementById('announce').textContent")
             == "Working: this takes a moment.", 10, "the news that it is working")
        p.script("document.querySelector('#frmLowScores-working .cancel').click()")
        wait(lambda: p.script(busy) is None and not p.script(strip), 10, "the run to be cancelled")
        self.assertEqual([p.is_open("frmLowScores"), p.text("frmLowScores", "txtCorrelations")], [True, matrix])
        # Go, then Close at once: opened again, the window shows no table until
        # Go, and the dropped run never speaks.
        p.script("""window.said = [];
            new MutationObserver(() => window.said.push(document.getElementById('announce').textContent))
                .observe(document.getElementById('announce'), {childList: true, characterData: true, subtree: true});""")
        p.set("frmLowScores", "txtRows", "A\t100\t15\t80\nB\t100\t15\t80")
        p.set("frmLowScores", "txtCorrelations", equal(2))
        p.alt("g")
        p.alt("c")
        self.assertFalse(p.is_open("frmLowScores"))
        p.click("frmProfile", "cmdLowScores")
        # Enough turns of the page's task queue for the dropped run's slices to have ended, had it gone on.
        p.async_script("""const done = arguments[arguments.length - 1];
            let turns = 0; const turn = () => (++turns < 200 ? setTimeout(turn, 0) : done()); turn();""")
        self.assertIsNone(p.script(fifth))
        # It may have said it was working while it ran, on a slow machine; never what it found.
        self.assertEqual([s for s in p.script("return window.said") if s not in ("", "Working: this takes a moment.")], [])
        # The seeded Monte Carlo gives the texts the desktop's core gives, to the digit.
        p.set("frmLowScores", "txtRows", battery)
        p.set("frmLowScores", "txtCorrelations", equal(10))
        p.alt("g")
        wait(lambda: (p.script(fifth) or [""] * 5)[3], 30, "the Monte Carlo estimate")
        self.assertEqual(p.script(fifth), ["5th percentile or less", "3 of 10", "6.16", "0.02", "4 or more"])
        wait(lambda: p.script("return window.said.filter((s) => s.startsWith('Low scores shown')).length") == 1, 5,
             "the one run's news")
        self.assertEqual(p.script("return window.said.filter((s) => s.startsWith('Low scores shown'))"),
                         ["Low scores shown: 3 of 10 at or below the 5th percentile."])
        p.stub_clipboard()
        p.alt("p")
        self.assertTrue(p.copied().startswith("Cut-off\tThis person\t"))
        # Among people of an ability, on the Monte Carlo path: the ability's row and column last in the matrix,
        # Trail Making B's turned round as scored.
        p.set("frmLowScores", "txtRows", "Vocabulary;10;3;14;0.9\nMatrix Reasoning;10;3;9;0.88\nDigit Span;10;3;10;0.91\n"
              "Processing Speed;100;15;78;0.86\nWord List;50;10;44;0.8\nTrail Making B;75;25;110;0.86;lower")
        entry = lambda i, j: "1" if i == j else ("-" if (i == 5) != (j == 5) else "") + ("0.6" if 6 in (i, j) else "0.4")
        p.set("frmLowScores", "txtCorrelations", "\n".join("\t".join(entry(i, j) for j in range(7)) for i in range(7)))
        p.type("frmLowScores", "txtAbility", "85")
        p.alt("g")
        first = fifth.replace("[2]", "[0]")
        wait(lambda: (p.script(first) or [""] * 5)[1] == "2 of 6", 30, "the estimate among people of that ability")
        self.assertEqual(p.script(first), ["Standard score 85 or less (1 SD)", "2 of 6", "57.86", "0.05", "5 or more"])

    def test_escape_closes_an_added_window_and_tab_goes_round_inside_it(self):
        with open(DESIGN) as f:
            stops = json.load(f)["frmCase"]["tabOrder"]
        p = self.page
        p.press("F5")
        p.type("frmCase", "txtN", "20")
        p.script("document.querySelector(arguments[0]).focus()", p.control("frmCase", stops[-1]))
        p.press("Tab")
        self.assertEqual(p.active(), stops[0], "from the last stop back to the first")
        p.press("Escape")
        self.assertFalse(p.is_open("frmCase"))
        p.click("frmMain", "cmdCase")
        self.assertEqual(p.text("frmCase", "txtN"), "20", "closed as Close closes it, its inputs kept")

    def test_the_report_tells_what_the_windows_kept_as_text_never_markup(self):
        p = self.page
        name = "<img src=x onerror=window.ran=1>"
        p.press("F3")
        p.set("frmProfile", "txtRows", name + "\t10\t3\t14\t0.9\nDigit Span\t10\t3\t10\t0.91\nWord List\t50\t10\t44\t0.8")
        p.alt("c")
        p.press("F7")
        self.assertTrue(p.is_open("frmReport"))
        p.type("frmReport", "txtPerson", "A. B.")
        view = p.control("frmReport", "docReport")
        self.assertEqual(p.script("""const v = document.querySelector(arguments[0]);
            return [[...v.querySelectorAll('h1, h2')].map((h) => h.textContent), v.querySelectorAll('img').length,
                    v.querySelector('td').textContent, v.querySelector('p').textContent, window.ran || 0]""", view),
                         [["Report", "Score Profile", "Methods"], 0, name, "Person: A. B.", 0])
        # Copied as HTML with its tables where the browser takes both, and as plain text always.
        p.script("""window.copied = {};
            navigator.clipboard.writeText = (t) => { window.copied['text/plain'] = t; return Promise.resolve(); };
            navigator.clipboard.write = async (items) => {
                for (const type of items[0].types) window.copied[type] = await (await items[0].getType(type)).text(); };""")
        p.click("frmReport", "cmdCopy")
        wait(lambda: p.script("return window.copied['text/plain']"), 10, "the report on the clipboard")
        copied = p.script("return window.copied")
        self.assertIn("Measure\tScore\tz\t", copied["text/plain"])
        if p.script("return typeof ClipboardItem === 'function'"):
            self.assertIn("<table>", copied["text/html"])

    def test_a_reload_keeps_the_inputs_and_a_case_is_a_file(self):
        p = self.page
        p.press("F5")
        p.fill("frmCase", txtMean="100", txtSD="15", txtN="20", txtScore="70")
        p.alt("g")
        p = self.page = Page(self.engine, self.url, fresh=False)  # the same tab, loaded again
        p.press("F5")
        self.assertEqual(p.text("frmCase", "txtScore"), "70")
        p.alt("c")
        # Saved as a download, cleared after a Yes, and opened again from the file.
        p.script("""window.saved = null;
            URL.createObjectURL = (blob) => { blob.text().then((t) => { window.saved = t; }); return 'blob:saved'; };
            window.confirm = () => true;""")
        p.press("F7")
        p.click("frmReport", "cmdSaveCase")
        wait(lambda: p.script("return window.saved"), 10, "the case to be saved")
        p.click("frmReport", "cmdNewCase")
        self.assertNotIn("Case Against Controls", p.script("return document.querySelector(arguments[0]).textContent",
                                                           p.control("frmReport", "docReport")))
        give = """const [text, name] = arguments; const input = document.querySelector('#frmReport input[type=file]');
            const files = new DataTransfer(); files.items.add(new File([text], name)); input.files = files.files;
            input.dispatchEvent(new Event('change'));"""
        p.script(give, p.script("return window.saved"), "smith.mervane")
        wait(lambda: "Case Against Controls" in p.script("return document.querySelector(arguments[0]).textContent",
                                                          p.control("frmReport", "docReport")), 10, "the case to open")
        self.assertEqual(p.script("return document.getElementById('frmReport-title').textContent"), "Report - smith.mervane")
        p.script(give, '{"format": "mervane-case", "version": 2}', "new.mervane")
        wait(lambda: p.message(), 10, "the message")
        self.assertEqual(p.message(), ["Mervane", "This case was saved by a newer Mervane (version 2)."])
        # A session this page cannot read is said at the start and kept aside, never overwritten.
        newer = '{"format": "mervane-case", "version": 2}'
        p.script("sessionStorage.setItem('mervane-session', arguments[0])", newer)
        p = self.page = Page(self.engine, self.url, fresh=False)
        wait(lambda: p.message(), 10, "the message")
        self.assertEqual(p.message()[1], "The last session could not be read: This case was saved by a newer Mervane "
                         "(version 2). It was kept in this tab's storage as mervane-session-unreadable, and Mervane "
                         "starts empty.")
        self.assertEqual(p.script("return sessionStorage.getItem('mervane-session-unreadable')"), newer)

    def test_f6_opens_nothing_over_the_profile_whose_long_lines_stay_whole(self):
        p = self.page
        p.press("F3")
        p.press("F6")
        self.assertEqual([p.is_open("frmProfile"), p.is_open("frmPredict")], [True, False])
        # A long pasted line stays one line, as in a spreadsheet.
        p.set("frmProfile", "txtRows", "Trail Making B (seconds, the time to connect 25 circles);75;25;110;0.86;lower" * 3)
        self.assertTrue(p.script("const b = document.querySelector(arguments[0]); return b.scrollWidth > b.clientWidth;",
                                 p.control("frmProfile", "txtRows")))

    def test_every_opening_carries_and_every_go_shows_what_the_core_gives(self):
        """Each opening the same way: the opener's carried boxes filled, the
        window opens with what the core's reopening rule gives; then Go on its
        calculation's example shows what the core gives for its boxes."""
        openings = self.page.script("""
            return [...document.querySelectorAll('[data-opens]')].map((c) => [c.closest('.window').id, c.dataset.name, c.dataset.opens])
                .concat([...document.querySelectorAll('[data-key-openings]')].flatMap((w) =>
                    w.dataset.keyOpenings.split(' ').map((k) => [w.id, k.split('=')[0], k.split('=')[1]])));""")
        checked = []
        for opener, control, target in openings:
            if target in ("frmConvert", "frmAssumptions", "frmCredits", "frmReport"):
                continue
            with self.subTest(opener=opener, target=target):
                p = Page(self.engine, self.url)
                found = p.async_script(r"""
                    const [opener, control, target, done] = arguments;
                    const boxes = (id) => Object.fromEntries([...document.getElementById(id).querySelectorAll('input[data-name], textarea[data-name]')]
                        .filter((b) => !b.readOnly).map((b) => [b.dataset.name, b.type === 'checkbox' ? (b.checked ? '1' : '') : b.value]));
                    const fill = (id, texts) => { for (const [name, text] of Object.entries(texts)) {
                        const b = document.querySelector('#' + id + ' [data-name="' + name + '"]');
                        if (b.type === 'checkbox') b.checked = text !== ''; else b.value = text; } };
                    MervaneCore().then((core) => {
                        const w = document.getElementById(opener);
                        if (w.tagName === 'DIALOG') w.showModal();
                        let figure = 11;
                        fill(opener, Object.fromEntries(Object.keys(boxes(opener)).map((n) =>
                            [n, n.startsWith('chk') ? '1' : n === 'txtMeasure' ? 'Word List' : String(figure++)])));
                        const expected = core.reopened(target, {}, boxes(opener)).texts;
                        const button = w.querySelector('[data-name="' + control + '"]');
                        if (button) button.click();
                        else document.dispatchEvent(new KeyboardEvent('keydown', {key: control, bubbles: true}));
                        const carried = boxes(target);
                        const wrong = Object.entries(expected).filter(([n, t]) => carried[n] !== t).map(([n]) => n);
                        const example = Object.fromEntries(Object.keys(carried).map((n) => [n, '']));
                        Object.assign(example, core.example(target));
                        fill(target, example);
                        const job = new core.Job(target, boxes(target), '.');
                        while (!job.step()) {}
                        const shown = job.result();
                        job.delete();
                        document.querySelector('#' + target + ' [data-name="' + core.command(target) + '"]').click();
                        setTimeout(() => {
                            for (const [n, t] of Object.entries(shown.texts)) {
                                const b = document.querySelector('#' + target + ' [data-name="' + n + '"]');
                                if (b && b.matches('input, textarea') && b.value !== t) wrong.push(n);
                            }
                            done({open: document.getElementById(target).open, wrong, message: shown.message});
                        }, 0);
                    });""", opener, control, target)
                self.assertEqual(found, {"open": True, "wrong": [], "message": None})
                checked.append(target)
        self.assertEqual(len(checked), 10, checked)

    def test_tab_visits_the_design_order(self):
        with open(DESIGN) as f:
            expected = json.load(f)["frmMain"]["tabOrder"]
        visited = [self.page.active()]
        for _ in expected[1:]:
            self.page.press("Tab")
            visited.append(self.page.active())
        self.assertEqual(visited, expected)

    def test_the_credits_lead_to_the_makers_site_in_a_new_tab(self):
        p = self.page
        p.script("window.opened = []; window.open = (...a) => { window.opened.push(a.slice(0, 2)); return null; };")
        p.alt("d")
        self.assertTrue(p.is_open("frmCredits"))
        self.assertEqual(p.active(), "cmdQuenloWebsite")
        p.click("frmCredits", "cmdQuenloWebsite")
        self.assertEqual(p.script("return window.opened"), [["https://quenlo.example/", "_blank"]])
        p.alt("c")
        self.assertFalse(p.is_open("frmCredits"))

    def test_a_plain_and_a_signed_box_take_their_keys(self):
        # Which boxes are which is read from the markup without a browser; here the rule itself, typed.
        p = self.page
        p.press("F5")
        for name, shown in (("txtSD", "1.5"), ("txtScore", "-1.5")):
            with self.subTest(box=name):
                p.type("frmCase", name, "-1a-.5")
                self.assertEqual(p.text("frmCase", name), shown)
        # A minus over a selection that starts the text replaces it.
        p.script("const box = document.querySelector(arguments[0]); box.focus(); box.select();",
                 p.control("frmCase", "txtScore"))
        p.type("frmCase", "txtScore", "-")
        self.assertEqual(p.text("frmCase", "txtScore"), "-")

    def test_the_page_carries_every_control_of_the_designs_in_tab_order(self):
        with open(DESIGN) as f:
            designs = json.load(f)
        page = self.page.script("""
            const found = {};
            for (const name of arguments[0]) {
                const controls = [...document.getElementById(name).querySelectorAll('[data-name]')];
                found[name] = {controls: controls.map((c) => c.dataset.name),
                               tabOrder: controls.filter((c) => c.tabIndex >= 0).map((c) => c.dataset.name)};
            }
            return found;""", list(designs))
        for window, design in designs.items():
            with self.subTest(window=window):
                self.assertEqual(sorted(page[window]["controls"]), sorted(design["controls"]))
                self.assertEqual(page[window]["tabOrder"], design["tabOrder"])


    def test_printed_texts_show_whole(self):
        """Boxes of printed text have no scroll bars: all of their text must show."""
        for window, name in (("frmMain", "txtInstructions"), ("frmConvert", "txtDirections"),
                             ("frmAssumptions", "txtAssumptions"), ("frmCredits", "Text2")):
            with self.subTest(name=name):
                overflow = self.page.script("""
                    const box = document.querySelector(arguments[0]), dialog = box.closest('dialog');
                    if (dialog) dialog.show();
                    const over = box.scrollHeight - box.clientHeight;
                    if (dialog) dialog.close();
                    return over;""", self.page.control(window, name))
                self.assertLessEqual(overflow, 0)


class TheGeneratedPage(unittest.TestCase):
    """The page's markup as the generator wrote it, read without a browser."""

    def test_every_id_is_unique_and_every_reference_stays_in_its_window(self):
        import html.parser

        class Ids(html.parser.HTMLParser):
            def __init__(self):
                super().__init__()
                self.depth, self.window, self.ids, self.refs = 0, None, {}, []

            def handle_starttag(self, tag, attrs):
                a = dict(attrs)
                if tag in ("main", "dialog") or a.get("id") == "frmSplash":
                    self.window = (a["id"], self.depth)
                if "id" in a:
                    self.ids.setdefault(a["id"], []).append(self.window and self.window[0])
                for attr in ("for", "aria-labelledby", "aria-describedby"):
                    for ref in (a.get(attr) or "").split():
                        self.refs.append((self.window and self.window[0], attr, ref))
                if tag not in ("input", "img", "meta", "link", "br"):
                    self.depth += 1

            def handle_endtag(self, tag):
                self.depth -= 1
                if self.window and self.depth == self.window[1]:
                    self.window = None

        page = Ids()
        with open(os.path.join(SITE, "index.html")) as f:
            page.feed(f.read())
        self.assertEqual([i for i, where in page.ids.items() if len(where) > 1], [], "ids used twice")
        strays = [(window, attr, ref) for window, attr, ref in page.refs
                  if ref not in page.ids or page.ids[ref][0] != window]
        self.assertEqual(strays, [], "references outside their own window")
        self.assertGreater(len(page.refs), 50)


    def test_the_boxes_take_the_rules_the_designs_are_written_out_with(self):
        """Which boxes take a minus, which are red and which grids stack, against
        the table written out by hand (tests/data/added-windows.tsv), and every
        number box the keystroke rule."""
        import html.parser

        class Boxes(html.parser.HTMLParser):
            def __init__(self):
                super().__init__()
                self.window, self.found = None, {}

            def handle_starttag(self, tag, attrs):
                a = dict(attrs)
                if tag in ("main", "dialog"):
                    self.window = a["id"]
                found = self.found.setdefault(self.window, {"numeric": [], "signed": [], "compulsory": [], "stacked": []})
                classes = (a.get("class") or "").split()
                for fact, holds in (("numeric", "data-numeric" in a), ("signed", "data-signed" in a),
                                    ("compulsory", "compulsory" in classes), ("stacked", "stacked" in classes)):
                    if holds:
                        found[fact].append(a["data-name"])

        page = Boxes()
        with open(os.path.join(SITE, "index.html")) as f:
            page.feed(f.read())
        written = {}
        with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "added-windows.tsv")) as f:
            for line in f:
                if line.strip() and not line.startswith("#"):
                    window, fact, *names = line.rstrip("\n").split("\t")
                    written.setdefault(window, {})[fact] = (names[0].split() if names else [])
        with open(DESIGN) as f:
            designs = json.load(f)
        for window, design in designs.items():
            with self.subTest(window=window):
                found = page.found.get(window, {"numeric": [], "signed": [], "compulsory": [], "stacked": []})
                self.assertEqual(sorted(found["numeric"]), sorted(design["numeric"]))
                for fact in ("signed", "compulsory", "stacked"):
                    if window in written:
                        self.assertEqual(sorted(found[fact]), sorted(written[window][fact]), fact)
                    elif fact == "signed":
                        self.assertEqual(found[fact], [], "the original windows take no minus")


# Replaces the page's timers of a second or more by ones that run when the test moves the clock on.
FAKE_TIMERS = """
    window.__timers = []; window.__now = 0;
    const realSetTimeout = window.setTimeout;
    window.setTimeout = (fn, ms, ...args) => {
        if (!(ms >= 1000)) return realSetTimeout(fn, ms, ...args);
        window.__timers.push({at: window.__now + ms, fn, args});
        return 0;
    };
    window.__advance = (ms) => {
        window.__now += ms;
        const due = window.__timers.filter((t) => t.at <= window.__now);
        window.__timers = window.__timers.filter((t) => t.at > window.__now);
        due.forEach((t) => t.fn(...t.args));
    };"""


class InGerman(unittest.TestCase):
    """The page in a browser whose language writes a decimal comma."""

    def test_a_comma_language_writes_a_comma(self):
        engine = engines.launch(ENGINE, "de-DE")
        try:
            p = Page(engine, "file://" + os.path.join(SITE, "index.html"))
            p.type("frmMain", "txtMean", "50")
            p.type("frmMain", "txtSD", "10")
            p.type("frmMain", "txtScore", "65,5")
            self.assertEqual(p.text("frmMain", "txtScore"), "65.5", "the comma key types a point")
            if engine.name == "chromium":
                p.clear("frmMain", "txtSD")
                p.script("document.querySelector(arguments[0]).focus()", p.control("frmMain", "txtSD"))
                for kind, text in (("rawKeyDown", ""), ("char", ","), ("keyUp", "")):  # the keypad's decimal key
                    engine.driver.execute_cdp_cmd("Input.dispatchKeyEvent", {
                        "type": kind, "key": ",", "code": "NumpadDecimal", "text": text, "windowsVirtualKeyCode": 110})
                p.type("frmMain", "txtSD", "10")
                self.assertEqual(p.text("frmMain", "txtSD"), ".10")
                p.clear("frmMain", "txtSD")
                p.type("frmMain", "txtSD", "10")
            p.alt("g")
            self.assertEqual([p.text("frmMain", n) for n in ("txtSD196", "txtZScore", "txtSD1")],
                             ["69,6", "1,55", "60"])
        finally:
            engine.quit()


class StartingInEveryEngine(unittest.TestCase):
    """How the page starts, or says why it cannot, served on loopback."""

    @classmethod
    def setUpClass(cls):
        cls.engine = engines.launch(ENGINE)

    @classmethod
    def tearDownClass(cls):
        cls.engine.quit()

    def cannot_run(self, served):
        """The sentence the page says in place of windows, with none of them left to use."""
        try:
            self.engine.get(served.url)
            text = wait(lambda: self.engine.script(
                "return !document.getElementById('cannot-run').hidden && document.body.innerText"), 10, "the reason")
            visible = self.engine.script("""
                return [...document.querySelectorAll('input, textarea, button, #frmSplash')]
                    .filter((e) => e.checkVisibility()).length""")
        finally:
            served.close()
        self.assertIn(CANNOT_RUN, text)
        self.assertIn("use Mervane for the desktop", text)
        self.assertEqual(visible, 0)
        return text

    def test_without_webassembly_or_its_core_the_page_says_why(self):
        with self.subTest("no WebAssembly"):
            self.assertIn("does not run WebAssembly", self.cannot_run(Served(inject="delete window.WebAssembly;")))
        with self.subTest("the core blocked"):
            self.assertIn("did not load", self.cannot_run(Served(blocked=("mervane-core.js",))))

    def test_a_failure_while_starting_ends_on_the_page_sentence(self):
        self.assertIn("could not start", self.cannot_run(Served(
            inject="Date.prototype.toLocaleTimeString = () => { throw new Error('broken'); };")))

    def test_a_language_that_intl_refuses_starts_in_the_default_locale(self):
        # WebKit under the POSIX locale calls its language "C", which no Intl call takes.
        served = Served(inject="Object.defineProperty(Navigator.prototype, 'language', {get: () => 'C'});")
        try:
            p = Page(self.engine, served.url)
            self.assertRegex(p.script("return document.getElementById('StatusTime').textContent"), "[0-9]")
            p.fill("frmMain", txtMean="50", txtSD="10")
            p.alt("g")
            self.assertEqual(p.text("frmMain", "txtSD196"), "69.6")
        finally:
            served.close()

    @chromium_only
    def test_no_request_leaves_the_page_origin(self):
        served = Served()
        try:
            p = Page(self.engine, served.url)
            p.fill("frmMain", txtMean="50", txtSD="10")
            p.alt("g")
            origin = served.url.rsplit("/", 1)[0] + "/"
            requests = p.requests(served.url)
        finally:
            served.close()
        self.assertIn(origin + "mervane-core.js", requests)
        for url in requests:
            self.assertTrue(url.startswith(origin) or url.startswith("data:"), url)
        self.assertEqual(p.script("return [localStorage.length, sessionStorage.length, document.cookie]"), [0, 0, ""])

    def test_served_it_installs_and_reloads_offline(self):
        served = Served()
        try:
            p = Page(self.engine, served.url)
            kept = p.async_script("""
                const done = arguments[arguments.length - 1];
                navigator.serviceWorker.ready.then(async () => {
                    const names = await caches.keys();
                    const files = (await (await caches.open(names[0])).keys()).map((r) => r.url.split('/').pop());
                    const manifest = await (await fetch(document.querySelector('link[rel=manifest]').href)).json();
                    done({names, files: files.sort(), icons: manifest.icons.map((i) => i.sizes)});
                });""")
        finally:
            served.close()
        self.assertEqual(len(kept["names"]), 1)
        self.assertRegex(kept["names"][0], "^mervane-[0-9a-f]{16}$")
        site = sorted(f for f in os.listdir(SITE) if f != "sw.js")
        self.assertEqual(kept["files"], sorted(site + [""]), "the page's own files, and only those")
        self.assertIn("256x256", kept["icons"])
        Page(self.engine, served.url)  # the server is gone


PHONE = {"width": 390, "height": 844, "deviceScaleFactor": 2, "mobile": True}
# On a phone, each heading before the first box it heads and after the boxes of the heading before it.
HEADED = {"frmCompare": ["lblGroupA", "txtNameA", "txtReliabilityA", "lblGroupB", "txtNameB", "txtReliabilityB",
                         "lblGroupBoth", "txtCorrelation", "txtLevel", "cmdGo", "lblGroupScores", "txtStandardA",
                         "lblGroupReliable", "txtSEDiff", "lblGroupRare", "txtAbnormalZ"],
          "frmCase": ["txtLevel", "cmdGo", "lblResults", "txtT"]}
CANNOT_RUN = "Mervane cannot run here because "


@chromium_only
class AsAWebApplication(unittest.TestCase):
    """What a user meets beyond the figures, where Chromium's DevTools protocol
    can show it: phones, slow lines, assistive technology, other keyboards and
    input methods, JavaScript off."""

    @classmethod
    def setUpClass(cls):
        cls.driver = browser()
        cls.disk = "file://" + os.path.join(SITE, "index.html")

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def tearDown(self):
        # What a row set up in the one browser ends with it.
        d = self.driver
        d.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": False})
        d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        d.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": False, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        d.get("about:blank")

    def test_the_splash_stays_two_seconds(self):
        d = self.driver
        fake = d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": FAKE_TIMERS})["identifier"]
        try:
            Page(d, self.disk, splash=True)
        finally:
            d.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", {"identifier": fake})
        hidden = "return document.getElementById('frmSplash').hidden"
        d.execute_script("window.__advance(1500)")
        self.assertFalse(d.execute_script(hidden), "still shown at 1.5 s")
        d.execute_script("window.__advance(1000)")
        self.assertTrue(d.execute_script(hidden), "hidden at 2.5 s")

    def open_each_window(self, check):
        """Calls check(id) with the main window alone, then with each window that opens from it open over
        it, and so on from each of those, as the design's openings lead; then with the message box."""
        d = self.driver

        def visit(window):
            check(window)
            for target, name in d.execute_script("""
                    return [...document.getElementById(arguments[0]).querySelectorAll('[data-opens]')]
                        .map((c) => [c.dataset.opens, c.dataset.name]);""", window):
                d.execute_script("document.querySelector('#%s [data-name=%s]').click()" % (window, name))
                visit(target)
                d.execute_script("document.getElementById(arguments[0]).close()", target)

        visit("frmMain")
        d.execute_script("document.querySelector('#frmMain [data-name=cmdGo]').click()")
        check("msgbox")

    def test_the_report_prints_alone_with_its_headings(self):
        p = Page(self.driver, self.disk)
        p.press("F5")
        p.fill("frmCase", txtMean="100", txtSD="15", txtN="20", txtScore="70")
        p.alt("c")
        p.click("frmMain", "cmdReport")
        printed = self.driver.execute_cdp_cmd("Page.printToPDF", {"printBackground": False})
        with tempfile.TemporaryDirectory() as folder:
            pdf = os.path.join(folder, "report.pdf")
            with open(pdf, "wb") as f:
                f.write(base64.b64decode(printed["data"]))
            text = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True, check=True).stdout
        for heading in ("Report", "Case Against Controls", "Methods"):
            self.assertIn(heading, text)
        # Nothing of any window's controls: the report's buttons, its captions, the main window beneath.
        for control in ("Save Report", "Print...", "Examiner:", "Raw Score", "Lorvi"):
            self.assertNotIn(control, text)

    def test_without_javascript_the_page_says_why_and_offers_no_control(self):
        from selenium.webdriver.support.ui import WebDriverWait
        d = self.driver
        d.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": True})
        d.get(self.disk)
        text = WebDriverWait(d, 10).until(
            lambda d: d.execute_script("return document.querySelector('noscript') && document.body.innerText"))
        self.assertIn(CANNOT_RUN, text)
        self.assertIn("use Mervane for the desktop", text)
        self.assertEqual(d.execute_script("""
            return [...document.querySelectorAll('input, textarea, button, #frmSplash')]
                .filter((e) => e.checkVisibility()).length"""), 0)

    def test_on_a_phone_each_window_stands_in_one_column(self):
        with open(DESIGN) as f:
            designs = json.load(f)
        d = self.driver
        d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", PHONE)
        Page(d, self.disk)
        d.execute_script("document.getElementById('frmSplash').hidden = true")

        def check(window):
            found = d.execute_script("""
                const w = document.getElementById(arguments[0]), r = w.getBoundingClientRect();
                // (the curve's labels scale with it; its text stands in the report beside it)
                const shown = [...w.querySelectorAll('*')].filter((e) => e.checkVisibility() && !e.closest('svg'));
                const stops = shown.filter((e) => e.tabIndex >= 0 && e.matches('input, textarea, button, .grid, .viewer'));
                const small = shown.filter((e) => [...e.childNodes].some((n) => n.nodeType === 3 && n.data.trim())
                                                  || e.matches('input, textarea'))
                                   .filter((e) => parseFloat(getComputedStyle(e).fontSize) < 16)
                                   .map((e) => e.dataset.name || e.id || e.tagName);
                const column = [...stops].sort((a, b) => a.getBoundingClientRect().top - b.getBoundingClientRect().top)
                    .map((e) => e.dataset.name);
                const captions = [...w.querySelectorAll('label[for]')].filter((l) => l.checkVisibility())
                    .filter((l) => l.getBoundingClientRect().bottom > document.getElementById(l.htmlFor)
                                                                         .getBoundingClientRect().top + 1)
                    .map((l) => l.dataset.name);
                // Everything named, as it reads down the column; and each caption's box.
                const named = shown.filter((e) => e.dataset.name && !e.closest('.grid'))
                    .sort((a, b) => a.getBoundingClientRect().top - b.getBoundingClientRect().top)
                    .map((e) => e.dataset.name);
                const pairs = [...w.querySelectorAll('label[for]')].filter((l) => l.checkVisibility())
                    .map((l) => [l.dataset.name, document.getElementById(l.htmlFor).dataset.name]);
                // A drawing's text at its size on the screen.
                const drawn = [...w.querySelectorAll('[data-name=picProfile] svg')].filter((s) => s.checkVisibility())
                    .map((s) => s.getBoundingClientRect().width / s.viewBox.baseVal.width *
                                parseFloat(s.getAttribute('font-size') || '12'));
                return {scroll: document.documentElement.scrollWidth - innerWidth,
                        inside: r.left >= 0 && r.right <= innerWidth && r.top >= 0 && r.bottom <= innerHeight,
                        scrolls: w.scrollHeight <= w.clientHeight || getComputedStyle(w).overflowY === 'auto',
                        column, small, captions, named, pairs, drawn};""", window)
            with self.subTest(window):
                self.assertEqual(found["scroll"], 0, "no horizontal scrolling")
                self.assertEqual(found["small"], [], "text of 16 pixels at least")
                if window == "frmMain":  # the boxes a user fills in before Go, as a form; the rest as read
                    self.assertEqual(found["column"][:9], ["txtMeasure", "txtMean", "txtSD", "txtScore",
                                                           "txtUserStipulatedSD", "txtUserStipulatedPercentile",
                                                           "cmdGo", "cmdClear", "cmdExit"])
                    self.assertEqual([n for n in found["column"] if n.endswith("Percent")],
                                     ["txt25Percent", "txt75Percent", "txt95Percent", "txt99Percent"])
                    self.assertEqual(sorted(found["column"]), sorted(designs[window]["tabOrder"]))
                elif window in designs:
                    self.assertEqual(found["column"], designs[window]["tabOrder"], "one column, in tab order")
                self.assertEqual(found["captions"], [], "each box under its caption")
                named = found["named"]
                for label, box in found["pairs"]:
                    self.assertEqual(named[named.index(label) + 1], box, "%s stands just above its box" % label)
                heads = HEADED.get(window, [])
                self.assertEqual([n for n in named if n in heads], heads, "each heading over what it heads")
                self.assertTrue(all(size >= 12 for size in found["drawn"]), found["drawn"])
                if window != "frmMain":
                    self.assertTrue(found["inside"] and found["scrolls"], "within the screen, scrolling down")

        self.open_each_window(check)
        # What a command shows moves nothing: the check boxes keep their place after Go.
        d.execute_script("""
            document.getElementById('frmCompare').showModal();
            for (const [name, value] of [['txtMeanA', '100'], ['txtSDA', '15'], ['txtScoreA', '112'],
                                         ['txtMeanB', '100'], ['txtSDB', '15'], ['txtScoreB', '91']])
              document.querySelector('#frmCompare [data-name=' + name + ']').value = value;
            document.querySelector('#frmCompare [data-name=cmdGo]').click();""")
        self.assertEqual(d.execute_script("return document.querySelector('#frmCompare [data-name=txtStandardA]').value"),
                         "112")
        check("frmCompare")
        d.execute_script("document.getElementById('frmCompare').close()")
        # The profile's table stands each row's cells under the measure's name, within the screen.
        stacked = d.execute_script("""
            document.getElementById('frmProfile').showModal();
            document.querySelector('#frmProfile [data-name=txtRows]').value =
                'Vocabulary;10;3;14;0.9\\nTrail Making B (seconds);75;25;110;0.86;lower\\nno figures';
            document.querySelector('#frmProfile [data-name=cmdGo]').click();
            const grid = document.querySelector('#frmProfile [data-name=grdProfile]');
            const cells = [...grid.querySelector('tbody tr').cells].filter((c) => c.checkVisibility());
            return {within: grid.scrollWidth <= grid.clientWidth,
                    under: cells.every((c, i) => i === 0 || c.getBoundingClientRect().top > cells[i - 1].getBoundingClientRect().top),
                    score: cells[1].textContent, named: getComputedStyle(cells[1], '::before').content};""")
        self.assertEqual(stacked, {"within": True, "under": True, "score": "14", "named": '"Score: "'})
        check("frmProfile")
        d.execute_script("document.getElementById('frmProfile').close()")
        # A terse caption says in full what its box is, as the headings over the boxes no longer explain it.
        self.assertEqual(d.execute_script("""
            document.getElementById('frmPredict').showModal();
            return document.querySelector('#frmPredict [data-name=lblCoefficient2]').innerText;"""),
            "Coefficient of predictor 2:")

    def test_the_window_paints_before_the_core_arrives(self):
        d = self.driver
        server = Served()
        try:
            d.execute_cdp_cmd("Network.enable", {})
            d.execute_cdp_cmd("Network.emulateNetworkConditions", {
                "offline": False, "latency": 150, "downloadThroughput": 400 * 1024, "uploadThroughput": 100 * 1024})
            Page(d, server.url)
            paint, core = d.execute_script("""
                return [performance.getEntriesByName('first-contentful-paint')[0].startTime,
                        performance.getEntriesByName(new URL('mervane-core.js', location).href)[0].responseEnd];""")
        finally:
            server.close()
        self.assertLess(paint, core)

    def test_assistive_technology_finds_names_marks_focus_and_news(self):
        from selenium.webdriver.common.keys import Keys
        d = self.driver
        with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "node_modules", "axe-core",
                               "axe.min.js")) as f:
            axe = f.read()
        p = Page(d, self.disk)

        def no_violations(window):
            if not d.execute_script("return !!window.axe"):  # the page stays: one copy of the checker serves
                d.execute_script(axe)
            found = d.execute_async_script("""
                const done = arguments[arguments.length - 1];
                axe.run(document).then((r) => done(r.violations.map((v) => v.id + ': ' +
                    v.nodes.map((n) => n.target.join(' ')).join(', '))));""")
            with self.subTest(window):
                self.assertEqual(found, [])

        self.open_each_window(no_violations)
        p.answer_message()
        facts = d.execute_script("""
            const main = (name) => document.querySelector('#frmMain [data-name="' + name + '"]');
            const ring = (e) => { e.focus(); const s = getComputedStyle(e); return s.outlineStyle + ' ' + s.outlineWidth; };
            const credits = document.getElementById('frmCredits');
            credits.show();
            const licence = ring(credits.querySelector('[data-name=Text1]'));
            credits.close();
            return {ring: ring(main('txtScore')), licence,
                    required: [main('txtMean').ariaRequired, main('txtSD').ariaRequired, main('txtScore').ariaRequired],
                    bar: [document.getElementById('StatusBar').role, document.getElementById('StatusBar').ariaLive],
                    captions: [...document.querySelectorAll('#frmMain input, #frmMain textarea')]
                        .filter((e) => e.getAttribute('aria-label') === 'Raw Score').length,
                    help: [main('picConf').ariaLabel, main('picConf').title],
                    heading: document.querySelector('h1').textContent};""")
        self.assertEqual(facts["ring"], "solid 2px")
        self.assertEqual(facts["licence"], "solid 2px")
        self.assertEqual(facts["required"], ["true", "true", None])
        self.assertEqual(facts["bar"], [None, None], "no live region")
        self.assertEqual(facts["captions"], 1, "the caption is no second Raw Score box")
        self.assertEqual(facts["help"], ["Converter (F1)", "Converter (F1)"])
        self.assertEqual(facts["heading"], "Mervane")
        def spoken(text):  # said at the next frame
            from selenium.webdriver.support.ui import WebDriverWait
            WebDriverWait(d, 5).until(
                lambda d: d.execute_script("return document.getElementById('announce').textContent") == text)
        p.type("frmMain", "txtMean", "50")
        p.type("frmMain", "txtSD", "10")
        p.type("frmMain", "txtScore", "65")
        p.alt("g")
        spoken("Results shown: z score 1.5, percentile 93.32.")
        d.execute_script("document.querySelector('#frmMain [data-name=picConf]').click()")
        p.type("frmConvert", "txtConf", "95")
        p.alt("d")
        spoken("Standard Deviation = 1.96.")
        p.alt("c")
        p.press("F2")
        p.alt("g")
        spoken("Interpretation shown: z score 1.5, percentile 93.32.")
        # A refusal is said by its message box alone.
        d.execute_script("""window.said = [];
            new MutationObserver(() => window.said.push(document.getElementById('announce').textContent))
                .observe(document.getElementById('announce'), {childList: true, characterData: true, subtree: true});""")
        p.clear("frmInterpret", "txtMean")
        p.alt("g")
        self.assertEqual(p.message(), ["Mervane", "Enter the measure's mean, its SD and a raw score."])
        d.execute_async_script("requestAnimationFrame(() => requestAnimationFrame(arguments[0]))")
        self.assertEqual(d.execute_script("return window.said"), [])
        p.answer_message()
        p.type("frmInterpret", "txtMean", "50")
        p.alt("m")
        p.script("document.querySelector(arguments[0]).focus()", p.control("frmBatch", "txtScores"))
        self.driver.execute_cdp_cmd("Input.insertText", {"text": "65\nabsent"})
        p.alt("g")
        spoken("2 rows shown.")

    def test_keys_by_their_place_and_the_focus_on_a_control(self):
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.by import By
        d = self.driver
        p = Page(d, self.disk)
        for kind in ("keyDown", "keyUp"):  # Option+G on a Mac: the character is a copyright sign
            d.execute_cdp_cmd("Input.dispatchKeyEvent", {"type": kind, "modifiers": 1, "key": "\u00a9",
                                                         "code": "KeyG", "windowsVirtualKeyCode": 71})
        self.assertEqual(p.message(), ["Mervane", MEAN_AND_SD])
        p.answer_message()
        control = lambda name: d.find_element(By.CSS_SELECTOR, p.control("frmMain", name))
        ActionChains(d).double_click(control("cmdGo")).perform()
        self.assertEqual(p.active(), "msgbox-ok")
        p.press("Enter")
        self.assertIsNone(p.message())
        ActionChains(d).double_click(control("picConf")).perform()
        self.assertEqual(p.active(), "txtConf")

    def test_number_boxes_bring_the_decimal_keyboard_and_rule_composed_text(self):
        d = self.driver
        p = Page(d, self.disk)
        self.assertEqual(d.execute_script(
            "return [...document.querySelectorAll('[data-numeric]:not([data-signed])')]"
            ".filter((b) => b.inputMode !== 'decimal').length"), 0)
        # A box that takes a minus keeps the full keyboard: a phone's decimal keypad may have none.
        self.assertEqual(d.execute_script(
            "return [...document.querySelectorAll('[data-signed]')].map((b) => b.inputMode).filter((m) => m)"), [])
        p.script("document.querySelector(arguments[0]).focus()", p.control("frmMain", "txtScore"))
        for composed, kept in (("ab", ""), ("1a.2.", "1.2")):
            with self.subTest(composed):
                p.clear("frmMain", "txtScore")
                d.execute_cdp_cmd("Input.imeSetComposition",
                                  {"text": composed, "selectionStart": len(composed), "selectionEnd": len(composed)})
                d.execute_cdp_cmd("Input.insertText", {"text": composed})
                self.assertEqual(p.text("frmMain", "txtScore"), kept)


@chromium_only
class InArabic(unittest.TestCase):
    """A language whose own digits are not the results' Latin ones."""

    def test_dates_and_the_ok_button_as_the_page_writes_the_rest(self):
        d = browser("ar-EG")
        self.addCleanup(d.quit)
        p = Page(d, "file://" + os.path.join(SITE, "index.html"))
        p.type("frmMain", "txtMean", "50")
        p.type("frmMain", "txtSD", "10")
        p.alt("g")
        facts = d.execute_script("""
            const f = (e) => getComputedStyle(e).fontSize;
            const date = document.getElementById('StatusDate');
            return [date.lang, date.textContent + document.getElementById('StatusTime').textContent,
                    f(document.getElementById('msgbox-ok')) === f(document.querySelector('#frmMain [data-name=cmdGo]'))];""")
        self.assertEqual(facts[0], "ar-EG", "the date is marked with the language it is written in")
        self.assertRegex(facts[1], "^[^\u0660-\u0669\u06f0-\u06f9]*[0-9]", "Latin digits, as in the results")
        self.assertEqual(p.text("frmMain", "txtSD196"), "69٫6")
        self.assertTrue(facts[2], "OK in the window font")


class Timed(unittest.TextTestResult):
    """Prints each row's time, so that the next slow row is seen."""

    def startTest(self, test):
        self.started = time.monotonic()
        super().startTest(test)

    def stopTest(self, test):
        super().stopTest(test)
        sys.stderr.write("  %.1f s  %s\n" % (time.monotonic() - self.started, test.id().split(".", 1)[-1]))


def main():
    global SITE, DESIGN
    SITE, DESIGN = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    try:
        import selenium  # noqa: F401
    except ImportError:
        print("python3-selenium is missing: skipped")
        sys.exit(77)
    for need in (os.path.join(SITE, "index.html"), DESIGN):
        if not os.path.exists(need):
            print("missing %s (tools/web builds the site): skipped" % need)
            sys.exit(77)
    lacking = engines.missing(ENGINE)
    if lacking:
        print("%s needs %s: skipped" % (ENGINE, lacking))
        sys.exit(77)
    runner = unittest.TextTestRunner(resultclass=Timed, verbosity=2)
    result = unittest.main(argv=[sys.argv[0], *sys.argv[3:]], testRunner=runner, exit=False).result
    sys.exit(0 if result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
