"""The setup window with the keyboard alone: Settings, the beta notice closed with Enter,
the hub's accelerator for the options dialog, its Tab order, the delay refused out of range
with a box, OK storing the three lines, Esc leaving them as they were, and the saver then
following what was stored. Run: setup_journey.py SITE ARTIFACTS"""

import json
import time

from journey import Journey, check, run

HUB = "Welcome to Zorbel Joke Screensaver - Version 4!"
OPTIONS = "Screen saver"
ACTIVE_FORM = "Module.zorbelHome.forms.active?.design.caption"
FOCUSED = "document.activeElement.closest('[data-control]')?.dataset.control"
TITLE_COLOURS = ("Object.fromEntries([...document.querySelectorAll('.form-window:not([hidden])')].map((w) =>"
                 " [w.querySelector('.title-bar span').textContent, getComputedStyle(w.querySelector('.title-bar')).backgroundColor]))")
# Where a form is, in CSS pixels, and its controls that are not where their design (in twips,
# 15 to a pixel, each inside its container) puts them: [name, designed, found].
PLACED = """(() => {
  const form = [...Module.zorbelHome.forms.live.values()].find((f) => f.shown && f.design.caption === %s);
  const view = form.view, outer = view.element.getBoundingClientRect(), client = view.client.getBoundingClientRect();
  const misplaced = [];
  form.controls.forEach((control, index) => {
    const element = view.elements[index];
    if (!element || element.hidden) return;
    let [left, top] = control.bounds;
    for (let at = control.container; at >= 0; at = form.controls[at].container) {
      left += form.controls[at].bounds[0];
      top += form.controls[at].bounds[1];
    }
    const designed = [left, top, control.bounds[2], control.bounds[3]].map((twips) => Math.round(twips / 15));
    const box = element.getBoundingClientRect();
    const found = [box.left - client.left, box.top - client.top, box.width, box.height];
    if (designed.some((value, n) => Math.abs(value - found[n]) > 0.5)) misplaced.push([control.name, designed, found]);
  });
  return {window: [outer.left, outer.top, outer.width, outer.height], view: [innerWidth, innerHeight],
          client: [client.width, client.height], design: [form.design.width / 15, form.design.height / 15], misplaced};
})()"""


