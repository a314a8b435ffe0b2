// The program's live forms in the page, by handle: a dialog is built of HTML controls placed
// from its design, the whole-screen saver is painted on a canvas; input on either goes back
// to the program as its events. Lengths cross in twips, 15 to a CSS pixel.
"use strict";

const TWIPS_PER_PIXEL = 15;
const EVENT = { click: 0, mouseMove: 1, keyDown: 2, keyPress: 3, timer: 4, close: 5, mouseDown: 6, mouseUp: 7, mouseLost: 8 };
const FORM_ITSELF = -1;
const px = (twips) => Math.round(twips / TWIPS_PER_PIXEL);
const rgb = (color, otherwise) => (color ? `rgb(${color[0]},${color[1]},${color[2]})` : otherwise);
const shiftOf = (e) => (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);
const buttonOf = (e) => [1, 4, 2][e.button] || 0;

// A caption's shown text: "&" marks the next character, "&&" shows one.
function withoutPrefixMarks(text) {
  return text.replace(/&(.?)/gs, "$1");
}
function splitLines(text) {
  return text.split(/\r\n|\r|\n/);
}

class ZorbelForms {
  constructor(program, layer) {
    this.program = program;  // the program's entry points
    this.layer = layer;      // where windows go
    this.live = new Map();
    this.active = null;
    this.measurer = document.createElement("canvas").getContext("2d");
    this.onLastFormGone = () => {};
    this.zOrder = 0;
  }

  // The width and height in twips of a text's lines in a font, as a self-sizing label
  // needs them.
  measureText(font, text) {
    const { width, lineHeight } = this.measureLines(font, splitLines(withoutPrefixMarks(text)));
    return [Math.round(width * TWIPS_PER_PIXEL), Math.round(lineHeight * TWIPS_PER_PIXEL)];
  }
  measureLines(font, lines) {
    const context = this.measurer;
    context.font = zorbelFaces.css(font);
    const metrics = context.measureText("Mg");
    const lineHeight = Math.ceil(metrics.fontBoundingBoxAscent) + Math.ceil(metrics.fontBoundingBoxDescent);
    let width = 0;
    for (const line of lines) width = Math.max(width, Math.ceil(context.measureText(line).width));
    return { width, lineHeight: lineHeight * lines.length, ascent: Math.ceil(metrics.fontBoundingBoxAscent), single: lineHeight };
  }

  create(handle, design) {
    const form = { handle, design, shown: false, owner: 0, timers: new Map(), intervals: new Map(), controls: [] };
    design.controls.forEach((control, index) => {
      form.controls.push({ ...control, index, container: design.controls.findIndex((c) => c.name === control.parent && control.parent !== "") });
    });
    form.view = design.maximized ? new CanvasFormView(this, form) : new DialogFormView(this, form);
    this.live.set(handle, form);
  }

  destroy(handle) {
    const form = this.live.get(handle);
    if (!form) return;
    for (const id of form.timers.values()) clearInterval(id);
    this.live.delete(handle);
    form.view.remove();
    for (const other of this.live.values()) {
      if (other.owner === handle) other.owner = 0;
    }
    if (form.owner && this.live.has(form.owner)) {
      this.live.get(form.owner).view.setInert(false);
    }
    if (this.active === form) {
      this.active = null;
      const next = form.owner && this.live.get(form.owner);
      if (next && next.shown) this.activate(next);
    }
    queueMicrotask(() => { if (this.live.size === 0) this.onLastFormGone(); });
  }

  // Keys typed where no form has the focus (the page itself, after a box closed) go to the
  // active form, as a window's keys go to it whichever of its parts has the focus.
  strayKeyDown(e) {
    if (this.active && !e.target.closest?.(".form-window, .saver-window")) this.active.view.keyDown(e);
  }

  // The active form has the keyboard again (a box over it closed): its focus goes back
  // where it was.
  reactivate() {
    if (this.active) this.program.activated(this.active.handle);
  }

  destroyAll() {
    for (const handle of [...this.live.keys()]) this.destroy(handle);
  }

  // Shows a form and makes it the active one; over `owner`, which then takes no input until
  // the form is gone.
  show(handle, owner) {
    const form = this.live.get(handle);
    if (!form) return;
    if (owner && this.live.has(owner)) {
      form.owner = owner;
      this.live.get(owner).view.setInert(true);
    }
    form.shown = true;
    form.view.show();
    this.activate(form);
  }

