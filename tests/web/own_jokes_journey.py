"""A visitor's own joke file, chosen through the file input: the checker's findings on the
page line by line, the file kept over a reload, the saver showing its Russian, Japanese and
Arabic jokes as typed (read back from the screen with tesseract in each language), and a
corrupt file giving the start-up report, that file chosen again once mended, read anew, a
file too long refused unread, and a browser that keeps no files.
Run: own_jokes_journey.py SITE ARTIFACTS"""

import os
import subprocess
import tempfile

from cdp import choose_files, choose_in_file_chooser, drop_files
from journey import SAVER, Journey, check, run

# language of tesseract, the joke, and words to read back, two of which will do
JOKES = [
    ("rus", "Зорбель смеётся последним", "зорбель смеется последним"),
    ("jpn", "ゾーベルは最後に笑う", "ゾーベル 最後 笑う"),
    ("ara", "زوربل يضحك أخيرا", "زوربل يضحك اخيرا"),
]

# Whether the page has marked the visitor's file as kept, which it does once the file is in
# its database.
FILE_KEPT = "localStorage.getItem('zorbel/own-jokes-kept') !== null"

# Whether the page's database no longer holds a file of the visitor's, its bytes included.
STORED_FILE_GONE = """new Promise((resolve) => {
  const opening = indexedDB.open("zorbel", 1);
  opening.onsuccess = () => {
    const reading = opening.result.transaction("files").objectStore("files").get("own-jokes");
    reading.onsuccess = () => { opening.result.close(); resolve(reading.result === undefined); };
  };
})"""


def normalised(text):
    text = "".join(text.lower().split())
    for alef in "أإآ":
        text = text.replace(alef, "ا")
    return text.replace("ё", "е")


def read_back(screenshot, bounds, language):
    """What tesseract reads in the joke's box of the screen (in pixels), dark on light with a
    margin."""
    left, top, width, height = bounds
    cut = screenshot + ".%s.png" % language
    subprocess.run(["convert", screenshot, "-crop", "%dx%d+%d+%d" % (width + 8, height + 8, max(left - 4, 0), max(top - 4, 0)),
                    "+repage", "-bordercolor", "black", "-border", "20", "-colorspace", "gray", "-normalize",
                    "-negate", cut], check=True)
    return subprocess.run(["tesseract", cut, "-", "-l", language, "--psm", "6"], capture_output=True,
                          text=True).stdout


