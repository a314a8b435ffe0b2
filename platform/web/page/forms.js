// The program's dialogs in the page, by handle: each built of HTML controls placed from its
// design, its input going back to the program as the form's events. Lengths cross in twips,
// 15 to a CSS pixel.
"use strict";

const TWIPS_PER_PIXEL = 15;
const EVENT = { click: 0, mouseMove: 1, keyDown: 2, keyPress: 3, timer: 4, close: 5, mouseDown: 6, mouseUp: 7, mouseLost: 8 };
const FORM_ITSELF = -1;
const px = (twips) => Math.round(twips / TWIPS_PER_PIXEL);
const rgb = (color, otherwise) => (color ? `rgb(${color[0]},${color[1]},${color[2]})` : otherwise);
const shiftOf = (e) => (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0);
const buttonOf = (e) => [1, 4, 2][e.button] || 0;

class ZorbelForms {
  constructor(program, layer) {
    this.program = program;  // the program's entry points
    this.layer = layer;      // where windows go
    this.live = new Map();
    this.active = null;
    this.onLastFormGone = () => {};
    this.zOrder = 0;
    window.addEventListener("resize", () => {
      for (const form of this.live.values()) if (form.shown) form.view.place();
    });
  }

  create(handle, design) {
    const form = { handle, design, shown: false, owner: 0, timers: new Map(), intervals: new Map(), controls: [] };
    design.controls.forEach((control, index) => {
      form.controls.push({ ...control, index, container: design.controls.findIndex((c) => c.name === control.parent && control.parent !== "") });
    });
    form.view = new DialogFormView(this, form);
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
    // As when a window closes on the desktop, the form it was modal over, or else the one
    // in front of the rest, is active next and takes the keys.
    if (this.active === form) {
      this.active = null;
      const shown = [...this.live.values()].filter((other) => other.shown && !other.view.element.inert);
      const next = this.live.get(form.owner) ||
        shown.sort((a, b) => b.view.element.style.zIndex - a.view.element.style.zIndex)[0];
      if (next && next.shown) this.activate(next);
    }
    queueMicrotask(() => { if (this.live.size === 0) this.onLastFormGone(); });
  }

  // Keys typed where no form has the focus (the page itself, after a box closed) go to the
  // active form, as a window's keys go to it whichever of its parts has the focus.
  strayKeyDown(e) {
    if (this.active && !e.target.closest?.(".form-window, .drawn-window")) this.active.view.keyDown(e);
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
    this.active?.view.element.classList.remove("active");
    form.view.element.classList.add("active");
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
    // Labels, frames, pictures and the title bar take no focus, as on the desktop: a press
    // on them leaves it on the control that had it, where the browser would move it to the
    // form's client area.
    this.element.addEventListener("mousedown", (e) => {
      if (!e.target.closest("button, input, .control-option, .control-check")) e.preventDefault();
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
        element.style.font = zorbelFaces.cssOfDesign(control.font);
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
    this.place();
  }

  // Centred in the page's view at whole pixels, as the other homes centre each form on the
  // screen; a form larger than the view starts at its top left corner and the page scrolls
  // to the rest, so its title bar and every control stay within reach.
  place() {
    const view = this.forms.layer;
    const left = Math.max(0, Math.floor((view.clientWidth - this.element.offsetWidth) / 2));
    const top = Math.max(0, Math.floor((view.clientHeight - this.element.offsetHeight) / 2));
    Object.assign(this.element.style, { left: `${left}px`, top: `${top}px` });
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