  activate(form) {
    if (this.active === form) return;
    this.active = form;
    form.view.bringForward();
    this.program.activated(form.handle);
  }

  setCaption(handle, caption) {
    const form = this.live.get(handle);
    if (!form) return;
    form.design.caption = caption;
    form.view.captionChanged();
  }

  setFocus(handle, control) {
    const form = this.live.get(handle);
    if (form) form.view.focus(control);
  }

  clientSize(handle) {
    const form = this.live.get(handle);
    if (!form) return [0, 0];
    const [width, height] = form.view.clientPixels();
    return [width * TWIPS_PER_PIXEL, height * TWIPS_PER_PIXEL];
  }

  setControl(handle, index, property, value) {
    const form = this.live.get(handle);
    if (!form) return;
    form.controls[index][property] = value;
    form.view.controlChanged(index, property);
  }

  readText(handle, index) {
    const form = this.live.get(handle);
    return form ? form.view.readText(index) : "";
  }

  setTimer(handle, index, interval) {
    const form = this.live.get(handle);
    if (!form) return;
    clearInterval(form.timers.get(index));
    form.timers.delete(index);
    form.intervals.set(index, interval);
    if (interval > 0) {
      form.timers.set(index, setInterval(() => this.program.event(handle, EVENT.timer, index), interval));
    }
  }

  // A key going down in a form: first the dialog keys, whose rules the program keeps, then
  // the form's own key events. True when the page must do nothing more with it.
  keyDown(form, focused, e) {
    const shift = shiftOf(e);
    if (this.program.dialogKey(form.handle, focused, e.keyCode, shift)) return true;
    if (!this.live.has(form.handle)) return true;
    this.program.event(form.handle, EVENT.keyDown, FORM_ITSELF, { key: e.keyCode, shift });
    if (e.key.length === 1 && !e.ctrlKey && !e.altKey && this.live.has(form.handle)) {
      this.program.event(form.handle, EVENT.keyPress, FORM_ITSELF, { character: e.key.codePointAt(0) });
    }
    return false;
  }
}

// The saver's whole-screen window: one canvas, painted again only when something on it
// changed; the pointer's moves count only when it really moved.
class CanvasFormView {
  constructor(forms, form) {
    this.forms = forms;
    this.form = form;
    this.element = document.createElement("div");
    this.element.className = "saver-window";
    this.element.hidden = true;
    this.element.tabIndex = -1;
    this.canvas = document.createElement("canvas");
    this.element.append(this.canvas);
    forms.layer.append(this.element);
    this.lastPointer = null;
    this.paintPending = false;
    this.firstPaint = true;
    this.resize = () => this.invalidate();
    window.addEventListener("resize", this.resize);
    this.element.addEventListener("keydown", (e) => {
      e.preventDefault();
      forms.keyDown(form, FORM_ITSELF, e);
    });
    this.element.addEventListener("mousemove", (e) => {
      const at = [e.screenX, e.screenY];
      const moved = this.lastPointer && (at[0] !== this.lastPointer[0] || at[1] !== this.lastPointer[1]);
      this.lastPointer = at;
      if (moved) this.pointerEvent(EVENT.mouseMove, e, e.buttons & 1 ? 1 : 0);
    });
    this.element.addEventListener("mousedown", (e) => this.pointerEvent(EVENT.mouseDown, e, buttonOf(e)));
    this.element.addEventListener("mouseup", (e) => this.pointerEvent(EVENT.mouseUp, e, buttonOf(e)));
    this.element.addEventListener("contextmenu", (e) => e.preventDefault());
  }

  pointerEvent(kind, e, buttons) {
    const x = e.clientX * TWIPS_PER_PIXEL;
    const y = e.clientY * TWIPS_PER_PIXEL;
    const index = this.hitTest(x, y);
    const origin = index === FORM_ITSELF ? [0, 0] : this.boxOf(index);
    this.forms.program.event(this.form.handle, kind, index, {
      shift: shiftOf(e), buttons, x: x - origin[0], y: y - origin[1],
    });
  }

  shownControl(index) {
    for (let at = index; at >= 0; at = this.form.controls[at].container) {
      if (!this.form.controls[at].visible) return false;
    }
    return true;
  }

