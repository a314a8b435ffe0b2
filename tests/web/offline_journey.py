"""The page offline after its first visit: once its service worker holds the files, the
page loads and the saver starts with no server at all; the manifest makes it installable.
A new build on the server replaces what a returning visitor's browser keeps, whatever its
own cache holds. And a page that cannot fetch its program says so.
Run: offline_journey.py SITE ARTIFACTS"""

import os
import re
import shutil
import tempfile
import time

from journey import SAVER, SITE, Journey, check, run


def journey():
    with Journey("offline") as j:
        b = j.browser
        j.open_page()
        b.wait_for("navigator.serviceWorker.ready.then((r) => !!r.active)", 20, "the service worker")
        # The service worker keeps every file of the site, and the site holds no file it does not.
        kept = b.evaluate("caches.keys().then((names) => caches.open(names[0])).then((store) => store.keys())"
                          ".then((requests) => requests.map((r) => new URL(r.url).pathname.slice(1)))")
        site_files = {os.path.relpath(os.path.join(folder, name), SITE).replace(os.sep, "/")
                      for folder, _, names in os.walk(SITE) for name in names} - {"sw.js"}
        check(set(kept) - {""} == site_files,
              "the stored files %s are not the site's %s" % (sorted(kept), sorted(site_files)))
        errors = b.call("Page.getInstallabilityErrors")["installabilityErrors"]
        check(errors == [], "the browser would not install the page: %s" % errors)
        j.site.stop()
        b.call("Network.emulateNetworkConditions", offline=True, latency=0, downloadThroughput=-1, uploadThroughput=-1)
        b.navigate(j.site.address)
        j.wait_ready()
        check(b.evaluate("!!navigator.serviceWorker.controller"), "the page did not come from its service worker")
        j.shot("offline-page")
        j.press_start()
        b.wait_for("Module.zorbelHome.canvas.lastPaint?.lines.some((l) => l.text === 'NEW:')", 5,
                   "the intro offline")
        j.shot("offline-intro")
        b.key("Escape")
        j.assert_quiet_console()

    # A site published a month ago, which the browser's cache takes for fresh for days, then
    # a new build of it: the service worker keeps the new build's files, not those.
    scratch = tempfile.mkdtemp(prefix="zorbel-new-build-")
    try:
        shutil.copytree(SITE, scratch, dirs_exist_ok=True)
        month_ago = time.time() - 30 * 86400
        for folder, _, names in os.walk(scratch):
            for name in names:
                os.utime(os.path.join(folder, name), (month_ago, month_ago))
        with Journey("new-build", site=scratch) as j:
            b = j.browser
            j.open_page()
            b.wait_for("navigator.serviceWorker.ready.then((r) => !!r.active)", 20, "the service worker")
            with open(os.path.join(scratch, "jokes.txt"), "ab") as jokes:
                jokes.write(b"clean,0,0\r\nA joke of the new build\r\n</joke>\r\n")
            worker = os.path.join(scratch, "sw.js")
            with open(worker) as text:
                renamed = re.sub(r'"zorbel-[^"]*"', '"zorbel-new-build"', text.read())
            with open(worker, "w") as text:
                text.write(renamed)
            b.navigate(j.site.address)
            j.wait_ready()
            b.wait_for("caches.keys().then((names) => names.join() === 'zorbel-new-build')", 20,
                       "the new build's store alone")
            kept = b.evaluate("caches.open('zorbel-new-build').then((store) => store.match('jokes.txt'))"
                              ".then((answer) => answer.text())")
            check("A joke of the new build" in kept, "the new build's store holds the old build's jokes")
            j.assert_quiet_console()
    finally:
        shutil.rmtree(scratch, ignore_errors=True)

    # A server that lost the program, or a network gone before it came: the page says it
    # could not load the saver, and Start and Settings stay off.
    scratch = tempfile.mkdtemp(prefix="zorbel-no-program-")
    try:
        shutil.copytree(SITE, scratch, dirs_exist_ok=True)
        os.remove(os.path.join(scratch, "zorbel.wasm"))
        with Journey("no-program", site=scratch) as j:
            b = j.browser
            b.navigate(j.site.address)
            b.wait_for("!document.getElementById('load-failed').hidden", 10, "the page to say it has no program")
            check(b.evaluate("['start', 'settings'].every((id) => document.getElementById(id).disabled)"),
                  "Start or Settings came on without the program")
            j.shot("no-program")
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


run(journey)