def check_placed(b, caption):
    """The form is centred in the page's view at whole pixels, as the other homes centre it on
    the screen, its client area and every control where and as large as its design says."""
    placed = b.evaluate(PLACED % json.dumps(caption))
    left, top, width, height = placed["window"]
    view_width, view_height = placed["view"]
    check((left, top) == ((view_width - width) // 2, (view_height - height) // 2),
          "%s is at %s, not centred in %s" % (caption, placed["window"], placed["view"]))
    check(placed["client"] == placed["design"], "%s's client area is %s, not %s" % (caption, placed["client"], placed["design"]))
    check(not placed["misplaced"], "%s's controls not where their design puts them: %s" % (caption, placed["misplaced"]))


def journey():
    with Journey("setup") as j:
        b = j.browser
        j.open_page()
        # From the top of the page, Tab reaches Start, then Settings.
        b.key("Tab")
        b.key("Tab")
        check(b.evaluate("document.activeElement.id") == "settings", "Tab does not reach Settings")
        b.key("Enter")
        b.wait_for("!!document.querySelector('dialog.message-box[open]')", 5, "the beta notice")
        check("Welcome to beta" in j.box_texts()[0], "the first box is not the beta notice: %s" % j.box_texts())
        check(b.evaluate("[...Module.zorbelHome.forms.live.values()].every((f) => !f.shown)"),
              "the hub shows before the beta notice is closed")
        j.shot("beta-notice")
        b.key("Enter")
        b.wait_for("%s === %s" % (ACTIVE_FORM, repr(HUB)), 5, "the hub")
        j.shot("hub")
        check_placed(b, HUB)
        # The information window: modeless, centred as the hub is, the focus on its OK!, which
        # Enter presses; Esc does nothing there. The hub is active again once it is gone.
        b.click(*b.center_of("[data-control=Command6]"))
        b.wait_for("%s === 'About the SS'" % ACTIVE_FORM, 5, "the information window")
        check_placed(b, "About the SS")
        check(b.evaluate("document.querySelector('.owner-of-modal') === null"), "the information window holds the hub")
        check(b.evaluate(FOCUSED) == "Command1", "the focus is on %s, not OK!" % b.evaluate(FOCUSED))
        check(b.evaluate(TITLE_COLOURS) == {HUB: "rgb(128, 128, 128)", "About the SS": "rgb(0, 0, 192)"},
              "the title bars do not show which form is active: %s" % b.evaluate(TITLE_COLOURS))
        j.shot("information")
        b.key("Escape")
        b.pump(0.3)
        check(b.evaluate(ACTIVE_FORM) == "About the SS", "Esc closed the information window")
        b.key("Enter")
        b.wait_for("%s === %s" % (ACTIVE_FORM, repr(HUB)), 5, "the hub to be active after the information window")
        # In a view smaller than the hub, it starts at the top left corner, and each control
        # Tab reaches is scrolled into sight.
        b.call("Emulation.setDeviceMetricsOverride", width=400, height=300, deviceScaleFactor=1, mobile=False)
        b.wait_for("document.querySelector('.form-window:not([hidden])').getBoundingClientRect().left === 0", 5,
                   "the hub at the corner of a small view")
        check(b.evaluate("document.querySelector('.form-window:not([hidden])').getBoundingClientRect().top") == 0,
              "the hub's title bar is out of a small view")
        j.shot("small-view")
        reached = set()
        for _ in range(12):
            b.key("Tab")
            name, box = b.evaluate("[%s, (() => { const r = document.activeElement.getBoundingClientRect();"
                                   " return [r.left, r.top, r.right, r.bottom]; })()]" % FOCUSED)
            check(box[0] >= 0 and box[1] >= 0 and box[2] <= 400 and box[3] <= 300,
                  "Tab reached %s out of sight, at %s" % (name, box))
            reached.add(name)
        check({"Command1", "Command2", "Command6"} <= reached, "Tab did not go round the hub: %s" % reached)
        b.call("Emulation.setDeviceMetricsOverride", width=1280, height=800, deviceScaleFactor=1, mobile=False)
        b.wait_for("document.querySelector('.form-window:not([hidden])').getBoundingClientRect().left > 0", 5,
                   "the hub centred again")
        check_placed(b, HUB)
        # A link opens its page in a new tab, the hub staying as it was.
        b.watch_tabs()
        b.click(*b.center_of("[data-control=Command5]"))
        deadline = time.time() + 5
        while "bounce" not in "".join(b.opened_tabs()) and time.time() < deadline:
            b.pump(0.2)
        check(b.opened_tabs() == ["http://www.tw.example/zorbel/bounce.cgi?where=dotcom"],
              "the maker's page did not open in a new tab: %s" % b.opened_tabs())
        # One with a message opens its page only once the message is closed.
        b.click(*b.center_of("[data-control=Command4]"))
        b.wait_for("!!document.querySelector('dialog.message-box[open]')", 5, "the home page's message")
        b.pump(0.5)
        check(len(b.opened_tabs()) == 1, "a page opened before its message was closed: %s" % b.opened_tabs())
        b.key("Enter")
        deadline = time.time() + 5
        while "where=home" not in "".join(b.opened_tabs()) and time.time() < deadline:
            b.pump(0.2)
        check(b.opened_tabs()[1:] == ["http://www.tw.example/zorbel/bounce.cgi?where=home"],
              "the home page did not open after its message: %s" % b.opened_tabs())
        check(b.evaluate(ACTIVE_FORM) == HUB, "the hub is not active after the link")
        b.close_opened_tabs()
        b.key("c", modifiers=1)  # Alt+C: Configure saver
        b.wait_for("%s === %s" % (ACTIVE_FORM, repr(OPTIONS)), 5, "the options dialog")
        check(b.evaluate("document.querySelector('.owner-of-modal') !== null"), "the hub is not held while the dialog is open")
        j.shot("options")
        check_placed(b, OPTIONS)
        # The dialog opens at its design values: clean, no medical terms, 30 seconds.
        check(b.evaluate("document.querySelector('[data-control=Text1]').value") == "30", "the delay is not 30")
        # Rude jokes by the arrow key in the option group, then Tab on to the delay.
        focused = b.evaluate(FOCUSED)
        check(focused == "Option1", "the first focus is on %s, not the clean option" % focused)
        b.key("ArrowDown")
        check(b.evaluate(FOCUSED) == "Option2", "the arrow does not move to the rude option")
        check(b.evaluate("document.querySelector('[data-control=Option2] input').checked"), "rude is not selected")
        b.key("Tab")
        check(b.evaluate(FOCUSED) == "Text1", "Tab from the options does not reach the delay, but %s" % b.evaluate(FOCUSED))
        # A click on a label or on the title bar leaves the focus where it was, as on the
        # desktop, where neither takes it.
        for part in ("[data-control=Label5]", "[data-control=Label1]", ".title-bar span"):
            b.click(*b.center_of(".form-window.active " + part))
            check(b.evaluate(FOCUSED) == "Text1", "a click on %s moved the focus from the delay to %s"
                  % (part, b.evaluate("document.activeElement.className || document.activeElement.tagName")))
        b.evaluate("document.activeElement.select()")
        b.type_text("1")
        b.key("o", modifiers=1)  # Alt+O: OK, with a delay of 1
        b.wait_for("!!document.querySelector('dialog.message-box[open]')", 5, "the delay message")
        check("You entered an invalid delay" in j.box_texts()[0], "no delay message: %s" % j.box_texts())
        j.shot("delay-refused")
        b.key("Tab")
        check(b.evaluate("document.activeElement.closest('dialog.message-box[open]') !== null"),
              "Tab took the focus out of the message box")
        b.key("Enter")
        b.wait_for("!document.querySelector('dialog.message-box[open]')", 5, "the delay message to close")
        check(j.stored_settings() is None, "a refused delay was stored")
        check(b.evaluate(FOCUSED) == "Text1", "the focus did not come back to the dialog: %s" % b.evaluate(FOCUSED))
        b.evaluate("document.activeElement.select()")
        b.type_text("2")
        b.key("o", modifiers=1)
        b.wait_for("%s === %s" % (ACTIVE_FORM, repr(HUB)), 5, "the dialog to close on OK")
        check(j.stored_settings() == "rude\r\nmedicalno\r\n 2 \r\n", "stored: %r" % j.stored_settings())
        # Opened again, it shows its design values; Esc closes it and stores nothing.
        b.key("c", modifiers=1)
        b.wait_for("%s === %s" % (ACTIVE_FORM, repr(OPTIONS)), 5, "the options dialog again")
        check(b.evaluate("document.querySelector('[data-control=Text1]').value") == "30", "not opened at design values")
        # No button is the default: Enter in the delay presses nothing. Alt+D puts the
        # factory values in, the focus staying where it was.
        b.key("Tab")
        b.key("Enter")
        b.pump(0.3)
        check(b.evaluate(ACTIVE_FORM) == OPTIONS and not j.box_texts(), "Enter in the delay pressed a button")
        b.key("d", modifiers=1)
        check(b.evaluate("document.querySelector('[data-control=Text1]').value") == "7", "Alt+D did not put in the defaults")
        check(b.evaluate(FOCUSED) == "Text1", "Alt+D moved the focus to %s" % b.evaluate(FOCUSED))
        b.key("Escape")
        b.wait_for("%s === %s" % (ACTIVE_FORM, repr(HUB)), 5, "Esc to close the dialog")
        check(j.stored_settings() == "rude\r\nmedicalno\r\n 2 \r\n", "Esc changed what was stored")
        # Settings the browser will not keep: the run-time error box, then the program ends.
        b.key("c", modifiers=1)
        b.wait_for("%s === %s" % (ACTIVE_FORM, repr(OPTIONS)), 5, "the options dialog for a full store")
        b.evaluate("window.keptSetItem = Storage.prototype.setItem;"
                   " Storage.prototype.setItem = () => { throw new DOMException('full', 'QuotaExceededError'); }")
        b.key("o", modifiers=1)
        b.wait_for("!!document.querySelector('dialog.message-box[open]')", 5, "the run-time error box")
        check("Run-time error '70'" in j.box_texts()[0], "not the run-time error box: %s" % j.box_texts())
        j.shot("storage-refused")
        b.key("Enter")
        b.wait_for("Module.zorbelHome.forms.live.size === 0 && !document.getElementById('start-page').inert", 5,
                   "the program to end after the run-time error box")
        b.evaluate("Storage.prototype.setItem = window.keptSetItem")
        check(j.stored_settings() == "rude\r\nmedicalno\r\n 2 \r\n", "a failed write changed what was stored")
        b.evaluate("document.getElementById('settings').focus()")
        b.key("Enter")
        b.wait_for("!!document.querySelector('dialog.message-box[open]')", 5, "the beta notice again")
        b.key("Enter")
        b.wait_for("%s === %s" % (ACTIVE_FORM, repr(HUB)), 5, "the hub again")
        # Alt+R: Return to control panel ends the program; the page is back.
        b.key("r", modifiers=1)
        b.wait_for("Module.zorbelHome.forms.live.size === 0 && !document.getElementById('start-page').inert", 5,
                   "the setup window to close")
        check(b.evaluate("document.activeElement.id") == "settings", "the focus is not back on Settings")
        j.shot("closed")
        # The saver follows the stored settings: its first item 3.5 s and 2 s after the start,
        # where the default delay would take 7 s.
        j.press_start()
        j.next_item(timeout=20)
        came = j.seconds_since_saver_opened()
        check(5.4 <= came <= 7.5, "the saver's first item came after %.1f s, not 5.5" % came)
        b.key("Escape")
        j.assert_quiet_console()


run(journey)
