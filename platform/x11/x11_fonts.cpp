// Laying out lines with Pango on a fontconfig font map of cairo's, and drawing them.
#include "platform/x11/x11_fonts.h"

#include <cairo-xlib.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "ui/faces.h"

namespace {

// Cairo holds places in 24.8 fixed point; a place further out cannot be drawn.
constexpr long long kFarthestPixel = 1 << 22;

// The lines kept: enough for every line of the saver's labels (its joke's, at every size it
// shrinks through, and its notices'), few enough that what they hold stays small.
constexpr std::size_t kMostKeptLines = 64;
constexpr std::size_t kMostKeptBytes = 64 * 1024;

// The size every line is laid out at, in pixels. Glyphs are drawn at the size shown, from
// their outlines; only positions and sizes come from this one.
constexpr long kReferencePixels = 64;
constexpr long long kReferenceUnits = kReferencePixels * PANGO_SCALE;

long long Clamped(long long pixel) { return std::clamp(pixel, -kFarthestPixel, kFarthestPixel); }

}  // namespace

ReferenceLine::ReferenceLine(GObjectOwned<PangoLayout> layout) : layout_(std::move(layout)) {
  PangoRectangle logical{};
  pango_layout_get_extents(layout_.get(), nullptr, &logical);
  left_offset_ = logical.x;
  width_ = logical.width;
  height_ = logical.height;
}

LaidOutLine::LaidOutLine(std::shared_ptr<const ReferenceLine> line, long pixels)
    : line_(std::move(line)), scale_(static_cast<double>(pixels) / kReferencePixels),
      // Whole pixels that hold the line: its width rounded up, its height to the nearest.
      width_(static_cast<int>((line_->width() * static_cast<long long>(pixels) + kReferenceUnits - 1) / kReferenceUnits)),
      height_(static_cast<int>((line_->height() * static_cast<long long>(pixels) + kReferenceUnits / 2) / kReferenceUnits)) {}

void LaidOutLine::Draw(cairo_t* cairo, long long left, long long top) const {
  cairo_save(cairo);
  cairo_translate(cairo, static_cast<double>(Clamped(left)), static_cast<double>(Clamped(top)));
  cairo_scale(cairo, scale_, scale_);
  cairo_move_to(cairo, -static_cast<double>(line_->left_offset()) / PANGO_SCALE, 0);
  pango_cairo_show_layout(cairo, line_->layout());
  cairo_restore(cairo);
}

bool AnyFontInstalled() {
  if (FcInit() == FcFalse) return false;
  const FcFontSet* fonts = FcConfigGetFonts(nullptr, FcSetSystem);
  return fonts != nullptr && fonts->nfont > 0;
}

PangoFonts::PangoFonts(Display* display, int screen)
    : font_map_(pango_cairo_font_map_new()), context_(pango_font_map_create_context(font_map_.get())) {
  if (context_ == nullptr) throw std::runtime_error("no fonts");
  // The screen's Xft settings, as cairo reads them for a surface on it.
  cairo_surface_t* probe = cairo_xlib_surface_create(display, RootWindow(display, screen),
                                                     DefaultVisual(display, screen), 1, 1);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_surface_get_font_options(probe, options);
  pango_cairo_context_set_font_options(context_.get(), options);
  cairo_font_options_destroy(options);
  cairo_surface_destroy(probe);
}

std::shared_ptr<const TextLine> PangoFonts::LayOutLine(const CanvasFont& font, std::string_view utf8) {
  const long pixels = font.pixels;
  std::string key = font.face;
  key += '\0';
  key += font.bold ? 'b' : 'n';
  key += '\0';
  key += utf8;
  if (const auto found = kept_by_key_.find(key); found != kept_by_key_.end()) {
    kept_.splice(kept_.begin(), kept_, found->second);
    return std::make_shared<const LaidOutLine>(found->second->line, pixels);
  }
  std::shared_ptr<const ReferenceLine> line = LayOut(font, utf8);
  // A line longer than the whole store is drawn but not kept.
  if (key.size() > kMostKeptBytes) return std::make_shared<const LaidOutLine>(std::move(line), pixels);
  kept_bytes_ += key.size();
  kept_.push_front({std::move(key), line});
  kept_by_key_.emplace(kept_.front().key, kept_.begin());
  while (kept_.size() > kMostKeptLines || kept_bytes_ > kMostKeptBytes) {
    kept_bytes_ -= kept_.back().key.size();
    kept_by_key_.erase(kept_.back().key);
    kept_.pop_back();
  }
  return std::make_shared<const LaidOutLine>(std::move(line), pixels);
}

std::shared_ptr<const ReferenceLine> PangoFonts::LayOut(const CanvasFont& font, std::string_view utf8) {
  const std::string families = LinuxFamiliesOf(font.face);
  PangoFontDescription* description = pango_font_description_new();
  pango_font_description_set_family(description, families.c_str());
  pango_font_description_set_absolute_size(description, static_cast<double>(kReferenceUnits));
  pango_font_description_set_weight(description, font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  GObjectOwned<PangoLayout> layout(pango_layout_new(context_.get()));
  pango_layout_set_font_description(layout.get(), description);
  pango_font_description_free(description);
  // Bytes that are not UTF-8 show as replacement characters rather than stopping the line.
  const auto length = static_cast<gssize>(utf8.size());
  if (g_utf8_validate(utf8.data(), length, nullptr)) {
    pango_layout_set_text(layout.get(), utf8.data(), static_cast<int>(length));
  } else {
    gchar* valid = g_utf8_make_valid(utf8.data(), length);
    pango_layout_set_text(layout.get(), valid, -1);
    g_free(valid);
  }
  return std::make_shared<const ReferenceLine>(std::move(layout));
}
