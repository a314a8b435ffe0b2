"""A small client of Chromium's DevTools protocol for the page's journeys: a headless
Chromium of its own with a fresh profile, the site served on localhost, real input events,
screenshots, and everything the console said."""

import base64
import contextlib
import functools
import http.server
import json
import os
import shutil
import socketserver
import subprocess
import tempfile
import threading
import time

import websocket

CHROMIUM = os.environ.get("ZORBEL_CHROMIUM", "chromium")


class Site:
    """The static folder on a localhost port of its own, which can go away and come back."""

    def __init__(self, folder):
        handler = functools.partial(QuietHandler, directory=folder)
        self.server = socketserver.ThreadingTCPServer(("127.0.0.1", 0), handler)
        self.server.daemon_threads = True
        self.address = "http://127.0.0.1:%d/" % self.server.server_address[1]
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                      ".js": "text/javascript", ".woff2": "font/woff2"}

    def log_message(self, *args):
        pass


class ProtocolError(Exception):
    pass


class Browser:
    """One headless Chromium and one page in it."""

    def __init__(self, width=1280, height=800):
        self.profile = tempfile.mkdtemp(prefix="zorbel-chromium-")
        arguments = [CHROMIUM, "--headless=new", "--no-sandbox", "--disable-gpu",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--no-first-run", "--no-default-browser-check",
                     "--disable-dev-shm-usage", "--remote-debugging-port=0",
                     "--user-data-dir=" + self.profile, "--window-size=%d,%d" % (width, height),
                     "--lang=en-GB", "about:blank"]
        self.process = subprocess.Popen(arguments, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(self.profile, "DevToolsActivePort")
        deadline = time.time() + 30
        while not os.path.exists(port_file) or os.path.getsize(port_file) == 0:
            if time.time() > deadline or self.process.poll() is not None:
                raise ProtocolError("Chromium did not start")
            time.sleep(0.1)
        port = open(port_file).read().split()[0]
        targets = self._http_json("http://127.0.0.1:%s/json/list" % port)
        page = next(t for t in targets if t["type"] == "page")
        self.socket = websocket.create_connection(page["webSocketDebuggerUrl"], timeout=60,
                                                  suppress_origin=True)
        self.next_id = 0
        self.events = []
        self.console = []
        for domain in ("Page", "Runtime", "Log", "Network"):
            self.call(domain + ".enable")

    @staticmethod
    def _http_json(address):
        import urllib.request
        deadline = time.time() + 10
        while True:
            try:
                with urllib.request.urlopen(address) as answer:
                    return json.load(answer)
            except OSError:
                if time.time() > deadline:
                    raise
                time.sleep(0.1)

    def close(self):
        with contextlib.suppress(Exception):
            self.socket.close()
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
        shutil.rmtree(self.profile, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def _note(self, message):
        method = message.get("method")
        params = message.get("params", {})
        if method == "Runtime.consoleAPICalled":
            text = " ".join(str(a.get("value", a.get("description", ""))) for a in params["args"])
            self.console.append("%s: %s" % (params["type"], text))
        elif method == "Runtime.exceptionThrown":
            details = params["exceptionDetails"]
            self.console.append("exception: %s" % details.get("exception", {}).get("description", details["text"]))
        elif method == "Log.entryAdded":
            entry = params["entry"]
            self.console.append("%s %s: %s" % (entry["source"], entry["level"], entry["text"]))
        self.events.append(message)

    def _receive(self):
        message = json.loads(self.socket.recv())
        if "method" in message:
            self._note(message)
        return message

    def call(self, method, **params):
        self.next_id += 1
        wanted = self.next_id
        self.socket.send(json.dumps({"id": wanted, "method": method, "params": params}))
        while True:
            message = self._receive()
            if message.get("id") == wanted:
                if "error" in message:
                    raise ProtocolError("%s: %s" % (method, message["error"]))
                return message.get("result", {})

    def opened_tabs(self):
        """The addresses of the tabs the page opened (after watch_tabs)."""
        tabs = {}
        for event in self.events:
            if event.get("method") in ("Target.targetCreated", "Target.targetInfoChanged"):
                info = event["params"]["targetInfo"]
                if info["type"] == "page" and info.get("openerId"):
                    tabs[info["targetId"]] = info["url"]
        return list(tabs.values())

    def close_opened_tabs(self):
        """Closes the tabs the page opened and brings the page to the front again, where
        its timers run at their pace."""
        for event in self.events:
            if event.get("method") == "Target.targetCreated":
                info = event["params"]["targetInfo"]
                if info["type"] == "page" and info.get("openerId"):
                    with contextlib.suppress(ProtocolError):
                        self.call("Target.closeTarget", targetId=info["targetId"])
        self.call("Page.bringToFront")

    def watch_tabs(self):
        self.call("Target.setDiscoverTargets", discover=True)

    def pump(self, seconds):
        """Hears the page's events for a while."""
        deadline = time.time() + seconds
        self.socket.settimeout(0.05)
        try:
            while time.time() < deadline:
                with contextlib.suppress(websocket.WebSocketTimeoutException):
                    self._receive()
        finally:
            self.socket.settimeout(60)

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True, awaitPromise=True)
        if "exceptionDetails" in result:
            raise ProtocolError("%s: %s" % (expression, result["exceptionDetails"]))
        return result["result"].get("value")

    def wait_for(self, expression, timeout=20, what=None):
        """Waits until the expression is true in the page; its value."""
        deadline = time.time() + timeout
        while True:
            value = self.evaluate(expression)
            if value:
                return value
            if time.time() > deadline:
                raise AssertionError("waited %ds for %s" % (timeout, what or expression))
            self.pump(0.1)

    def navigate(self, address):
        self.call("Page.navigate", url=address)
        self.wait_for("document.readyState === 'complete'")

    def screenshot(self, path):
        data = self.call("Page.captureScreenshot", format="png")["data"]
        with open(path, "wb") as out:
            out.write(base64.b64decode(data))
        return path

    # Input as the browser's own input events.
    KEYS = {"Enter": (13, "\r"), "Escape": (27, ""), "Tab": (9, ""), "Space": (32, " "),
            "ArrowDown": (40, ""), "ArrowUp": (38, ""), "Shift": (16, ""), "Backspace": (8, "")}

    def key(self, key, modifiers=0):
        """Presses and releases one key: a name of KEYS or one character. Modifiers: 1 Alt,
        2 Ctrl, 8 Shift."""
        if key in self.KEYS:
            code, text = self.KEYS[key]
            name = {"Space": " "}.get(key, key)
        else:
            code, text, name = ord(key.upper()), key, key
        if modifiers & (1 | 2):
            text = ""
        down = {"type": "keyDown" if text else "rawKeyDown", "key": name, "windowsVirtualKeyCode": code,
                "modifiers": modifiers}
        if text:
            down["text"] = text
        self.call("Input.dispatchKeyEvent", **down)
        self.call("Input.dispatchKeyEvent", type="keyUp", key=name, windowsVirtualKeyCode=code, modifiers=modifiers)

    def type_text(self, text):
        for character in text:
            self.key(character)

    def mouse(self, kind, x, y, button="none", clicks=0):
        self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button, clickCount=clicks)

    def click(self, x, y):
        self.mouse("mouseMoved", x, y)
        self.mouse("mousePressed", x, y, "left", 1)
        self.mouse("mouseReleased", x, y, "left", 1)

    def center_of(self, selector):
        return self.evaluate(
            "(() => { const r = document.querySelector(%s).getBoundingClientRect();"
            " return [r.x + r.width / 2, r.y + r.height / 2]; })()" % json.dumps(selector))


