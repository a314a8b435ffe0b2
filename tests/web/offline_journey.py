"""The page offline after its first visit: once its service worker holds the files, the
page loads and the saver starts with no server at all; the manifest makes it installable.
Run: offline_journey.py SITE ARTIFACTS"""

from journey import SAVER, Journey, check, run


def journey():
    with Journey("offline") as j:
        b = j.browser
        j.open_page()
        b.wait_for("navigator.serviceWorker.ready.then((r) => !!r.active)", 20, "the service worker")
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


run(journey)
