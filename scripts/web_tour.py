"""The page's tour for ./run.sh web on a machine without a display: the site served on
localhost, whose address is printed, and screenshots of what a visitor sees, taken in a
headless Chromium once each view has been drawn.
Usage: web_tour.py SITE SCREENSHOT_FOLDER"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
from cdp import Browser, Site  # noqa: E402

site_folder, shots = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
os.makedirs(shots, exist_ok=True)
site = Site(site_folder)
print("The page is served at", site.address)
SAVER = "Module.zorbelHome.canvas.windows.size > 0"
# The lines of the item on show: drawn in the display cycle's colours, which the intro and
# the notices do not use.
ITEM = ("(Module.zorbelHome.canvas.lastPaint?.lines ?? []).some((l) => ['192,192,192', '128,128,128',"
        " '0,0,255', '0,255,0', '0,255,255', '255,0,0', '255,0,255'].includes(l.color.join(',')))")
FORM = "Module.zorbelHome.forms.active?.design.caption"
with Browser() as browser:
    browser.call("Emulation.setDeviceMetricsOverride", width=1280, height=800, deviceScaleFactor=1, mobile=False)

    def shot(name):
        browser.pump(0.3)
        print(browser.screenshot(os.path.join(shots, name + ".png")))

    browser.navigate(site.address)
    browser.wait_for("document.documentElement.dataset.ready === 'true'", 30)
    shot("1-start-page")
    browser.click(*browser.center_of("#start"))
    browser.wait_for(SAVER, 10)
    shot("2-saver-intro")
    browser.wait_for(ITEM, 20)
    shot("3-saver-first-item")
    browser.key("Escape")
    browser.wait_for("!(%s)" % SAVER, 10)
    browser.evaluate("document.getElementById('settings').focus()")
    browser.key("Enter")
    browser.wait_for("!!document.querySelector('dialog.message-box[open]')", 10)
    shot("4-beta-notice")
    browser.key("Enter")
    browser.wait_for("%s?.startsWith('Welcome')" % FORM, 10)
    shot("5-setup-window")
    browser.key("c", modifiers=1)
    browser.wait_for("%s === 'Screen saver'" % FORM, 10)
    shot("6-options-dialog")
site.stop()
