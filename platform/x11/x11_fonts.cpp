// Opening fonts by family name, pixel size and weight, measuring lines with them, and the
// colours text and backgrounds are drawn in.
#include "platform/x11/x11_fonts.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

constexpr const char* kFallbackFamily = "Liberation Sans";

// Xft takes a length in int; longer lines are measured in pieces.
constexpr std::size_t kMeasurePiece = 1 << 20;

// The end of a piece of at most `limit` bytes that does not split a UTF-8 character.
std::size_t PieceEnd(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text.size();
  std::size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return end;
}

}  // namespace

XftFonts::XftFonts(Display* display, int screen, double dots_per_inch)
    : display_(display), screen_(screen), dots_per_inch_(dots_per_inch) {}

XftFonts::~XftFonts() {
  for (auto& [key, font] : fonts_) XftFontClose(display_, font);
}

XftFont& XftFonts::Font(const FontSpec& wanted) {
  // Windows sizes a font by its character height: points at the screen's dots per inch.
  const int pixels = std::max(1, static_cast<int>(std::lround(wanted.size_points * dots_per_inch_ / 72)));
  const auto key = std::make_tuple(wanted.name, pixels, wanted.bold);
  if (const auto found = fonts_.find(key); found != fonts_.end()) return *found->second;
  // After the face asked for, the sans face Windows' own faces are measured against: the
  // old dialog face has no metric-compatible face of its own.
  XftFont* font = XftFontOpen(display_, screen_, XFT_FAMILY, XftTypeString, wanted.name.c_str(),
                              XFT_FAMILY, XftTypeString, kFallbackFamily,
                              XFT_PIXEL_SIZE, XftTypeDouble, static_cast<double>(pixels),
                              XFT_WEIGHT, XftTypeInteger, wanted.bold ? XFT_WEIGHT_BOLD : XFT_WEIGHT_MEDIUM,
                              nullptr);
  if (font == nullptr) font = XftFontOpenName(display_, screen_, "sans");
  if (font == nullptr) throw std::runtime_error("no font");
  fonts_.emplace(key, font);
  return *font;
}

XftColors::~XftColors() {
  for (auto& [key, color] : colors_) XftColorFree(display_, visual_, colormap_, &color);
}

const XftColor& XftColors::Of(const Color& color) {
  const auto key = std::make_tuple(int{color.red}, int{color.green}, int{color.blue});
  if (const auto found = colors_.find(key); found != colors_.end()) return found->second;
  const XRenderColor wanted{static_cast<unsigned short>(color.red * 257),
                            static_cast<unsigned short>(color.green * 257),
                            static_cast<unsigned short>(color.blue * 257), 0xFFFF};
  XftColor allocated{};
  XftColorAllocValue(display_, visual_, colormap_, &wanted, &allocated);
  return colors_.emplace(key, allocated).first->second;
}

long long XftFonts::LineWidth(XftFont& font, std::string_view utf8) {
  long long width = 0;
  while (!utf8.empty()) {
    const std::size_t end = PieceEnd(utf8, kMeasurePiece);
    XGlyphInfo extents{};
    XftTextExtentsUtf8(display_, &font, reinterpret_cast<const FcChar8*>(utf8.data()),
                       static_cast<int>(end), &extents);
    width += extents.xOff;
    utf8.remove_prefix(end);
  }
  return width;
}
