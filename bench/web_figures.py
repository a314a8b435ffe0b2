"""The browser home's figures, in one run beside a bare page that draws one line of text on
a canvas (bench/web_bare_text.html), both served by the same local server to the same
headless Chromium at 1280 x 800:
- the page's weight by file, compressed as a web server sends it;
- navigation to the first frame: from the start of the navigation (the page's time origin)
  to the mark each page sets once its first frame's drawing calls are made: the intro's
  first paint (the saver started as soon as the page is ready, as a click would), the bare
  page's one line; loads alternate, the cache is off and no service worker answers; beside
  them the floor of any page whose first frame waits on WebAssembly: the bare page's line
  drawn only once a module is fetched, compiled and instantiated, a minimal one (an import
  and a function) and the program's own (its code not run);
- processor time over MEASURE_SECONDS with the saver at a delay of 2 s, beside the bare page
  drawing its line anew every 2 s: what the scheduler counts (/proc/PID/task/TID/schedstat)
  for the renderer's main thread, all its threads and the GPU process, and the renderer's
  main-thread task time from the protocol's Performance metrics;
- memory over SOAK_SECONDS, sampled every SAMPLE_SECONDS after a garbage collection: the
  JS heap in use and the WebAssembly memory.
FIGURES (weight,navigation,processor,memory unless set) names the figures to measure, so
that one can be measured alone, e.g. FIGURES=navigation LOADS=15.
Usage: web_figures.py SITE BARE_PAGE_FOLDER"""

import contextlib
import gzip
import os
import shutil
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
from cdp import Browser, Site  # noqa: E402

SITE, BARE = (os.path.abspath(a) for a in sys.argv[1:3])
LOADS = int(os.environ.get("LOADS", "9"))
SETTLE_SECONDS = int(os.environ.get("SETTLE_SECONDS", "20"))
MEASURE_SECONDS = int(os.environ.get("MEASURE_SECONDS", "60"))
SOAK_SECONDS = int(os.environ.get("SOAK_SECONDS", "600"))
SAMPLE_SECONDS = int(os.environ.get("SAMPLE_SECONDS", "30"))
FIGURES = set(os.environ.get("FIGURES", "weight,navigation,processor,memory").split(","))
BARE_PAGE = "web_bare_text.html"
# The smallest module with a function that calls an import: (import "m" "d") (func (export "r") call 0).
MINIMAL_WASM = bytes.fromhex("0061736d01000000" "010401600000" "020701016d01640000" "03020100"
                             "070501017200" "01" "0a0601040010000b")
SAVER = "Module.zorbelHome.canvas.windows.size > 0"
# Starts the saver as soon as the page is ready, as a visitor's click would (without the
# full screen that only a real gesture may ask for).
AUTOSTART = ("document.addEventListener('zorbel-ready', () => {"
             " performance.mark('zorbel-ready'); document.getElementById('start').click(); });")


def load_average():
    return open("/proc/loadavg").read().split()[:3]


def weight():
    # What a server that compresses text sends; fonts and WebAssembly as gzip makes them
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


def navigation(browser, site, bare):
    def first_frame(address, mark):
        browser.navigate(address)
        return browser.wait_for("performance.getEntriesByName(%r)[0]?.startTime" % mark, 30)

    script = browser.call("Page.addScriptToEvaluateOnNewDocument", source=AUTOSTART)["identifier"]
    browser.call("Network.setCacheDisabled", cacheDisabled=True)
    browser.call("Network.setBypassServiceWorker", bypass=True)
    floors = {"minimal": "minimal.wasm", "program's": "program.wasm"}
    page_times, ready_times, bare_times = [], [], []
    floor_times = {name: [] for name in floors}
    for _ in range(LOADS):
        page_times.append(first_frame(site.address, "zorbel-first-frame"))
        ready_times.append(browser.evaluate("performance.getEntriesByName('zorbel-ready')[0].startTime"))
        bare_times.append(first_frame(bare.address + BARE_PAGE, "bare-first-frame"))
        for name, module in floors.items():
            floor_times[name].append(first_frame(bare.address + BARE_PAGE + "?wasm=" + module, "bare-first-frame"))
    browser.call("Page.removeScriptToEvaluateOnNewDocument", identifier=script)
    browser.call("Network.setCacheDisabled", cacheDisabled=False)
    browser.call("Network.setBypassServiceWorker", bypass=False)
    page_ms, bare_ms = statistics.median(page_times), statistics.median(bare_times)
    print("Navigation to the first frame (median of %d loads each): intro %.0f ms, bare page %.0f ms, %.2fx"
          " (goal 1.5x); fastest %.0f ms and %.0f ms, %.2fx"
          % (LOADS, page_ms, bare_ms, page_ms / bare_ms, min(page_times), min(bare_times),
             min(page_times) / min(bare_times)))
    print("  intro:  %s" % ", ".join("%.0f" % t for t in page_times))
    print("  of which the page was ready (program, jokes and faces) at a median %.0f ms" % statistics.median(ready_times))
    print("  bare:   %s" % ", ".join("%.0f" % t for t in bare_times))
    for name, times in floor_times.items():
        print("  the bare line after instantiating the %s WebAssembly: a median %.0f ms, %.2fx the bare page"
              % (name, statistics.median(times), statistics.median(times) / bare_ms))


