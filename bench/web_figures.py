"""The browser home's figures, in one run beside a bare page that draws one line of text
on a canvas: the page's weight by file, compressed as a web server sends it; the time from
navigation to the intro's first frame (median of five loads each, alternating) against the
bare page's; the renderer's CPU over MEASURE_SECONDS at a delay of 2 s; and the JS heap and
WebAssembly memory sampled over SOAK_SECONDS.
Usage: web_figures.py SITE BARE_PAGE_FOLDER"""

import gzip
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
from cdp import Browser, Site  # noqa: E402

SITE, BARE = (os.path.abspath(a) for a in sys.argv[1:3])
MEASURE_SECONDS = int(os.environ.get("MEASURE_SECONDS", "60"))
SOAK_SECONDS = int(os.environ.get("SOAK_SECONDS", "600"))
SAVER = "Module.zorbelHome.canvas.windows.size > 0"
# Starts the saver as soon as the page is ready, as a visitor's click would (without the
# full screen that only a real gesture may ask for).
AUTOSTART = "document.addEventListener('zorbel-ready', () => document.getElementById('start').click());"

# Weight: what a server that compresses text sends; fonts and WebAssembly as gzip makes them
# too, since every host compresses those differently or not at all.
print("Page weight, file by file (gzip -9, as a server compressing it sends it):")
total = raw_total = 0
for folder, _, names in sorted(os.walk(SITE)):
    for name in sorted(names):
        path = os.path.join(folder, name)
        raw = open(path, "rb").read()
        sent = min(len(raw), len(gzip.compress(raw, 9)))
        total += sent
        raw_total += len(raw)
        print("  %-34s %8.1f KB  (%8.1f KB as stored)" % (os.path.relpath(path, SITE), sent / 1024, len(raw) / 1024))
print("  %-34s %8.1f KB  (%8.1f KB as stored); goal 600 KB" % ("in all", total / 1024, raw_total / 1024))

site, bare = Site(SITE), Site(BARE)
with Browser() as browser:
    browser.call("Emulation.setDeviceMetricsOverride", width=1280, height=800, deviceScaleFactor=1, mobile=False)
    browser.call("Network.setCacheDisabled", cacheDisabled=True)
    browser.call("Page.addScriptToEvaluateOnNewDocument", source=AUTOSTART)

    def first_frame(address, mark):
        browser.navigate(address)
        return browser.wait_for("performance.getEntriesByName(%r)[0]?.startTime" % mark, 30)

    # Each load from the server, as a first visit: no service worker in between.
    browser.call("Network.setBypassServiceWorker", bypass=True)
    page_times, bare_times = [], []
    for _ in range(5):
        page_times.append(first_frame(site.address, "zorbel-first-frame"))
        bare_times.append(first_frame(bare.address + "web_bare_text.html", "bare-first-frame"))
    page_ms, bare_ms = statistics.median(page_times), statistics.median(bare_times)
    print("Navigation to the first frame (median of 5): intro %.0f ms, bare page %.0f ms, %.2fx (goal 1.5x)"
          % (page_ms, bare_ms, page_ms / bare_ms))
    print("  intro: %s; bare: %s" % (", ".join("%.0f" % t for t in page_times), ", ".join("%.0f" % t for t in bare_times)))

    # CPU: every renderer process of this browser (its descendants with --type=renderer),
    # through /proc, those that ended included.
    def renderer_cpu_seconds():
        ticks = os.sysconf("SC_CLK_TCK")
        parents, commands, cpu = {}, {}, {}
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                fields = open("/proc/%s/stat" % pid).read().rsplit(")", 1)[1].split()
                commands[pid] = open("/proc/%s/cmdline" % pid, "rb").read()
            except OSError:
                continue
            parents[pid] = fields[1]
            cpu[pid] = (int(fields[11]) + int(fields[12]) + int(fields[13]) + int(fields[14])) / ticks

        def descends(pid):
            while pid in parents and pid != "1":
                if pid == str(browser.process.pid):
                    return True
                pid = parents[pid]
            return False
        return sum(cpu[pid] for pid in cpu if b"--type=renderer" in commands[pid] and descends(pid))

    # The bare page's renderer first, as the floor a page costs with the protocol attached.
    browser.call("Page.removeScriptToEvaluateOnNewDocument", identifier="1")
    browser.navigate(bare.address + "web_bare_text.html")
    browser.pump(2)
    began, cpu_began = time.time(), renderer_cpu_seconds()
    browser.pump(MEASURE_SECONDS)
    bare_spent, bare_cpu = time.time() - began, renderer_cpu_seconds() - cpu_began

    browser.navigate(site.address)
    browser.evaluate("localStorage.setItem('zorbel/Qorv.ini', 'clean\\r\\nmedicalno\\r\\n 2 \\r\\n')")
    browser.navigate(site.address)
    browser.wait_for("document.documentElement.dataset.ready === 'true'", 30)
    browser.evaluate("document.getElementById('start').click()")
    browser.wait_for(SAVER, 10)
    browser.pump(10)  # past the intro and the first items
    began, cpu_began = time.time(), renderer_cpu_seconds()
    browser.pump(MEASURE_SECONDS)
    spent, cpu = time.time() - began, renderer_cpu_seconds() - cpu_began
    print("Renderer CPU over %d s at a delay of 2 s: %.2f s, %.3f %% of a core (goal 0.2 %%);"
          " the bare page idle: %.2f s, %.3f %%" % (spent, cpu, 100 * cpu / spent, bare_cpu, 100 * bare_cpu / bare_spent))

    # Memory: sampled while the saver runs on.
    memory = "[performance.memory.usedJSHeapSize, Module.HEAPU8.length]"
    samples = []
    began = time.time()
    while True:
        browser.call("HeapProfiler.collectGarbage")
        samples.append((time.time() - began,) + tuple(browser.evaluate(memory)))
        if time.time() - began >= SOAK_SECONDS:
            break
        browser.pump(min(30, SOAK_SECONDS / 10))
    print("Memory over %d s (JS heap, WebAssembly memory):" % SOAK_SECONDS)
    for at, heap, wasm in samples:
        print("  %5.0f s  %8.1f KB  %8.1f KB" % (at, heap / 1024, wasm / 1024))
site.stop()
bare.stop()
