"""What the page's journeys share: the site served and a fresh headless Chromium on it,
the page ready, the saver's window as the page holds it, the page's clock held and moved on
by the journey, settings put in storage as the options dialog writes them, and a console
that holds only what the program writes."""

import base64
import json
import os
import subprocess
import sys
import time

from cdp import Browser, Site

SITE = os.path.abspath(sys.argv[1])
ARTIFACTS = os.path.abspath(sys.argv[2])
os.makedirs(ARTIFACTS, exist_ok=True)

# Whether the saver's window is there, and the lines its last paint drew in the display
# cycle's colours: the item on show (the intro and the notices use none of them).
SAVER = "Module.zorbelHome.canvas.windows.size > 0"
PALETTE = "['192,192,192', '128,128,128', '0,0,255', '0,255,0', '0,255,255', '255,0,0', '255,0,255']"
ITEM_LINES = ("(Module.zorbelHome.canvas.lastPaint?.lines ?? []).filter((l) => %s.includes(l.color.join(',')))"
              % PALETTE)


class Journey:
    def __init__(self, name, width=1280, height=800, site=SITE):
        self.name = name
        self.site = Site(site)
        self.browser = Browser(width, height)
        self.browser.call("Emulation.setDeviceMetricsOverride", width=width, height=height,
                          deviceScaleFactor=1, mobile=False)
        self.shots = 0
        self.clock_held = False

    def __enter__(self):
        return self

    def __exit__(self, kind, value, trace):
        if kind is not None:
            if not self.clock_held:
                self.shot("failed")
            elif self.saver_running():
                self.saver_picture("failed")
        self.browser.close()
        self.site.stop()

    def open_page(self):
        self.browser.navigate(self.site.address)
        self.wait_ready()

    def wait_ready(self):
        """Waits for the page to be ready; fails at once when it says its program could not
        be loaded, and then, as when it waited in vain, with what the console holds."""
        try:
            state = self.browser.wait_for("document.documentElement.dataset.ready === 'true' ? 'ready'"
                                          " : !document.getElementById('load-failed').hidden && 'failed'",
                                          30, "the page to be ready")
        except AssertionError as waited:
            raise AssertionError("%s; the console: %s" % (waited, self.browser.console)) from None
        check(state == "ready", "the page could not load its program; the console: %s" % self.browser.console)

    def shot(self, what):
        self.shots += 1
        path = os.path.join(ARTIFACTS, "%s-%d-%s.png" % (self.name, self.shots, what))
        return self.browser.screenshot(path)

    def store_settings(self, style, medical, delay):
        text = "%s\r\n%s\r\n %s \r\n" % (style, medical, delay)
        self.browser.evaluate("localStorage.setItem('zorbel/Qorv.ini', %s)" % json.dumps(text))

    def stored_settings(self):
        return self.browser.evaluate("localStorage.getItem('zorbel/Qorv.ini')")

    def press_start(self):
        x, y = self.browser.center_of("#start")
        self.browser.click(x, y)
        self.browser.wait_for(SAVER, 10, "the saver's window")

    def saver_running(self):
        return self.browser.evaluate(SAVER)

    def next_item(self, shown_before=None, timeout=15):
        """The lines of the next item the saver draws: [{text, face, pixels, bold, color,
        left, top, width, height}]. On a held clock the clock is moved on for it, a tenth of a
        second at a time, and `timeout` is the page's time."""
        expression = ("(() => { const lines = %s; return lines.length > 0 && lines.map((l) => l.text).join('\\n') !== %s"
                      " && lines; })()" % (ITEM_LINES, json.dumps("\n".join(l["text"] for l in shown_before or []))))
        if not self.clock_held:
            return self.browser.wait_for(expression, timeout, "the next item")
        deadline = self.saver_clock() + timeout * 1000
        while True:
            lines = self.browser.evaluate(expression)
            if lines:
                return lines
            check(self.saver_clock() < deadline, "no next item within %d s of the page's clock" % timeout)
            self.run_clock_for(100)

    def hold_clock(self):
        """From now on the page's clock (performance.now, its timers) stands still but where
        the journey moves it on, so the saver's times no longer hang on the machine's load.
        Keys and presses of a button still come at once; a move of the pointer, full screen
        and screenshots wait for frames, which a held clock gives only now and then, so they
        are left to a journey on the page's own clock: here the page's request for full
        screen is granted but changes nothing."""
        self.browser.evaluate("Element.prototype.requestFullscreen = () => Promise.resolve()")
        self.browser.call("Emulation.setVirtualTimePolicy", policy="pause")
        self.clock_held = True

    def start_from_keyboard(self):
        """Start, pressed with Enter, as a click's move of the pointer would wait for a frame."""
        self.browser.evaluate("document.getElementById('start').focus()")
        self.browser.key("Enter")
        self.browser.wait_for(SAVER, 10, "the saver's window")

    def saver_clock(self):
        """Milliseconds since the saver's window opened, by the page's clock."""
        return self.browser.evaluate("performance.now() - [...Module.zorbelHome.canvas.windows.values()][0].opened")

    def run_clock_until(self, milliseconds):
        """Moves the held clock on until the saver has been open `milliseconds`; its time then.
        The page runs every timer due on the way."""
        while True:
            now = self.saver_clock()
            if now >= milliseconds:
                return now
            self.run_clock_for(milliseconds - now)

    def run_clock_for(self, milliseconds):
        heard = len(self.browser.events)
        self.browser.call("Emulation.setVirtualTimePolicy", policy="advance", budget=milliseconds)
        deadline = time.time() + 30
        while not any(e.get("method") == "Emulation.virtualTimeBudgetExpired" for e in self.browser.events[heard:]):
            check(time.time() < deadline, "the page's clock did not move on")
            self.browser.pump(0.05)

    def saver_picture(self, what):
        """What the saver's window shows, as it drew it: its canvas, saved as a screenshot is.
        (A screenshot waits for a frame the held clock may never give.)"""
        self.shots += 1
        path = os.path.join(ARTIFACTS, "%s-%d-%s.png" % (self.name, self.shots, what))
        data = self.browser.evaluate("[...Module.zorbelHome.canvas.windows.values()][0].canvas.toDataURL('image/png')")
        with open(path, "wb") as out:
            out.write(base64.b64decode(data.split(",", 1)[1]))
        return path

    def seconds_since_saver_opened(self):
        """When the last paint was drawn, by the page's clock, from the saver's window opening."""
        return self.browser.evaluate("Module.zorbelHome.canvas.lastPaint.sinceOpened") / 1000

    def box_texts(self):
        return self.browser.evaluate(
            "[...document.querySelectorAll('dialog.message-box[open]')].map((d) => d.innerText)")

    def assert_quiet_console(self, allowed=()):
        unexpected = [line for line in self.browser.console if not any(a in line for a in allowed)]
        assert not unexpected, "the console holds what the program did not write: %s" % unexpected


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def run(journey_function):
    try:
        journey_function()
    except AssertionError as failure:
        print("FAIL:", failure)
        sys.exit(1)
    print("PASS")


def pixel(path, x, y):
    """The colour of one pixel of a screenshot, as (red, green, blue)."""
    text = subprocess.run(["convert", path, "-format", "%%[pixel:p{%d,%d}]" % (x, y), "info:"],
                          capture_output=True, text=True, check=True).stdout
    inside = text[text.index("(") + 1:text.index(")")]
    return tuple(int(float(v)) for v in inside.split(",")[:3])
