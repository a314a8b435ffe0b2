// The start page and the home it gives the program: Start (the saver, full screen),
// Settings (the setup window), the visitor's own joke file with the checker's findings, and
// the calls the program makes into the page for its files, boxes, pointer and addresses.
"use strict";

(() => {
  const $ = (id) => document.getElementById(id);
  const startButton = $("start");
  const settingsButton = $("settings");
  const page = $("start-page");
  let shippedJokes = null;
  let ownJokes = null;   // {name, bytes}
  let checking = null;   // the bytes the checker is reading now, or `unreadable`
  const unreadable = Symbol("a file the page could not read");
  let running = null;    // "save" or "configure" while a run of the program lasts
  let programEnded = false;
  let wakeLock = null;
  let fullScreenOfThisRun = false;  // the saver's run went full screen

  const textToScript = (text) => {
    const size = Module.lengthBytesUTF8(text) + 1;
    const pointer = Module._malloc(size);
    Module.stringToUTF8(text, pointer, size);
    return pointer;
  };
  const callText = (text, call) => {
    const pointer = textToScript(text);
    try {
      return call(pointer);
    } finally {
      Module._free(pointer);
    }
  };

  const program = {
    event(form, kind, control, detail = {}) {
      Module._zorbel_event(form, kind, control, detail.key || 0, detail.character || 0, detail.shift || 0,
        detail.buttons || 0, Math.round(detail.x || 0), Math.round(detail.y || 0));
    },
    dialogKey: (form, focused, key, shift) => Module._zorbel_dialog_key(form, focused, key, shift) !== 0,
    focusArrived: (form, control) => Module._zorbel_focus_arrived(form, control),
    activated: (form) => Module._zorbel_activated(form),
    key: (window, key, shift, character) => Module._zorbel_drawn_key(window, key, shift, character),
    pointer: (kind, window, e, buttons, shift) => Module._zorbel_drawn_pointer(kind, window,
      Math.round(e.clientX), Math.round(e.clientY), Math.round(e.screenX), Math.round(e.screenY), buttons, shift),
    resized: (window, width, height) => Module._zorbel_drawn_resized(window, width, height),
    timeout: () => Module._zorbel_drawn_timeout(),
  };
  const forms = new ZorbelForms(program, $("forms"));
  const canvas = new ZorbelCanvas(program, $("forms"));
  const boxes = new ZorbelBoxes();

  // The run is over once the program has ended, or has no window left, and no box of it is
  // still up: the page comes back.
  const finishRunIfOver = () => {
    if (!running || boxes.open > 0) return;
    if (!programEnded && (forms.live.size > 0 || canvas.windows.size > 0)) return;
    if (!programEnded) Module._zorbel_end_run();
    forms.destroyAll();
    running = null;
    document.documentElement.classList.remove("pointer-hidden");
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
    if (wakeLock) wakeLock.release().catch(() => {});
    wakeLock = null;
    page.inert = false;
    page.hidden = false;
    (lastChosen || startButton).focus();
  };
  forms.onLastFormGone = finishRunIfOver;
  canvas.onLastWindowGone = finishRunIfOver;
  boxes.onAllClosed = () => {
    forms.reactivate();
    finishRunIfOver();
  };
  document.addEventListener("keydown", (e) => {
    if (running && boxes.open === 0) forms.strayKeyDown(e);
  });
  let lastChosen = null;

  Module.zorbelHome = {
    forms,
    canvas,
    textToScript,
    setPointerHidden(hidden) {
      document.documentElement.classList.toggle("pointer-hidden", hidden);
    },
    openAddress(address) {
      window.open(address, "_blank", "noopener,noreferrer");
    },
    readFile(name, lengthPointer) {
      let bytes = null;
      if (checking === unreadable) {
        Module.HEAP32[lengthPointer >> 2] = -2;
        return 0;
      }
      if (checking) bytes = checking;
      else if (name === "Qorv.ini") bytes = zorbelStorage.readSettings();
      else if (name === "jokes.txt") bytes = ownJokes ? new Uint8Array(ownJokes.bytes) : shippedJokes;
      if (!bytes) {
        Module.HEAP32[lengthPointer >> 2] = -1;
        return 0;
      }
      const pointer = Module._malloc(bytes.length || 1);
      Module.HEAPU8.set(bytes, pointer);
      Module.HEAP32[lengthPointer >> 2] = bytes.length;
      return pointer;
    },
    replaceFile(name, bytes) {
      return name === "Qorv.ini" && zorbelStorage.writeSettings(bytes);
    },
    showMessageBox: (title, text, kind, box) =>
      boxes.show(title, text, kind, () => { if (running) Module._zorbel_box_closed(box); }),
    diagnose(line) {
      console.info(line);
    },
    programEnded() {
      programEnded = true;
      queueMicrotask(finishRunIfOver);
    },
  };

  const run = (mode) => {
    if (running) return;
    running = mode;
    fullScreenOfThisRun = false;
    programEnded = false;
    page.inert = true;
    if (mode === "save") page.hidden = true;
    callText(mode, (pointer) => Module._zorbel_run(pointer));
  };

  // While the saver shows, the screen stays on where the browser offers a wake lock; the
  // browser lets it go when the page is hidden, so it is asked for again on return.
  const keepScreenOn = () => {
    navigator.wakeLock?.request("screen").then((lock) => {
      if (running !== "save") {
        lock.release().catch(() => {});
        return;
      }
      wakeLock = lock;
      lock.addEventListener("release", () => { if (wakeLock === lock) wakeLock = null; });
    }, () => {});
  };
  document.addEventListener("visibilitychange", () => {
    if (document.visibilityState === "visible" && running === "save" && !programEnded && !wakeLock) keepScreenOn();
  });
  startButton.addEventListener("click", () => {
    lastChosen = startButton;
    // Full screen is the browser's to grant, and only in answer to a gesture like this one.
    document.documentElement.requestFullscreen?.({ navigationUI: "hide" }).catch(() => {});
    keepScreenOn();
    run("save");
  });
  settingsButton.addEventListener("click", () => {
    lastChosen = settingsButton;
    run("configure");
  });
  const endSaver = () => {
    programEnded = true;
    Module._zorbel_end_run();
    finishRunIfOver();
  };
  // Leaving full screen (Esc, as the browser rules) ends the saver at any time; but not the
  // leaving of an earlier run's full screen, which may be told only once a new run began.
  document.addEventListener("fullscreenchange", () => {
    if (document.fullscreenElement) {
      fullScreenOfThisRun = running === "save";
    } else if (fullScreenOfThisRun && running === "save" && !programEnded) {
      endSaver();
    }
  });
  // Esc ends it at any time too where the browser gave it no full screen to leave (refused,
  // or not offered at all), before the program sees the key. A box up holds Esc for itself.
  document.addEventListener("keydown", (e) => {
    if (e.key === "Escape" && running === "save" && !programEnded && boxes.open === 0) {
      e.preventDefault();
      endSaver();
    }
  }, true);

  // The visitor's own joke file: what the checker finds in it, line by line, and whether
  // the saver shows it (a note that the browser could not keep a file is about that file).
  const showOwnJokes = () => {
    $("own-jokes-name").textContent = ownJokes ? ownJokes.name : "the jokes that come with the saver";
    $("remove-jokes").hidden = !ownJokes;
    $("own-jokes-note").textContent = "";
  };
  const showFindings = (name, bytes) => {
    checking = bytes;
    let report;
    try {
      const verdictPointer = Module._malloc(4);
      const reportPointer = callText(name, (pointer) => Module._zorbel_check(pointer, verdictPointer));
      report = Module.UTF8ToString(reportPointer);
      Module._free(reportPointer);
      Module._free(verdictPointer);
    } finally {
      checking = null;
    }
    const list = $("findings");
    list.textContent = "";
    for (const line of report.split("\n").filter((l) => l !== "")) {
      const item = document.createElement("li");
      item.textContent = line;
      if (/: error: /.test(line)) item.className = "error";
      else if (/: warning: /.test(line)) item.className = "warning";
      list.append(item);
    }
    $("findings-box").hidden = false;
  };
  // A file longer than the program reads whole, which it refuses for its length alone, is
  // not read into the page, and one the browser cannot read cannot be kept: the checker says
  // why, and the saver keeps the jokes it had.
  const choose = async (file) => {
    if (!file) return;
    const bytes = file.size > Module._zorbel_largest_joke_file() ? null
      : await file.arrayBuffer().then((buffer) => new Uint8Array(buffer), () => null);
    if (!bytes) {
      showFindings(file.name, unreadable);
      return;
    }
    ownJokes = { name: file.name, bytes: bytes.buffer };
    showOwnJokes();
    showFindings(file.name, bytes);
    zorbelStorage.keepOwnJokes(file.name, bytes.buffer).catch(() => {
      $("own-jokes-note").textContent = "This browser does not keep files: the jokes last until the page closes.";
    });
  };
  $("joke-file").addEventListener("change", (e) => choose(e.target.files[0]));
  // The browser tells of a change only when another file is chosen than the one the control
  // holds: emptied as the chooser opens, the same file chosen again once edited is read anew.
  $("joke-file").addEventListener("click", (e) => { e.target.value = ""; });
  $("remove-jokes").addEventListener("click", () => {
    ownJokes = null;
    $("findings-box").hidden = true;
    zorbelStorage.removeOwnJokes().catch(() => {});
    showOwnJokes();
    $("joke-file").value = "";
    $("joke-file").focus();
  });
  const dropZone = $("drop-zone");
  // While a run lasts a file is refused, but still held from the browser, which would
  // otherwise open it in the page's place and end the run with the page.
  for (const kind of ["dragenter", "dragover"]) {
    document.addEventListener(kind, (e) => {
      e.preventDefault();
      if (running) {
        e.dataTransfer.dropEffect = "none";
        return;
      }
      dropZone.classList.add("dropping");
    });
  }
  document.addEventListener("dragleave", (e) => {
    if (e.relatedTarget === null) dropZone.classList.remove("dropping");
  });
  document.addEventListener("drop", (e) => {
    e.preventDefault();
    dropZone.classList.remove("dropping");
    if (!running) choose(e.dataTransfer.files[0]);
  });

  const fontsReady = Promise.all(zorbelFaces.shipped.map((font) => document.fonts.load(font, "A"))).catch(() => {});
  const jokesReady = fetch("jokes.txt").then((r) => (r.ok ? r.arrayBuffer() : null)).then((b) => {
    shippedJokes = b && new Uint8Array(b);
  }, () => {});
  const ownReady = zorbelStorage.readOwnJokes().then((stored) => { ownJokes = stored; }, () => {});
  Promise.all([fontsReady, jokesReady, ownReady, Module.runtimeReady]).then(() => {
    showOwnJokes();
    if (ownJokes) showFindings(ownJokes.name, new Uint8Array(ownJokes.bytes));
    startButton.disabled = false;
    settingsButton.disabled = false;
    document.documentElement.dataset.ready = "true";
    document.dispatchEvent(new Event("zorbel-ready"));
    // Only once the page is ready: installing, the service worker fetches every file of the
    // page again, which would hold up a first visit's own fetches.
    if ("serviceWorker" in navigator && location.protocol !== "file:") {
      navigator.serviceWorker.register("sw.js").catch(() => {});
    }
  }, () => {
    // Start and Settings stay off: without its program the page can do nothing but say so.
    $("load-failed").hidden = false;
  });
})();
