// The windows the program draws itself (the saver's whole screen): a canvas each, on which
// the program's drawn toolkit paints through the calls below, and whose input goes back to
// it. Nothing is drawn between changes: the program asks for one timeout at a time for its
// next timer, and paints only what changed.
"use strict";

class ZorbelCanvas {
  constructor(program, layer) {
    this.program = program;
    this.layer = layer;
    this.windows = new Map();
    this.timeout = null;
    this.measurer = document.createElement("canvas").getContext("2d");
    this.measuringFont = null;
    this.onLastWindowGone = () => {};
    this.firstFrameMarked = false;
    // What the last paint drew: each line's text, font, colour and box, as a screen reader
    // or a test may read it back, and when, also in milliseconds since its window opened.
    this.lastPaint = null;
    // Where the pointer was last seen on the page, for a window that appears under it.
    this.pointerSeen = null;
    for (const kind of ["mousemove", "mousedown", "mouseup"]) {
      document.addEventListener(kind, (e) => { this.pointerSeen = e; }, true);
    }
    window.addEventListener("resize", () => {
      for (const handle of this.windows.keys()) program.resized(handle, innerWidth, innerHeight);
    });
  }

  // Its size in CSS pixels.
  open(handle) {
    const element = document.createElement("div");
    element.className = "drawn-window";
    element.hidden = true;
    element.tabIndex = -1;
    const canvas = document.createElement("canvas");
    element.append(canvas);
    this.layer.append(element);
    const view = { element, canvas, context: canvas.getContext("2d"), pictures: [], opened: performance.now() };
    this.windows.set(handle, view);
    const shift = (e) => (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);
    const button = (e) => [1, 4, 2][e.button] || 0;
    element.addEventListener("keydown", (e) => {
      e.preventDefault();
      const character = e.key.length === 1 || (e.key.length === 2 && e.key.codePointAt(0) > 0xffff)
        ? e.key.codePointAt(0) : 0;
      this.program.key(handle, e.keyCode, shift(e), e.ctrlKey || e.altKey ? 0 : character);
    });
    // The program counts a move only where the pointer's place on the screen changed: the
    // browser reports one too when the window appears under a still pointer.
    element.addEventListener("mousemove", (e) => this.program.pointer(0, handle, e, e.buttons & 7, shift(e)));
    element.addEventListener("mousedown", (e) => this.program.pointer(1, handle, e, button(e), shift(e)));
    element.addEventListener("mouseup", (e) => this.program.pointer(2, handle, e, button(e), shift(e)));
    element.addEventListener("contextmenu", (e) => e.preventDefault());
    return [innerWidth, innerHeight];
  }

  close(handle) {
    const view = this.windows.get(handle);
    if (!view) return;
    view.element.remove();
    this.windows.delete(handle);
    if (this.windows.size === 0) {
      clearTimeout(this.timeout);
      this.timeout = null;
      queueMicrotask(() => { if (this.windows.size === 0) this.onLastWindowGone(); });
    }
  }

  show(handle) {
    const view = this.windows.get(handle);
    view.element.hidden = false;
    view.element.focus();
    // Told once the program's call that showed the window is over.
    const seen = this.pointerSeen;
    if (seen) queueMicrotask(() => { if (this.windows.has(handle)) this.program.pointer(3, handle, seen, 0, 0); });
  }

  armTimeout(milliseconds) {
    clearTimeout(this.timeout);
    this.timeout = milliseconds >= 0 ? setTimeout(() => this.program.timeout(), milliseconds) : null;
  }

  beginPaint(handle) {
    const view = this.windows.get(handle);
    const scale = window.devicePixelRatio || 1;
    const width = Math.round(innerWidth * scale);
    const height = Math.round(innerHeight * scale);
    if (view.canvas.width !== width || view.canvas.height !== height) {
      view.canvas.width = width;
      view.canvas.height = height;
      view.canvas.style.width = `${innerWidth}px`;
      view.canvas.style.height = `${innerHeight}px`;
    }
    view.context.setTransform(scale, 0, 0, scale, 0, 0);
    view.painting = { window: handle, lines: [] };
  }

  endPaint(handle) {
    const view = this.windows.get(handle);
    const at = performance.now();
    this.lastPaint = { ...view.painting, at, sinceOpened: at - view.opened };
    if (!this.firstFrameMarked) {
      this.firstFrameMarked = true;
      performance.mark("zorbel-first-frame");
    }
  }

  // The context drawn on now: the window's, or the picture a scaled part goes into.
  contextOf(handle) {
    const view = this.windows.get(handle);
    return view.pictures.length ? view.pictures[view.pictures.length - 1].getContext("2d") : view.context;
  }

  fill(handle, disc, color, left, top, width, height) {
    const context = this.contextOf(handle);
    context.fillStyle = `rgb(${color})`;
    if (disc) {
      context.beginPath();
      context.ellipse(left + width / 2, top + height / 2, width / 2, height / 2, 0, 0, 2 * Math.PI);
      context.fill();
    } else {
      context.fillRect(left, top, width, height);
    }
  }

  // [width rounded up, line height, ascent] in pixels.
  layOutLine(families, pixels, bold, text) {
    const context = this.measurer;
    // A label is laid out a word at a time in one font: the font is read anew only when it changes.
    const font = zorbelFaces.css(families, pixels, bold);
    if (font !== this.measuringFont) {
      context.font = font;
      this.measuringFont = font;
    }
    const metrics = context.measureText(text);
    const ascent = Math.round(metrics.fontBoundingBoxAscent);
    return [Math.ceil(metrics.width), ascent + Math.round(metrics.fontBoundingBoxDescent), ascent];
  }

  // `box`: the line's [width, height, ascent] as it was laid out.
  drawText(handle, face, families, pixels, bold, text, box, color, left, top) {
    const context = this.contextOf(handle);
    context.font = zorbelFaces.css(families, pixels, bold);
    context.fillStyle = `rgb(${color})`;
    context.textBaseline = "alphabetic";
    context.fillText(text, left, top + box[2]);
    this.windows.get(handle).painting?.lines.push({
      text, face, pixels, bold, color, left, top, width: box[0], height: box[1],
    });
  }

  pushClip(handle, left, top, width, height) {
    const context = this.contextOf(handle);
    context.save();
    context.beginPath();
    context.rect(left, top, width, height);
    context.clip();
  }

  popClip(handle) {
    this.contextOf(handle).restore();
  }

  beginScaled(handle, width, height) {
    const view = this.windows.get(handle);
    const picture = document.createElement("canvas");
    picture.width = Math.max(1, width);
    picture.height = Math.max(1, height);
    view.pictures.push(picture);
  }

  endScaled(handle, scale) {
    const view = this.windows.get(handle);
    const picture = view.pictures.pop();
    const context = this.contextOf(handle);
    context.imageSmoothingQuality = "high";
    context.drawImage(picture, 0, 0, picture.width * scale, picture.height * scale);
  }
}