  // A control's box in twips from the window's corner: [left, top, width, height], and the
  // part of it its containers let show.
  boxOf(index) {
    const chain = [];
    for (let at = index; at >= 0; at = this.form.controls[at].container) chain.unshift(at);
    let box = [0, 0, ...this.clientPixels().map((p) => p * TWIPS_PER_PIXEL)];
    let clip = [...box];
    for (const at of chain) {
      const b = this.form.controls[at].bounds;
      box = [box[0] + b[0], box[1] + b[1], b[2], b[3]];
      const left = Math.max(clip[0], box[0]);
      const top = Math.max(clip[1], box[1]);
      clip = [left, top,
        Math.max(0, Math.min(clip[0] + clip[2], box[0] + box[2]) - left),
        Math.max(0, Math.min(clip[1] + clip[3], box[1] + box[3]) - top)];
    }
    box.clip = clip;
    return box;
  }

  hitTest(x, y) {
    const controls = this.form.controls;
    for (let i = controls.length - 1; i >= 0; --i) {
      if (controls[i].kind === "timer" || !this.shownControl(i)) continue;
      const c = this.boxOf(i).clip;
      if (x >= c[0] && y >= c[1] && x < c[0] + c[2] && y < c[1] + c[3]) return i;
    }
    return FORM_ITSELF;
  }

  clientPixels() {
    return [window.innerWidth, window.innerHeight];
  }

  show() {
    this.element.hidden = false;
    this.element.focus();
    this.invalidate();
  }
  bringForward() { this.element.focus(); }
  setInert() {}
  remove() {
    window.removeEventListener("resize", this.resize);
    this.element.remove();
  }
  captionChanged() {}
  focus() { this.element.focus(); }
  readText(index) { return this.form.controls[index].caption; }
  controlChanged() { this.invalidate(); }

  // One paint for every change made in the same turn of the program.
  invalidate() {
    if (this.paintPending || this.element.hidden) return;
    this.paintPending = true;
    queueMicrotask(() => {
      this.paintPending = false;
      if (this.forms.live.get(this.form.handle) !== this.form) return;
      this.paint();
    });
  }

  paint() {
    const [width, height] = this.clientPixels();
    const scale = window.devicePixelRatio || 1;
    if (this.canvas.width !== Math.round(width * scale) || this.canvas.height !== Math.round(height * scale)) {
      this.canvas.width = Math.round(width * scale);
      this.canvas.height = Math.round(height * scale);
      this.canvas.style.width = `${width}px`;
      this.canvas.style.height = `${height}px`;
    }
    const context = this.canvas.getContext("2d");
    context.setTransform(scale, 0, 0, scale, 0, 0);
    context.fillStyle = rgb(this.form.design.back, "#fff");
    context.fillRect(0, 0, width, height);
    this.form.controls.forEach((control, index) => {
      if (control.kind === "timer" || !this.shownControl(index)) return;
      const box = this.boxOf(index);
      const [left, top, w, h] = box.map(px);
      const clip = box.clip.map(px);
      context.save();
      context.beginPath();
      context.rect(...clip);
      context.clip();
      if (control.kind === "picture") {
        context.fillStyle = rgb(control.back, "#fff");
        if (control.round) {
          context.beginPath();
          context.ellipse(left + w / 2, top + h / 2, w / 2, h / 2, 0, 0, 2 * Math.PI);
          context.fill();
        } else {
          context.fillRect(left, top, w, h);
        }
      } else if (control.kind === "label") {
        this.paintLabel(context, control, left, top, w, h);
      }
      context.restore();
    });
    if (this.firstPaint) {
      this.firstPaint = false;
      performance.mark("zorbel-first-frame");
    }
  }

  paintLabel(context, control, left, top, width, height) {
    if (!control.transparent) {
      context.fillStyle = rgb(control.back, "#fff");
      context.fillRect(left, top, width, height);
    }
    const lines = this.laidOutLines(control, width);
    const metrics = this.forms.measureLines(control.font, ["M"]);
    context.font = zorbelFaces.css(control.font);
    context.fillStyle = rgb(control.color, "#000");
    context.textBaseline = "alphabetic";
    lines.forEach((line, row) => {
      const lineWidth = context.measureText(line).width;
      let x = left;
      if (control.align === "center") x = left + (width - lineWidth) / 2;
      else if (control.align === "right") x = left + width - lineWidth;
      const baseline = top + row * metrics.single + metrics.ascent;
      context.fillText(line, x, baseline);
      if (control.font.underline) context.fillRect(x, baseline + 2, lineWidth, 1);
    });
  }

