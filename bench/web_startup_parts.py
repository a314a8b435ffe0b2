"""Where the page's time to the intro's first frame goes, load by load: the page is served
from a copy whose inline scripts each set a mark once they have run, and a script of the
bench's own marks when the program's WebAssembly arrives and is instantiated, when its
runtime is up, when the faces and the joke file are there, and starts the saver as soon as
the page is ready, as the navigation figure does. Cache off, no service worker.
Prints the median and the range of each part over LOADS loads (15 unless set), then the
fastest load's marks in order. Usage: web_startup_parts.py SITE"""

import collections
import os
import re
import shutil
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
from cdp import Browser, Site  # noqa: E402

LOADS = int(os.environ.get("LOADS", "15"))

MARKS = r"""
(() => {
  const mark = (name) => performance.mark(name);
  const streaming = WebAssembly.instantiateStreaming;
  WebAssembly.instantiateStreaming = (response, imports) => Promise.resolve(response).then((r) => {
    mark("wasm response in hand");
    return streaming.call(WebAssembly, r, imports);
  }).then((result) => { mark("wasm instantiated"); return result; });
  const load = document.fonts.load.bind(document.fonts);
  document.fonts.load = (font, text) => load(font, text).then((faces) => { mark("face loaded: " + font); return faces; });
  const fetching = window.fetch;
  window.fetch = (address, options) => fetching(address, options).then((r) => { mark("fetched: " + address); return r; });
  // The page sets Module twice (its own object, then the program's script): its runtime
  // callback is wrapped once.
  let module;
  Object.defineProperty(window, "Module", { configurable: true, get: () => module, set(value) {
    if (module === value) return;
    module = value;
    let callback = null;
    Object.defineProperty(value, "onRuntimeInitialized", { configurable: true, enumerable: true,
      get: () => callback,
      set(f) { callback = typeof f === "function" ? () => { mark("runtime up"); f(); } : f; } });
  } });
  document.addEventListener("DOMContentLoaded", () => mark("DOMContentLoaded"));
  document.addEventListener("zorbel-ready", () => { mark("zorbel-ready"); document.getElementById("start").click(); });
})();
"""

# (part, from, to); from None is the navigation's start.
PARTS = [
    ("page's response, last byte", None, "page responseEnd"),
    ("  then the program's request", "page responseEnd", "zorbel.wasm startTime"),
    ("  then the first script ran", "page responseEnd", "script 1 ran"),
    ("program's download", "zorbel.wasm startTime", "zorbel.wasm responseEnd"),
    ("page's scripts (first to last)", "script 1 ran", "script %d ran"),
    ("last script to DOMContentLoaded", "script %d ran", "DOMContentLoaded"),
    ("download's end to the response in hand", "zorbel.wasm responseEnd", "wasm response in hand"),
    ("compiling and instantiating", "wasm response in hand", "wasm instantiated"),
    ("instantiated to ready", "wasm instantiated", "zorbel-ready"),
    ("ready to the first frame (Main)", "zorbel-ready", "zorbel-first-frame"),
    ("navigation to the first frame", None, "zorbel-first-frame"),
]


def marked_copy(site):
    """A copy of the site whose inline scripts each mark that they ran; the number of them."""
    folder = tempfile.mkdtemp(prefix="zorbel-parts-")
    shutil.copytree(site, folder, dirs_exist_ok=True)
    path = os.path.join(folder, "index.html")
    page = open(path, encoding="utf-8").read()
    count = 0

    def mark(match):
        nonlocal count
        count += 1
        return match.group(0) + "<script>performance.mark('script %d ran')</script>" % count
    open(path, "w", encoding="utf-8").write(re.sub(r"</script>", mark, page))
    return folder, count


def one_load(browser, address):
    browser.navigate(address)
    browser.wait_for("performance.getEntriesByName('zorbel-first-frame')[0]?.startTime", 30)
    return dict(browser.evaluate("""(() => {
      const page = performance.getEntriesByType("navigation")[0];
      const times = [["page responseEnd", page.responseEnd]];
      for (const r of performance.getEntriesByType("resource")) {
        const name = r.name.split("/").pop();
        times.push([name + " startTime", r.startTime], [name + " responseEnd", r.responseEnd]);
      }
      for (const m of performance.getEntriesByType("mark")) times.push([m.name, m.startTime]);
      return times.reverse();  // the first of each name wins in a dict
    })()"""))


def main():
    folder, scripts = marked_copy(os.path.abspath(sys.argv[1]))
    site = Site(folder)
    loads = []
    print("Load average at the start: %s" % " ".join(open("/proc/loadavg").read().split()[:3]))
    try:
        with Browser() as browser:
            browser.call("Emulation.setDeviceMetricsOverride", width=1280, height=800, deviceScaleFactor=1, mobile=False)
            browser.call("Page.addScriptToEvaluateOnNewDocument", source=MARKS)
            browser.call("Network.setCacheDisabled", cacheDisabled=True)
            browser.call("Network.setBypassServiceWorker", bypass=True)
            for _ in range(LOADS):
                loads.append(one_load(browser, site.address))
    finally:
        site.stop()
        shutil.rmtree(folder, ignore_errors=True)
    print("Parts of %d loads, in ms: median (fastest to slowest)" % LOADS)
    spans = collections.defaultdict(list)
    for times in loads:
        for name, start, end in PARTS:
            start = start and (start % scripts if "%d" in start else start)
            end = end % scripts if "%d" in end else end
            if end in times and (start is None or start in times):
                spans[name].append(times[end] - (times[start] if start else 0))
    for name, _, _ in PARTS:
        if spans[name]:
            print("  %-42s %6.1f  (%.1f to %.1f)" % (name, statistics.median(spans[name]), min(spans[name]),
                                                     max(spans[name])))
    fastest = min(loads, key=lambda times: times["zorbel-first-frame"])
    print("The fastest load, mark by mark:")
    for name, at in sorted(fastest.items(), key=lambda item: item[1]):
        print("  %7.1f  %s" % (at, name))
    print("Load average at the end: %s" % " ".join(open("/proc/loadavg").read().split()[:3]))


main()
