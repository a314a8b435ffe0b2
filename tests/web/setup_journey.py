"""The setup window with the keyboard alone: Settings, the beta notice closed with Enter,
the hub's accelerator for the options dialog, its Tab order, the delay refused out of range
with a box, OK storing the three lines, Esc leaving them as they were, and the saver then
following what was stored. Run: setup_journey.py SITE ARTIFACTS"""

import time

from journey import Journey, check, run

HUB = "Welcome to Zorbel Joke Screensaver - Version 4!"
OPTIONS = "Screen saver"
ACTIVE_FORM = "Module.zorbelHome.forms.active?.design.caption"
FOCUSED = "document.activeElement.closest('[data-control]')?.dataset.control"


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
        b.evaluate("document.activeElement.select()")
        b.type_text("1")
        b.key("o", modifiers=1)  # Alt+O: OK, with a delay of 1
        b.wait_for("!!document.querySelector('dialog.message-box[open]')", 5, "the delay message")
        check("You entered an invalid delay" in j.box_texts()[0], "no delay message: %s" % j.box_texts())
        j.shot("delay-refused")
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