def bare_folder():
    """The bare page and the modules it may wait on, in a folder of their own."""
    folder = tempfile.mkdtemp(prefix="zorbel-bare-")
    shutil.copy(os.path.join(BARE, BARE_PAGE), folder)
    shutil.copy(os.path.join(SITE, "zorbel.wasm"), os.path.join(folder, "program.wasm"))
    with open(os.path.join(folder, "minimal.wasm"), "wb") as out:
        out.write(MINIMAL_WASM)
    return folder


def running_seconds(pid, tid):
    """The seconds a thread has run on a processor, to the nanosecond (the scheduler's own
    count, which waiting for a processor on a busy machine does not add to)."""
    return int(open("/proc/%s/task/%s/schedstat" % (pid, tid)).read().split()[0]) / 1e9


def thread_seconds(browser):
    """Processor seconds of each thread of the browser's renderer and GPU processes:
    {(kind, pid, tid): seconds}, kind "main" for a renderer's main thread, else "renderer"
    or "gpu"."""
    parents, commands = {}, {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            parents[pid] = open("/proc/%s/stat" % pid).read().rsplit(")", 1)[1].split()[1]
            commands[pid] = open("/proc/%s/cmdline" % pid, "rb").read()
        except OSError:
            continue

    def descends(pid):
        while pid in parents and pid != "1":
            if pid == str(browser.process.pid):
                return True
            pid = parents[pid]
        return False
    spent = {}
    for pid, command in commands.items():
        kind = "renderer" if b"--type=renderer" in command else "gpu" if b"--type=gpu-process" in command else None
        if kind is None or not descends(pid):
            continue
        for tid in os.listdir("/proc/%s/task" % pid):
            with contextlib.suppress(OSError):
                spent[("main" if kind == "renderer" and tid == pid else kind, pid, tid)] = running_seconds(pid, tid)
    return spent


def seconds_between(before, after):
    """What the threads ran between two thread_seconds, by kind: {"main", "renderer" (all
    of a renderer's threads, its main thread included), "gpu"}; a thread that ended in
    between is not counted, one that began counts whole."""
    spent = {"main": 0, "renderer": 0, "gpu": 0}
    for key, seconds in after.items():
        ran = seconds - before.get(key, 0)
        spent[key[0]] += ran
        if key[0] == "main":
            spent["renderer"] += ran
    return spent


def metrics(browser):
    """The renderer's main-thread times so far, in seconds, by the protocol's names."""
    return {m["name"]: m["value"] for m in browser.call("Performance.getMetrics")["metrics"]}


def processor(browser, what):
    """The share of one core the page spends over MEASURE_SECONDS, as it is now: the
    processor time of the renderer's main thread, of all the renderer's threads and of the
    GPU process, and the protocol's main-thread task time (which is time from a task's start
    to its end, and so grows on a busy machine)."""
    browser.pump(SETTLE_SECONDS)
    began, tasks, threads = time.time(), metrics(browser), thread_seconds(browser)
    browser.pump(MEASURE_SECONDS)
    ran = seconds_between(threads, thread_seconds(browser))
    tasks_after = metrics(browser)
    spent = time.time() - began

    def share(seconds):
        return 100 * seconds / spent
    print("  %-34s renderer main thread %.3f %%, all its threads %.3f %%, GPU process %.3f %%;"
          " main-thread tasks %.3f %% (script %.3f %%)"
          % (what, share(ran["main"]), share(ran["renderer"]), share(ran["gpu"]),
             share(tasks_after["TaskDuration"] - tasks["TaskDuration"]),
             share(tasks_after["ScriptDuration"] - tasks["ScriptDuration"])))


def start_saver(browser, site):
    browser.navigate(site.address)
    browser.evaluate("localStorage.setItem('zorbel/Qorv.ini', 'clean\\r\\nmedicalno\\r\\n 2 \\r\\n')")
    browser.navigate(site.address)
    browser.wait_for("document.documentElement.dataset.ready === 'true'", 30)
    browser.evaluate("document.getElementById('start').click()")
    browser.wait_for(SAVER, 10)


def memory(browser):
    print("Memory over %d s, after a garbage collection (JS heap in use, WebAssembly memory):" % SOAK_SECONDS)
    samples = []
    # The renderer's processor time between samples too (a sample's forced collection left out):
    # the saver's processor time over a longer run, once the faces it draws in are made.
    between_seconds = between_main = between_renderer = 0
    began = time.time()
    while True:
        browser.call("HeapProfiler.collectGarbage")
        heap, wasm = browser.evaluate("[performance.memory.usedJSHeapSize, Module.HEAPU8.length]")
        samples.append((time.time() - began, heap, wasm))
        print("  %5.0f s  %8.1f KB  %8.1f KB" % (samples[-1][0], heap / 1024, wasm / 1024), flush=True)
        if time.time() - began >= SOAK_SECONDS:
            break
        paused, threads = time.time(), thread_seconds(browser)
        browser.pump(min(SAMPLE_SECONDS, SOAK_SECONDS - (time.time() - began)))
        ran = seconds_between(threads, thread_seconds(browser))
        between_main += ran["main"]
        between_renderer += ran["renderer"]
        between_seconds += time.time() - paused
    heaps = [heap for _, heap, _ in samples[1:]] or [samples[0][1]]
    print("  JS heap from the second sample on: %.1f to %.1f KB, last minus second %+.1f KB; WebAssembly memory"
          " %s" % (min(heaps) / 1024, max(heaps) / 1024, (heaps[-1] - heaps[0]) / 1024,
                   "unchanged" if len({w for _, _, w in samples}) == 1 else "grew"))
    if between_seconds > 0:
        print("  the saver's processor time between the samples, over %.0f s: renderer main thread %.3f %%,"
              " all its threads %.3f %%" % (between_seconds, 100 * between_main / between_seconds,
                                           100 * between_renderer / between_seconds))
    if not browser.evaluate(SAVER):
        print("  (the saver was no longer running at the end)")


def main():
    print("Load average at the start: %s (%d cores)" % (" ".join(load_average()), os.cpu_count()))
    if "weight" in FIGURES:
        weight()
    bare_files = bare_folder()
    site, bare = Site(SITE), Site(bare_files)
    try:
        with Browser() as browser:
            browser.call("Emulation.setDeviceMetricsOverride", width=1280, height=800, deviceScaleFactor=1,
                         mobile=False)
            if "navigation" in FIGURES:
                navigation(browser, site, bare)
            if "processor" in FIGURES:
                print("Processor time over %d s, each after %d s settling (goal 0.2 %% of a core):"
                      % (MEASURE_SECONDS, SETTLE_SECONDS))
                browser.call("Performance.enable")
                browser.navigate(bare.address + BARE_PAGE + "?every=2000")
                processor(browser, "the bare page, a line every 2 s")
            if "processor" in FIGURES or "memory" in FIGURES:
                start_saver(browser, site)
            if "processor" in FIGURES:
                processor(browser, "the saver at a delay of 2 s")
            if "memory" in FIGURES:
                memory(browser)
    finally:
        site.stop()
        bare.stop()
        shutil.rmtree(bare_files, ignore_errors=True)
    print("Load average at the end: %s" % " ".join(load_average()))


main()
