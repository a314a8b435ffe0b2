// Twips and pixels at the screen's DPI, and the shared fonts and brushes: a font or a
// colour asked for again gets the object made the first time.
#include "platform/win32/win32_gdi.h"

#include <algorithm>
#include <cmath>

#include "platform/win32/win32_wide_text.h"

namespace {

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

COLORREF ColorRefOf(const Color& color) { return RGB(color.red, color.green, color.blue); }

COLORREF ColorRefOr(const std::optional<Color>& color, int system_index) {
  return color ? ColorRefOf(*color) : GetSysColor(system_index);
}

GdiCache::GdiCache(FontMaker make_font) : make_font_(make_font), dpi_(ScreenDpi()) {}

GdiCache::~GdiCache() {
  for (const auto& [key, font] : fonts_) DeleteObject(font);
  for (const auto& [color, brush] : brushes_) DeleteObject(brush);
}

HFONT GdiCache::Font(const FontSpec& font) {
  const auto key = std::make_tuple(font.name, font.size_points, font.bold, font.underline);
  const auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  LOGFONTW wanted{};
  wanted.lfHeight = -static_cast<int>(std::lround(font.size_points * dpi_ / 72.0));
  wanted.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  wanted.lfUnderline = font.underline ? TRUE : FALSE;
  wanted.lfCharSet = DEFAULT_CHARSET;
  wanted.lfOutPrecision = OUT_DEFAULT_PRECIS;
  wanted.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  wanted.lfQuality = DEFAULT_QUALITY;
  wanted.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring face = WideOf(font.name).substr(0, LF_FACESIZE - 1);
  std::copy(face.begin(), face.end(), wanted.lfFaceName);
  HFONT made = make_font_(&wanted);
  if (made == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts_.emplace(key, made);
  return made;
}

HBRUSH GdiCache::Brush(COLORREF color) {
  const auto found = brushes_.find(color);
  if (found != brushes_.end()) return found->second;
  HBRUSH made = CreateSolidBrush(color);
  if (made != nullptr) brushes_.emplace(color, made);
  return made;
}