def drop_files(browser, x, y, paths):
    """Drags files from outside the browser and drops them at a place on the page."""
    data = {"items": [], "files": paths, "dragOperationsMask": 1}
    for kind in ("dragEnter", "dragOver", "drop"):
        browser.call("Input.dispatchDragEvent", type=kind, x=x, y=y, data=data)


def choose_files(browser, selector, paths):
    """Chooses files in a file input as the visitor's file chooser would."""
    root = browser.call("DOM.getDocument")["root"]["nodeId"]
    node = browser.call("DOM.querySelector", nodeId=root, selector=selector)["nodeId"]
    browser.call("DOM.setFileInputFiles", nodeId=node, files=paths)


def choose_in_file_chooser(browser, selector, paths):
    """Presses a file input as the visitor does, and picks files in the chooser it opens."""
    browser.call("Page.setInterceptFileChooserDialog", enabled=True)
    heard = len(browser.events)
    browser.click(*browser.center_of(selector))
    deadline = time.time() + 10
    while True:
        opened = [e for e in browser.events[heard:] if e.get("method") == "Page.fileChooserOpened"]
        if opened:
            break
        if time.time() > deadline:
            raise ProtocolError("no file chooser opened")
        browser.pump(0.1)
    browser.call("DOM.setFileInputFiles", files=paths, backendNodeId=opened[0]["params"]["backendNodeId"])
    browser.call("Page.setInterceptFileChooserDialog", enabled=False)