  // A label's lines: its own line breaks, and within a label that does not size itself,
  // lines wrapped at blanks to its width.
  laidOutLines(control, width) {
    const lines = splitLines(withoutPrefixMarks(control.caption));
    if (control.autoSize) return lines;
    const context = this.forms.measurer;
    context.font = zorbelFaces.css(control.font);
    const fits = (text) => context.measureText(text).width <= width;
    const wrapped = [];
    for (let line of lines) {
      let consumed = false;
      while (!fits(line) && line.includes(" ")) {
        let end = line.indexOf(" ");
        for (let next = line.indexOf(" ", end + 1); next !== -1; next = line.indexOf(" ", next + 1)) {
          if (!fits(line.slice(0, next))) break;
          end = next;
        }
        wrapped.push(line.slice(0, end).trimEnd());
        line = line.slice(end).trimStart();
        consumed = line === "";
        if (consumed) break;
      }
      if (!consumed) wrapped.push(line);
    }
    return wrapped;
  }
}

// A dialog as HTML: a window with a title bar and a close box, its client area holding each
// control as the element users and screen readers know (buttons, option buttons, a check
// box, a text box, frames), placed from the design.
class DialogFormView {
  constructor(forms, form) {
    this.forms = forms;
    this.form = form;
    const design = form.design;
    this.element = document.createElement("section");
    this.element.className = "form-window";
    this.element.hidden = true;
    this.element.setAttribute("role", "dialog");
    this.titleBar = document.createElement("header");
    this.titleBar.className = "title-bar";
    this.title = document.createElement("span");
    this.title.id = `form-${form.handle}-title`;
    this.element.setAttribute("aria-labelledby", this.title.id);
    const close = document.createElement("button");
    close.className = "close-box";
    close.tabIndex = -1;
    close.setAttribute("aria-label", "Close");
    close.textContent = "\u2715";
    close.addEventListener("click", () => forms.program.event(form.handle, EVENT.close, FORM_ITSELF));
    this.titleBar.append(this.title, close);
    this.client = document.createElement("div");
    this.client.className = "client";
    this.client.tabIndex = -1;
    this.client.style.width = `${px(design.width)}px`;
    this.client.style.height = `${px(design.height)}px`;
    this.client.style.background = rgb(design.back, "var(--window)");
    this.element.append(this.titleBar, this.client);
    this.elements = form.controls.map((control) => this.build(control));
    form.controls.forEach((control, index) => {
      const element = this.elements[index];
      if (!element) return;
      const parent = control.container >= 0 ? this.elements[control.container].inner : this.client;
      parent.append(element);
      for (const property of ["bounds", "caption", "font", "color", "align", "visible", "checked"]) {
        this.controlChanged(index, property);
      }
    });
    this.captionChanged();
    this.element.addEventListener("keydown", (e) => this.keyDown(e));
    this.element.addEventListener("mousedown", () => {
      if (forms.active !== form && !this.element.inert) forms.activate(form);
    }, true);
    this.element.addEventListener("focusin", (e) => {
      const index = this.elements.indexOf(e.target.closest("[data-control]"));
      if (index >= 0) forms.program.focusArrived(form.handle, index);
    });
    forms.layer.append(this.element);
  }

