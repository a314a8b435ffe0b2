// Laying out lines with Pango on the screen's Xft font map, drawing them, and the colours
// text and backgrounds are drawn in.
#include "platform/x11/x11_fonts.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

// After the face asked for, the sans face Windows' own faces are measured against: the old
// dialog face has no metric-compatible face of its own. Pango adds the fallbacks for other
// scripts after these.
constexpr const char* kFallbackFamily = "Liberation Sans";

// Pango places glyphs in int units of 1/1024 pixel; a place further out cannot be drawn.
constexpr long long kFarthestPixel = INT_MAX / PANGO_SCALE / 2;

int ToPangoUnits(long long pixels) {
  return static_cast<int>(std::clamp(pixels, -kFarthestPixel, kFarthestPixel) * PANGO_SCALE);
}

}  // namespace

LaidOutLine::LaidOutLine(PangoLayout* layout) : layout_(layout) {
  PangoRectangle logical{};
  pango_layout_get_pixel_extents(layout, nullptr, &logical);
  left_offset_ = logical.x;
  width_ = logical.width;
  height_ = logical.height;
}

void LaidOutLine::Draw(XftDraw* draw, const XftColor& color, long long left, long long top) const {
  XftColor foreground = color;
  pango_xft_render_layout(draw, &foreground, layout_.get(), ToPangoUnits(left - left_offset_), ToPangoUnits(top));
}

PangoFonts::PangoFonts(Display* display, int screen, double dots_per_inch)
    : context_(pango_font_map_create_context(pango_xft_get_font_map(display, screen))),
      dots_per_inch_(dots_per_inch) {
  if (context_ == nullptr) throw std::runtime_error("no fonts");
}

PangoFonts::~PangoFonts() { g_object_unref(context_); }

LaidOutLine PangoFonts::Line(const FontSpec& font, std::string_view utf8) {
  PangoFontDescription* description = pango_font_description_new();
  pango_font_description_set_family(description, (font.name + "," + kFallbackFamily).c_str());
  // Windows sizes a font by its character height: points at the screen's dots per inch, in
  // whole pixels.
  const long pixels = std::max(1L, std::lround(font.size_points * dots_per_inch_ / 72));
  pango_font_description_set_absolute_size(description, static_cast<double>(pixels) * PANGO_SCALE);
  pango_font_description_set_weight(description, font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  PangoLayout* layout = pango_layout_new(context_);
  pango_layout_set_font_description(layout, description);
  pango_font_description_free(description);
  // Bytes that are not UTF-8 show as replacement characters rather than stopping the line.
  const auto length = static_cast<gssize>(utf8.size());
  if (g_utf8_validate(utf8.data(), length, nullptr)) {
    pango_layout_set_text(layout, utf8.data(), static_cast<int>(length));
  } else {
    gchar* valid = g_utf8_make_valid(utf8.data(), length);
    pango_layout_set_text(layout, valid, -1);
    g_free(valid);
  }
  return LaidOutLine(layout);
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
