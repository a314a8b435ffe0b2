// Message boxes as the page's own modal dialogs: a title, an icon by kind, the text with its
// line breaks, and one OK button, which holds the focus and which Enter, Space and Esc press.
// They come back at once; `onAllClosed` hears when the last one is gone.
"use strict";

class ZorbelBoxes {
  constructor() {
    this.open = 0;
    this.onAllClosed = () => {};
  }

  // `kind`: the icon the program asks for (1 information, 2 exclamation, 3 stop; 0 none).
  // `onClose` runs once the visitor has closed the box.
  show(title, text, kind, onClose = () => {}) {
    const icon = { 1: ["information", "i"], 2: ["exclamation", "!"], 3: ["stop", "\u2716"] }[kind];
    const box = document.createElement("dialog");
    box.className = "message-box";
    box.setAttribute("aria-label", title);
    const bar = document.createElement("header");
    bar.className = "title-bar";
    bar.textContent = title;
    const body = document.createElement("div");
    body.className = "box-body";
    if (icon) {
      const mark = document.createElement("span");
      mark.className = `box-icon box-icon-${icon[0]}`;
      mark.setAttribute("role", "img");
      mark.setAttribute("aria-label", icon[0]);
      mark.textContent = icon[1];
      body.append(mark);
    }
    const message = document.createElement("p");
    message.textContent = text.replace(/\r\n?/g, "\n");
    body.append(message);
    const ok = document.createElement("button");
    ok.type = "button";
    ok.textContent = "OK";
    const buttons = document.createElement("div");
    buttons.className = "box-buttons";
    buttons.append(ok);
    box.append(bar, body, buttons);
    document.body.append(box);
    const close = () => {
      if (!box.isConnected) return;
      box.close();
      box.remove();
      this.open -= 1;
      onClose();
      if (this.open === 0) this.onAllClosed();
    };
    ok.addEventListener("click", close);
    box.addEventListener("cancel", (e) => { e.preventDefault(); close(); });
    box.addEventListener("keydown", (e) => {
      if (e.key === "Enter") { e.preventDefault(); close(); }
      // OK is the box's one control: Tab keeps the focus on it rather than leaving the page.
      if (e.key === "Tab") { e.preventDefault(); ok.focus(); }
      e.stopPropagation();
    });
    this.open += 1;
    box.showModal();
    ok.focus();
  }
}
