// The designs' faces in the browser, as the program's face table names them: the Windows
// face where the visitor's system has it, else the metric-compatible face the page brings,
// else the system's own fallback for whatever script a text is in. Sizes in points become
// whole pixels as Windows makes them.
"use strict";

const zorbelFaces = (() => {
  const pixelsOf = (points) => Math.round(points * 96 / 72);
  return {
    // The CSS font of a CSS family list at a size in whole pixels.
    css(families, pixels, bold) {
      return `${bold ? "bold " : ""}${pixels}px ${families}`;
    },
    // The CSS font of a design's font description {families, size in points, bold}.
    cssOfDesign(font) {
      return this.css(font.families, pixelsOf(font.size), font.bold);
    },
    // The faces the page brings, loaded before the first text is measured.
    shipped: ['16px "Zorbel Sans"', 'bold 16px "Zorbel Sans"', '16px "Zorbel Serif"', 'bold 16px "Zorbel Serif"'],
  };
})();
