#!/usr/bin/python3
"""End-to-end tests of the built program, from outside its process.

The program runs on its own X server (tools/with-display), with a small
window manager (openbox) and without one, driven with real X input (xdotool);
what its windows show is read through AT-SPI, the accessibility interface that
screen readers use.

    e2e.py path/to/Mervane
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

EXE = None
DEADLINE = 10.0  # seconds any single wait may take before the test fails


def wait_for(what, probe, timeout=DEADLINE, interval=0.05):
    """Polls probe() until it returns something true; fails the test after timeout."""
    end = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(interval)


def run(*args):
    return subprocess.run(args, capture_output=True, text=True, check=False).stdout.strip()


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, capture_output=True)


def windows(name):
    """Visible windows whose title is exactly `name`."""
    out = run("xdotool", "search", "--onlyvisible", "--name", "^%s$" % name)
    return [int(w) for w in out.split()] if out else []


def geometry(window):
    out = run("xdotool", "getwindowgeometry", "--shell", str(window))
    return dict(line.split("=") for line in out.splitlines())


def stacking():
    """Client windows from bottom to top, as the window manager stacks them."""
    out = run("xprop", "-root", "_NET_CLIENT_LIST_STACKING")
    return [int(w, 16) for w in out.split("#")[-1].replace(",", " ").split()] if "#" in out else []


def splash_window():
    """The splash: the one window of its size, which has no title."""
    for w in stacking():
        g = geometry(w)
        if g.get("WIDTH") == "536" and g.get("HEIGHT") == "261":
            return w
    return None


class Program:
    def __init__(self, data=None):
        # Its session in a folder of the test's, never the user's.
        self.data = data or tempfile.mkdtemp()
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_DATA_HOME=self.data)
        self.started = time.monotonic()
        self.process = subprocess.Popen([EXE], env=env, stderr=subprocess.DEVNULL)
        self.main = wait_for("the main window", lambda: [w for w in windows("Mervane") if geometry(w)["WIDTH"] == "660"])[0]

    def exit_status(self, timeout=DEADLINE):
        return self.process.wait(timeout)

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def focus(self):
        xdotool("windowactivate", "--sync", str(self.main))

    def wait_for_the_splash_to_close(self):
        wait_for("the splash to close", lambda: splash_window() is None, timeout=6)


def accessible_app(name="Mervane"):
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == name:
            return app
    return None


def find_accessible(root, predicate, depth=0):
    if root is None or depth > 12:
        return None
    if predicate(root):
        return root
    for i in range(root.childCount):
        found = find_accessible(root.getChildAtIndex(i), predicate, depth + 1)
        if found is not None:
            return found
    return None


def box_text(name):
    """The text of the box a screen reader announces as `name`."""
    import pyatspi
    app = wait_for("the program on the accessibility bus", accessible_app)
    box = wait_for("the box " + name, lambda: find_accessible(
        app, lambda a: a.name == name and a.getRole() == pyatspi.ROLE_TEXT))
    text = box.queryText()
    return text.getText(0, text.characterCount)


class EndToEnd(unittest.TestCase):
    def setUp(self):
        self.program = Program()

    def tearDown(self):
        self.program.kill()

    def test_splash_appears_above_the_main_window_and_closes_after_two_seconds(self):
        window = wait_for("the splash", splash_window)
        order = stacking()
        self.assertGreater(order.index(window), order.index(self.program.main), "the splash is above the main window")
        wait_for("the splash to close", lambda: window not in stacking(), timeout=6)
        shown_for = time.monotonic() - self.program.started
        self.assertGreater(shown_for, 1.8)
        self.assertIn(self.program.main, stacking())
        self.assertEqual(run("xdotool", "getactivewindow"), str(self.program.main), "the main window has the keyboard")

    def test_typical_request_fills_the_results(self):
        self.program.focus()
        xdotool("type", "--delay", "20", "65")
        xdotool("key", "Tab", "Tab")
        xdotool("type", "--delay", "20", "50")
        xdotool("key", "Tab")
        xdotool("type", "--delay", "20", "10")
        xdotool("key", "alt+g")
        self.assertEqual(wait_for("the z score", lambda: box_text("Z Score of Raw Score")), "1.5")
        self.assertEqual(box_text("Percentile of Raw Score"), "93.32")
        self.assertEqual(box_text("99th Percentile of Measure"), "73.26")

    def test_refused_request_shows_a_message_box(self):
        self.program.focus()
        xdotool("key", "Tab", "Tab")
        xdotool("type", "--delay", "20", "50")
        xdotool("key", "alt+g")
        box = wait_for("the message box", lambda: [w for w in windows("Mervane") if w != self.program.main])[0]
        self.assertLess(int(geometry(box)["WIDTH"]), 660)
        message = "At the least, measure mean and measure SD field mus be entered."
        app = wait_for("the program on the accessibility bus", accessible_app)
        wait_for("the message text", lambda: find_accessible(app, lambda a: a.name == message))
        xdotool("key", "Return")
        wait_for("the message box to close", lambda: box not in windows("Mervane"))

    def test_help_picture_opens_the_converter(self):
        self.program.wait_for_the_splash_to_close()  # it lies over the picture until then
        self.program.focus()
        xdotool("mousemove", "--window", str(self.program.main), "128", "192", "click", "1")
        converter = wait_for("the converter", lambda: windows("Converter"))[0]
        xdotool("type", "--delay", "20", "95")
        xdotool("key", "alt+d")
        self.assertEqual(wait_for("the answer", lambda: box_text("Answer")), "Standard Deviation = 1.96")
        xdotool("key", "alt+c")
        wait_for("the converter to close", lambda: converter not in windows("Converter"))

    def test_f1_opens_the_converter(self):
        self.program.wait_for_the_splash_to_close()
        self.program.focus()
        xdotool("key", "F1")
        converter = wait_for("the converter", lambda: windows("Converter"))[0]
        xdotool("key", "alt+c")
        wait_for("the converter to close", lambda: converter not in windows("Converter"))

    def test_a_screen_reader_can_press_the_help_picture(self):
        self.program.wait_for_the_splash_to_close()
        app = wait_for("the program on the accessibility bus", accessible_app)
        picture = wait_for("the help picture", lambda: find_accessible(app, lambda a: a.name == "Converter (F1)"))
        actions = picture.queryAction()
        names = [actions.getName(i) for i in range(actions.nActions)]
        self.assertIn("Press", names)
        actions.doAction(names.index("Press"))
        converter = wait_for("the converter", lambda: windows("Converter"))[0]
        xdotool("key", "--window", str(converter), "alt+c")
        wait_for("the converter to close", lambda: converter not in windows("Converter"))

    def test_windows_open_with_their_frames_centred(self):
        self.program.wait_for_the_splash_to_close()
        self.assert_frame_centred(self.program.main)
        self.program.focus()
        xdotool("key", "F1")
        converter = wait_for("the converter", lambda: windows("Converter"))[0]
        self.assert_frame_centred(converter)
        xdotool("key", "alt+c")

    def assert_frame_centred(self, window):
        """The window's frame, title bar and borders included, stands in the middle of the screen."""
        def framed():
            out = run("xprop", "-id", str(window), "_NET_FRAME_EXTENTS")
            return out if "=" in out else None
        left, right, top, bottom = (int(v) for v in wait_for("the frame", framed).split("=")[1].split(","))
        info = run("xwininfo", "-id", str(window))
        value = lambda key: int(info.split(key)[1].split()[0])
        x, y = value("Absolute upper-left X:"), value("Absolute upper-left Y:")
        width, height = value("Width:"), value("Height:")
        frame_x, frame_y = x - left, y - top
        frame_w, frame_h = width + left + right, height + top + bottom
        self.assertLessEqual(abs(frame_x - (1280 - frame_w) // 2), 1, "frame at x %d" % frame_x)
        self.assertLessEqual(abs(frame_y - (1024 - frame_h) // 2), 1, "frame at y %d" % frame_y)

    def test_exit_during_the_splash_ends_the_program_when_the_splash_closes(self):
        self.program.focus()
        xdotool("key", "alt+x")
        wait_for("the main window to close", lambda: self.program.main not in windows("Mervane"))
        self.assertIsNone(self.program.process.poll(), "the splash keeps the program running")
        self.assertIsNotNone(splash_window())
        self.assertEqual(self.program.exit_status(), 0)
        self.assertGreater(time.monotonic() - self.program.started, 1.8)

    def test_a_program_killed_after_a_go_starts_again_with_the_inputs(self):
        self.program.wait_for_the_splash_to_close()
        self.program.focus()
        xdotool("key", "F5")
        wait_for("the small sample", lambda: windows("Case Against Controls"))
        xdotool("key", "Tab")
        xdotool("type", "--delay", "20", "100")
        xdotool("key", "Tab")
        xdotool("type", "--delay", "20", "15")
        xdotool("key", "Tab")
        xdotool("type", "--delay", "20", "20")
        xdotool("key", "Tab")
        xdotool("type", "--delay", "20", "70")
        xdotool("key", "alt+g")
        self.assertEqual(wait_for("the t", lambda: box_text("t")), "-1.95")
        self.program.process.send_signal(9)
        self.program.process.wait()
        self.program = Program(self.program.data)
        self.program.wait_for_the_splash_to_close()
        self.program.focus()
        xdotool("key", "F5")
        wait_for("the small sample", lambda: windows("Case Against Controls"))
        self.assertEqual(wait_for("the case's score", lambda: box_text("Case's score")), "70")

    def test_alt_x_ends_the_program_with_status_0(self):
        self.program.wait_for_the_splash_to_close()
        self.program.focus()
        xdotool("key", "alt+x")
        self.assertEqual(self.program.exit_status(), 0)


class WithoutWindowManager(unittest.TestCase):
    """A bare X server, as some kiosks and remote sessions have: nothing restacks the windows."""

    def test_the_splash_stays_above_the_main_window(self):
        program = subprocess.Popen([EXE], env=dict(os.environ, QT_QPA_PLATFORM="xcb"), stderr=subprocess.DEVNULL)
        try:
            def splash_on_top():
                # xwininfo lists the top-level windows from the top of the stack down. The main
                # window is mapped before the splash is raised again, so for a moment it is on top.
                out = run("xwininfo", "-root", "-children")
                order = [line for line in out.splitlines() if "536x261+" in line or "660x563+" in line]
                return len(order) == 2 and "536x261+" in order[0]
            wait_for("the splash above the main window", splash_on_top)
            end = time.monotonic() + 1
            while time.monotonic() < end:
                self.assertTrue(splash_on_top(), "the splash stays above the main window")
                time.sleep(0.05)
        finally:
            program.kill()
            program.wait()


# Each suite on an X server of its own, and the program's windows as it has them.
SUITES = {"EndToEnd": ["--wm"], "WithoutWindowManager": []}


def main():
    global EXE
    for tool in ("Xvfb", "openbox", "xdotool", "xprop", "xwininfo"):
        if shutil.which(tool) is None:
            print("missing " + tool + ": skipped")
            sys.exit(77)
    EXE = os.path.abspath(sys.argv[1])
    suite = os.environ.get("MERVANE_E2E_SUITE")
    if suite:
        result = unittest.main(argv=[sys.argv[0], "-v", suite], exit=False).result
        sys.exit(0 if result.wasSuccessful() else 1)
    display = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "with-display")
    failed = False
    for name, flags in SUITES.items():
        status = subprocess.run([display, "--own", *flags, sys.executable, os.path.abspath(__file__), EXE],
                                env=dict(os.environ, MERVANE_E2E_SUITE=name)).returncode
        if status == 77:
            sys.exit(77)
        failed = failed or status != 0
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