  build(control) {
    const forms = this.forms;
    const form = this.form;
    let element;
    const raise = (kind, e) => forms.program.event(form.handle, kind, control.index, e ? {
      shift: shiftOf(e), buttons: buttonOf(e), x: 0, y: 0,
    } : {});
    switch (control.kind) {
      case "timer":
        return null;
      case "button":
        element = document.createElement("button");
        element.type = "button";
        element.addEventListener("click", () => raise(EVENT.click));
        break;
      case "option":
      case "check": {
        element = document.createElement("label");
        const input = document.createElement("input");
        input.type = control.kind === "option" ? "radio" : "checkbox";
        element.input = input;
        element.text = document.createElement("span");
        element.append(input, element.text);
        input.addEventListener("click", () => raise(EVENT.click));
        break;
      }
      case "text":
        element = document.createElement("input");
        element.type = "text";
        element.value = control.caption;
        element.spellcheck = false;
        break;
      case "frame":
        element = document.createElement("fieldset");
        element.legend = document.createElement("legend");
        element.inner = document.createElement("div");
        element.inner.className = "frame-client";
        element.append(element.legend, element.inner);
        break;
      case "picture":
        element = document.createElement("div");
        element.inner = element;
        element.style.background = rgb(control.back, "var(--window)");
        if (control.round) element.style.borderRadius = "50%";
        break;
      default:
        element = document.createElement("div");
        element.className = "label";
        if (!control.transparent) element.style.background = rgb(control.back, "var(--window)");
        if (control.autoSize) element.classList.add("auto-size");
        break;
    }
    element.classList.add(`control-${control.kind}`);
    element.dataset.control = control.name;
    if (control.tooltip) element.title = control.tooltip;
    if (control.kind === "label" || control.kind === "picture" || control.kind === "frame") {
      element.addEventListener("mousedown", (e) => { e.stopPropagation(); raise(EVENT.mouseDown, e); });
      element.addEventListener("mouseup", (e) => { e.stopPropagation(); raise(EVENT.mouseUp, e); });
    }
    return element;
  }

  controlChanged(index, property) {
    const control = this.form.controls[index];
    const element = this.elements[index];
    if (!element) return;
    switch (property) {
      case "bounds": {
        const [left, top, width, height] = control.bounds.map(px);
        Object.assign(element.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` });
        break;
      }
      case "caption":
        this.showCaption(control, element);
        break;
      case "font":
        element.style.font = zorbelFaces.css(control.font);
        element.style.textDecoration = control.font.underline ? "underline" : "none";
        if (element.legend) element.legend.style.font = element.style.font;
        break;
      case "color":
        element.style.color = rgb(control.color, "var(--window-text)");
        break;
      case "align":
        // Buttons, option buttons and the check box place their captions themselves.
        if (control.kind === "label") element.style.textAlign = control.align;
        break;
      case "visible":
        element.hidden = !control.visible;
        break;
      case "checked":
        if (element.input) element.input.checked = control.checked;
        break;
    }
  }

  // A caption with its marked letter underlined, as Windows shows an accelerator.
  showCaption(control, element) {
    if (control.kind === "text") {
      element.value = control.caption;
      return;
    }
    const target = element.legend || element.text || element;
    target.textContent = "";
    const parts = control.caption.split(/(&.?)/s);
    for (const part of parts) {
      if (part.startsWith("&") && part.length === 2 && part !== "&&" && control.kind !== "label") {
        const marked = document.createElement("u");
        marked.textContent = part[1];
        target.append(marked);
      } else if (part.startsWith("&")) {
        target.append(part.slice(1));
      } else {
        target.append(part);
      }
    }
    const lines = target.textContent;
    if (lines.includes("\r")) target.textContent = lines.replace(/\r\n?/g, "\n");
  }

  keyDown(e) {
    if (this.element.inert) return;
    const focused = this.elements.indexOf(e.target.closest("[data-control]"));
    if (e.key === "Escape") {
      e.preventDefault();
      const cancel = this.form.controls.find((c) => c.cancel && c.visible);
      if (cancel) this.forms.program.event(this.form.handle, EVENT.click, cancel.index);
      return;
    }
    if (this.forms.keyDown(this.form, focused, e)) e.preventDefault();
  }

  clientPixels() {
    return [px(this.form.design.width), px(this.form.design.height)];
  }

  show() {
    this.element.hidden = false;
  }

  bringForward() {
    this.element.style.zIndex = ++this.forms.zOrder;
    if (!this.element.contains(document.activeElement)) this.client.focus();
  }

  setInert(inert) {
    this.element.inert = inert;
    this.element.classList.toggle("owner-of-modal", inert);
  }

  remove() {
    this.element.remove();
  }

  captionChanged() {
    this.title.textContent = this.form.design.caption;
  }

  focus(index) {
    const element = index >= 0 ? this.elements[index] : null;
    const target = element ? element.input || element : this.client;
    target.focus();
  }

  readText(index) {
    const element = this.elements[index];
    return element && element.tagName === "INPUT" ? element.value : this.form.controls[index].caption;
  }
}
