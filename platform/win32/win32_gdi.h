// The screen's measures and the drawing objects the windows share: twips to pixels and
// back at the screen's DPI, colours as Windows takes them, and the fonts and solid brushes,
// each made once and kept until the toolkit goes.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <tuple>

#include "ui/design.h"
#include "ui/screen_units.h"

COLORREF ColorRefOf(const Color& color);
// The colour, or the system colour `system_index` (a COLOR_... value) when there is none.
COLORREF ColorRefOr(const std::optional<Color>& color, int system_index);

// How a font is made: Windows' own call, or a test's stand-in.
using FontMaker = HFONT(WINAPI*)(const LOGFONTW*);

class GdiCache {
 public:
  explicit GdiCache(FontMaker make_font = CreateFontIndirectW);
  ~GdiCache();
  GdiCache(const GdiCache&) = delete;
  GdiCache& operator=(const GdiCache&) = delete;

  // 1440 twips to the inch, at the DPI the screen reported when the toolkit started; a
  // length beyond what an int holds saturates.
  int ToPixels(int twips) const { return PixelsOfTwips(twips, dpi_); }
  int ToTwips(int pixels) const { return TwipsOfPixels(pixels, dpi_); }

  // The font asked for by its face name, in the default character set, so that Windows
  // links in the faces that hold the letters this one lacks. When Windows cannot make it
  // (it is short of GDI objects), the system's GUI font stands in and is not kept: the
  // next ask tries again.
  HFONT Font(const FontSpec& font);
  // Null when Windows cannot make it, and then asked for again the next time.
  HBRUSH Brush(COLORREF color);

 private:
  FontMaker make_font_;
  int dpi_;
  std::map<std::tuple<std::string, double, bool, bool>, HFONT> fonts_;
  std::map<COLORREF, HBRUSH> brushes_;
};
