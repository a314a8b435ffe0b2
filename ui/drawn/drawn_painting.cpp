// Painting a drawn form: its background, then each shown control in creation order (later
// ones lie above), picture boxes filled (round ones as the disc they hold), labels with their
// lines laid out as Windows lays them out. A form shown smaller is painted at its design's
// size into a picture that is then drawn scaled down, so that its text wraps as on the screen.
#include <algorithm>

#include "ui/drawn/drawn_form.h"
#include "ui/drawn/text_layout.h"

namespace {

// What Windows paints where a design gives no colour.
constexpr Color kSystemWindowColor{255, 255, 255};
constexpr Color kSystemTextColor{0, 0, 0};

// The largest picture a miniature is painted into, a side.
constexpr long long kLargestPicture = 65535;

int PictureSide(long long pixels) { return static_cast<int>(std::clamp(pixels, 0LL, kLargestPicture)); }

}  // namespace

void DrawnForm::Paint(Canvas& canvas, TextMeasurer& text) {
  dirty = false;
  if (window_width_ <= 0 || window_height_ <= 0) return;
  const Color back = back_color_.value_or(kSystemWindowColor);
  canvas.FillBox(back, {0, 0, window_width_, window_height_});
  const bool miniature = scale_ < 1;
  if (miniature) {
    const PixelBox design = BoxOf(UiEvent::kFormItself);
    canvas.BeginScaled(PictureSide(design.width), PictureSide(design.height));
    canvas.FillBox(back, {0, 0, PictureSide(design.width), PictureSide(design.height)});
  }
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    DrawnControl& control = controls_[i];
    if (control.kind == ControlKind::kTimer || !Shown(static_cast<int>(i))) continue;
    PixelBox clip;
    const PixelBox box = BoxOf(static_cast<int>(i), &clip);
    if (clip.width == 0 || clip.height == 0) continue;
    const bool opaque = control.kind != ControlKind::kLabel || !control.transparent;
    const Color control_back = control.back_color.value_or(kSystemWindowColor);
    if (opaque && control.round && control.kind == ControlKind::kPictureBox) {
      canvas.PushClip(clip);
      canvas.FillDisc(control_back, box);
      canvas.PopClip();
    } else if (opaque) {
      canvas.FillBox(control_back, clip);
    }
    if (control.kind == ControlKind::kLabel) PaintLabel(canvas, text, control, box, clip);
  }
  if (miniature) canvas.EndScaled(scale_);
}

void DrawnForm::PaintLabel(Canvas& canvas, TextMeasurer& text, DrawnControl& label, const PixelBox& box,
                           const PixelBox& clip) {
  if (label.text.empty()) return;
  const CanvasFont font = CanvasFontOf(label.font, dots_per_inch_);
  const long long wrap_width = label.auto_size ? -1 : box.width;
  const long long clip_bottom = clip.top + clip.height;
  const long long clip_right = clip.left + clip.width;
  DrawnControl::Lines& lines = label.lines;
  if (lines.text != label.text || !(lines.font == label.font) || lines.wrap_width != wrap_width ||
      (!lines.complete && box.top + lines.height < clip_bottom)) {
    // Lines below the clip are not laid out: a long text costs only what shows of it.
    lines.text = label.text;
    lines.font = label.font;
    lines.wrap_width = wrap_width;
    lines.height = 0;
    lines.complete = false;
    lines.pieces.clear();
    const auto measure = [&](std::string_view piece) { return text.LayOutLine(font, piece)->width(); };
    const std::string shown = WithoutPrefixMarks(LaidOutPart(label.text));
    const std::vector<std::string_view> text_lines = SplitLines(shown);
    std::size_t at = 0;
    for (; at < text_lines.size() && box.top + lines.height < clip_bottom; ++at) {
      const std::vector<std::string_view> pieces =
          label.auto_size ? std::vector<std::string_view>{text_lines[at]}
                          : WrapLine(text_lines[at], static_cast<int>(box.width), measure);
      for (const std::string_view piece : pieces) {
        if (box.top + lines.height >= clip_bottom) break;
        lines.pieces.push_back(text.LayOutLine(font, piece));
        lines.height += lines.pieces.back()->height();
      }
    }
    lines.complete = at == text_lines.size() && box.top + lines.height < clip_bottom;
  }
  canvas.PushClip(clip);
  const Color color = label.text_color.value_or(kSystemTextColor);
  long long top = box.top;
  for (const std::shared_ptr<const TextLine>& line : lines.pieces) {
    if (top >= clip_bottom) break;
    long long left = box.left;
    if (label.alignment != TextAlignment::kLeft) {
      const long long spare = box.width - line->width();
      left += label.alignment == TextAlignment::kCenter ? spare / 2 : spare;
    }
    if (top + line->height() > clip.top && left < clip_right && left + line->width() > clip.left) {
      canvas.DrawLine(*line, color, left, top);
    }
    top += line->height();
  }
  canvas.PopClip();
}
