"""The saver: Start goes full screen with the intro; a key, a move or a click in its first
3.6 s does nothing; the first item comes 3.5 s and the delay after the start, styled and
placed inside the screen; past the grace a key, a click or a real move ends it, full screen
is left and the start page is back; Esc ends it at any time, with full screen or without.
The times are the page's own: one browser's clock is held and moved on by the journey, so
each input lands at a known time of the saver's however busy the machine is; full screen,
which a held clock stalls, is seen in a second browser on its own clock, where only what
the saver shows tells when its grace is over. Run: saver_journey.py SITE ARTIFACTS"""

from journey import ITEM_LINES, SAVER, Journey, check, pixel, run

GRACE_MS = 3600


def on_held_clock():
    with Journey("saver") as j:
        b = j.browser
        j.open_page()
        j.store_settings("clean", "medicalno", 2)
        j.hold_clock()
        # Start from the keyboard, then a key and a click at once, and again at the end of
        # the grace: all ignored.
        j.start_from_keyboard()
        # Word that an earlier run's full screen was left, coming late, does not end this run.
        b.evaluate("document.dispatchEvent(new Event('fullscreenchange'))")
        check(j.saver_running(), "the saver ended on the end of a full screen it never had")
        b.key("Shift")
        press(b, 300, 300)
        early = j.saver_clock()
        check(early < GRACE_MS, "the input came %d ms after the start" % early)
        check(j.saver_running(), "the saver ended on input at once")
        intro = j.saver_picture("intro")
        # The intro panel, dark blue, at its place in the design (3840, 1440 twips).
        check(pixel(intro, 3840 // 15 + 20, 1440 // 15 + 150) == (0, 0, 192),
              "no intro panel: %s" % (pixel(intro, 3840 // 15 + 20, 1440 // 15 + 150),))
        j.run_clock_until(GRACE_MS - 50)
        b.key("Shift")
        press(b, 300, 300)
        late = j.saver_clock()
        check(late < GRACE_MS, "the clock ran past the grace: %d ms" % late)
        check(j.saver_running(), "the saver ended on input %d ms after it opened" % late)
        # The first item comes 3.5 s and the stored delay of 2 s after the start (the default
        # delay would be 7 s), and not before.
        j.run_clock_until(5400)
        check(not b.evaluate("%s.length" % ITEM_LINES), "an item came before 5.5 s")
        j.run_clock_until(5600)
        lines = j.next_item(timeout=5)
        came = j.seconds_since_saver_opened()
        check(5.499 <= came <= 5.6, "the first item came after %.3f s, not 5.5" % came)
        j.saver_picture("joke")
        screen_width = b.evaluate("innerWidth")
        for line in lines:
            check(0 <= line["left"] and line["left"] + line["width"] <= screen_width,
                  "the item sticks out sideways: %s" % line)
            check(line["face"] in ("Arial", "Times New Roman"), "face %s" % line["face"])
            check(line["pixels"] <= 43, "larger than 32 points: %s px" % line["pixels"])
        check(len({(tuple(l["color"]), l["face"], l["pixels"], l["bold"]) for l in lines}) == 1,
              "the lines of one item differ in style: %s" % lines)
        # Past the grace, a key ends it; and a click, the next time.
        b.key("Shift")
        b.wait_for("!(%s)" % SAVER, 5, "the saver to end on a key")
        check(b.evaluate("document.activeElement.id") == "start", "the focus is not back on Start")
        j.start_from_keyboard()
        j.run_clock_until(GRACE_MS)
        press(b, 300, 300)
        b.wait_for("!(%s)" % SAVER, 5, "the saver to end on a click")
        # Esc ends it in its intro also where the browser gave it no full screen to leave (on
        # the held clock, the page's request for it changes nothing).
        j.start_from_keyboard()
        b.key("Escape")
        b.wait_for("!(%s)" % SAVER, 5, "the saver to end on Esc in its intro, without full screen")
        check(b.evaluate("document.activeElement.id") == "start", "the focus is not back on Start after Esc")
        j.assert_quiet_console()


def in_full_screen():
    with Journey("saver-full-screen") as j:
        b = j.browser
        j.open_page()
        j.store_settings("clean", "medicalno", 2)
        b.evaluate("window.movedAt = []; document.addEventListener('mousemove', () => movedAt.push("
                   "performance.now() - [...Module.zorbelHome.canvas.windows.values()][0]?.opened))")
        j.press_start()
        b.wait_for("document.fullscreenElement !== null", 5, "full screen")
        j.shot("full-screen")
        # The pointer moved in full screen: the page knows where it is on the screen. (A
        # machine too busy to move it within the grace sees the saver end on it.)
        still = (400, 300)
        b.mouse("mouseMoved", *still)
        moved_at = b.wait_for("movedAt.length > 0 && movedAt[movedAt.length - 1]", 5, "the move")
        if moved_at >= GRACE_MS:
            b.wait_for("!(%s)" % SAVER, 5, "the saver to end on a move %d ms after the start" % moved_at)
            print("The move came %d ms after the start: the report of a still pointer is not seen" % moved_at)
        else:
            check(j.saver_running(), "the saver ended on a move %d ms after the start" % moved_at)
            # Once an item shows, the grace is over: a move report where the pointer stayed
            # does nothing, a real move ends the saver.
            j.next_item(timeout=20)
            j.shot("joke")
            b.mouse("mouseMoved", *still)
            b.pump(0.3)
            check(j.saver_running(), "the saver ended on a move report without a move")
            b.mouse("mouseMoved", still[0] + 5, still[1] + 2)
            b.wait_for("!(%s)" % SAVER, 5, "the saver to end on a move")
        # Full screen is left and the page comes back as it was.
        b.wait_for("document.fullscreenElement === null", 5, "full screen to be left")
        check(b.evaluate("!document.getElementById('start-page').hidden"), "no start page after the saver")
        check(b.evaluate("!document.documentElement.classList.contains('pointer-hidden')"), "the pointer stays hidden")
        j.shot("ended")
        # Esc leaves full screen, as the browser rules, and ends the saver even in its intro.
        j.press_start()
        b.wait_for("document.fullscreenElement !== null", 5, "full screen again")
        b.evaluate("document.exitFullscreen()")
        b.wait_for("!(%s)" % SAVER, 5, "the saver to end when full screen is left")
        j.assert_quiet_console()


def press(browser, x, y):
    """A click where the pointer is, without moving it."""
    browser.mouse("mousePressed", x, y, "left", 1)
    browser.mouse("mouseReleased", x, y, "left", 1)


def journey():
    on_held_clock()
    in_full_screen()


run(journey)
