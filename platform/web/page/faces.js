// The designs' faces in the browser: the Windows face where the visitor's system has it,
// else the metric-compatible face the page brings, else the system's own fallback for
// whatever script a text is in. Sizes in points become whole pixels as Windows makes them.
"use strict";

const zorbelFaces = (() => {
  const families = {
    "Arial": '"Arial", "Zorbel Sans", sans-serif',
    "Times New Roman": '"Times New Roman", "Zorbel Serif", serif',
    "MS Sans Serif": '"MS Sans Serif", "Microsoft Sans Serif", "Zorbel Sans", sans-serif',
  };
  const pixelsOf = (points) => Math.round(points * 96 / 72);
  return {
    // The CSS font of a design's face at a size in whole pixels.
    css(face, pixels, bold) {
      const family = families[face] || `"${face}", "Zorbel Sans", sans-serif`;
      return `${bold ? "bold " : ""}${pixels}px ${family}`;
    },
    // The CSS font of a design's font description {name, size in points, bold}.
    cssOfDesign(font) {
      return this.css(font.name, pixelsOf(font.size), font.bold);
    },
    pixelsOf,
    // The faces the page brings, loaded before the first text is measured.
    shipped: ['16px "Zorbel Sans"', 'bold 16px "Zorbel Sans"', '16px "Zorbel Serif"', 'bold 16px "Zorbel Serif"'],
  };
})();