def journey():
    scratch = tempfile.mkdtemp(prefix="zorbel-own-jokes-")
    scripts = os.path.join(scratch, "scripts.txt")
    with open(scripts, "w", encoding="utf-8", newline="") as out:
        out.write('"Scripts",1,4\r\n')
        for _, joke, _ in JOKES:
            out.write("clean,0,0\r\n%s\r\n</joke>\r\n" % joke)
    corrupt = os.path.join(scratch, "cut.txt")
    with open(corrupt, "wb") as out:
        out.write(b'"Cut",1,4\r\nclean,0,0\r\nA joke whose end was lost\r\n')

    with Journey("own-jokes") as j:
        b = j.browser
        j.open_page()
        # With no file of the visitor's kept, the page never opens its database.
        check(b.evaluate("indexedDB.databases().then((found) => found.length)") == 0,
              "a page with no file kept opened the database")
        j.store_settings("clean", "medicalno", 2)
        choose_files(b, "#joke-file", [scripts])
        b.wait_for("!document.getElementById('findings-box').hidden", 10, "the checker's findings")
        findings = b.evaluate("[...document.querySelectorAll('#findings li')].map((li) => li.textContent)")
        check(any("read as UTF-8" in line for line in findings), "the findings do not name UTF-8: %s" % findings)
        check(b.evaluate("document.getElementById('own-jokes-name').textContent") == "scripts.txt", "not shown as in use")
        j.shot("findings")
        # Kept in the browser: a reload still has it, once the browser has written it (on a
        # busy disk, a reload at once can come before the write, which the reload then stops).
        b.wait_for(FILE_KEPT, 20, "the browser to keep the file")
        b.navigate(j.site.address)
        j.wait_ready()
        check(b.evaluate("document.getElementById('own-jokes-name').textContent") == "scripts.txt", "not kept over a reload")

        # The saver on a held clock: each item is looked at as it was drawn, before the next.
        j.hold_clock()
        j.start_from_keyboard()
        unread = {language: (joke, words) for language, joke, words in JOKES}
        shown_before = None
        while unread and j.saver_clock() < 60000:
            lines = j.next_item(shown_before, timeout=15)
            shown_before = lines
            text = "\n".join(line["text"] for line in lines)
            language = next((lang for lang, (joke, _) in unread.items() if joke == text), None)
            if language is None:
                continue
            screenshot = j.saver_picture(language)
            line = lines[0]
            read = read_back(screenshot, (line["left"], line["top"], line["width"], line["height"]), language)
            found = [word for word in unread[language][1].split() if normalised(word) in normalised(read)]
            if len(found) >= 2:
                del unread[language]
            else:
                print("%s read back as %r" % (language, read))
        check(not unread, "not read back from the screen: %s" % sorted(unread))
        b.key("Escape")
        b.wait_for("!(%s)" % SAVER, 5, "the saver to end")
        j.assert_quiet_console()

    # A file cut short, dropped on the page: the checker says why, and the saver gives its
    # start-up report.
    with Journey("own-jokes-cut") as j:
        b = j.browser
        j.open_page()
        drop_files(b, 200, 200, [corrupt])
        b.wait_for("document.getElementById('own-jokes-name').textContent === 'cut.txt'", 10, "the cut file")
        findings = b.evaluate("[...document.querySelectorAll('#findings li.error')].map((li) => li.textContent)")
        check(findings and findings[0].startswith("cut.txt:"), "no error found in the cut file: %s" % findings)
        j.shot("corrupt-findings")
        b.click(*b.center_of("#start"))
        b.wait_for("!!document.querySelector('dialog.message-box[open]')", 10, "the start-up report")
        report = j.box_texts()[0]
        # A file dragged over the page while a run lasts is refused by the page itself, not
        # left to the browser, which would open it in the page's place.
        check(b.evaluate("(() => { const over = new DragEvent('dragover', {bubbles: true, cancelable: true,"
                         " dataTransfer: new DataTransfer()}); document.body.dispatchEvent(over);"
                         " return over.defaultPrevented && over.dataTransfer.dropEffect === 'none'; })()"),
              "a file dragged over the page during a run is left to the browser")
        check("D'oh! An error occurred" in report and "The Jokes database is corrupted" in report,
              "not the report of a corrupt file: %r" % report)
        j.shot("corrupt-report")
        b.key("Enter")
        b.wait_for("!document.getElementById('start-page').inert && document.fullscreenElement === null", 5,
                   "the page back after the report")
        # Removed, the collection that comes with the saver is used again.
        b.click(*b.center_of("#remove-jokes"))
        check(b.evaluate("document.getElementById('remove-jokes').hidden"), "the file was not removed")
        b.wait_for(STORED_FILE_GONE, 10, "the browser to forget the file")
        b.navigate(j.site.address)
        j.wait_ready()
        check(b.evaluate("document.getElementById('remove-jokes').hidden"), "the removed file came back")
        # Chosen in the file chooser, mended in an editor and chosen again, the same file is
        # read again: its findings are those of the mended file.
        choose_in_file_chooser(b, "#joke-file", [corrupt])
        b.wait_for("document.querySelectorAll('#findings li.error').length > 0", 10, "the cut file's error")
        with open(corrupt, "ab") as out:
            out.write(b"</joke>\r\n")
        choose_in_file_chooser(b, "#joke-file", [corrupt])
        b.wait_for("document.querySelectorAll('#findings li.error').length === 0", 10,
                   "the mended file read again")
        # A file longer than the saver reads is refused for its length, as everywhere, without
        # being read into the page, and the jokes shown stay as they were.
        oversized = os.path.join(scratch, "oversized.txt")
        with open(oversized, "wb") as out:
            out.truncate((256 << 20) + 1)
        choose_files(b, "#joke-file", [oversized])
        b.wait_for("[...document.querySelectorAll('#findings li.error')].some((li) =>"
                   " li.textContent.startsWith('oversized.txt') && li.textContent.includes('code 70'))", 10,
                   "the oversized file refused")
        check(b.evaluate("document.getElementById('own-jokes-name').textContent") == "cut.txt",
              "the oversized file took the place of the jokes shown")
        os.remove(oversized)
        # A browser that keeps no files: the page says the jokes last while it is open, and
        # says so no longer once they are removed.
        b.evaluate("indexedDB.open = () => { throw new DOMException('no storage', 'InvalidStateError'); }")
        choose_files(b, "#joke-file", [scripts])
        b.wait_for("document.getElementById('own-jokes-note').textContent.includes('does not keep')", 10,
                   "the note that the file is not kept")
        b.click(*b.center_of("#remove-jokes"))
        check(b.evaluate("document.getElementById('own-jokes-note').textContent") == "",
              "the note on a file not kept outlasts the file")
        j.assert_quiet_console()


run(journey)
