// Drawing a form: its background, then each shown control in creation order (later ones lie
// above), picture boxes filled (round ones as the disc they hold), labels with their lines
// laid out as Windows lays them out, all into an off-screen pixmap that is then copied to
// the window in one piece. A window that shows the design smaller gets a miniature: laid
// out at the design's size and drawn scaled down, so that its text wraps as on the screen.
#include "platform/x11/text_layout.h"
#include "platform/x11/x11_canvas.h"
#include "platform/x11/x11_live_form.h"
#include "platform/x11/x11_window_system.h"

namespace {

// What Windows paints where a design gives no colour.
constexpr Color kSystemWindowColor{255, 255, 255};
constexpr Color kSystemTextColor{0, 0, 0};

}  // namespace

bool X11WindowSystem::Shown(const LiveForm& form, int control) const {
  for (int at = control; at != UiEvent::kFormItself; at = form.controls[at].container) {
    if (!form.controls[at].visible) return false;
  }
  return true;
}

X11WindowSystem::PixelBox X11WindowSystem::BoxOf(const LiveForm& form, int control, XRectangle* clip) const {
  std::vector<int> chain;  // the control and its containers, innermost first
  for (int at = control; at != UiEvent::kFormItself; at = form.controls[at].container) chain.push_back(at);
  // Each level is placed in whole pixels within the one around it, as child windows are.
  PixelBox box{0, 0, DesignPixels(form.width), DesignPixels(form.height)};
  XRectangle visible{0, 0, ClampSize(box.width), ClampSize(box.height)};
  for (auto at = chain.rbegin(); at != chain.rend(); ++at) {
    const TwipRect& bounds = form.controls[*at].bounds;
    box = {box.left + ToPixels(bounds.left), box.top + ToPixels(bounds.top), ToPixels(bounds.width),
           ToPixels(bounds.height)};
    visible = Intersection(visible, box);
  }
  if (clip != nullptr) *clip = visible;
  return box;
}

void X11WindowSystem::Paint(LiveForm& form) {
  form.dirty = false;
  if (form.width <= 0 || form.height <= 0) return;
  if (form.canvas == nullptr || form.canvas->width() != form.width || form.canvas->height() != form.height) {
    form.canvas.reset();
    form.canvas = std::make_unique<PixmapCanvas>(display_, form.window, form.visual, form.depth, form.width, form.height);
  }
  PixmapCanvas& canvas = *form.canvas;
  canvas.Fill(form.back_color.value_or(kSystemWindowColor), 0, 0, form.width, form.height);
  const bool miniature = design_scale_ < 1;
  if (miniature) {
    const PixelBox design = BoxOf(form, UiEvent::kFormItself);
    canvas.BeginMiniature(ClampSize(design.width), ClampSize(design.height));
    canvas.Fill(form.back_color.value_or(kSystemWindowColor), 0, 0, ClampSize(design.width), ClampSize(design.height));
  }
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    LiveControl& control = form.controls[i];
    if (control.kind == ControlKind::kTimer || !Shown(form, static_cast<int>(i))) continue;
    XRectangle clip;
    const PixelBox box = BoxOf(form, static_cast<int>(i), &clip);
    if (clip.width == 0 || clip.height == 0) continue;
    const bool opaque = control.kind != ControlKind::kLabel || !control.transparent;
    const Color back = control.back_color.value_or(kSystemWindowColor);
    if (opaque && control.round && control.kind == ControlKind::kPictureBox) {
      canvas.FillEllipse(back, clip, box.left, box.top, box.width, box.height);
    } else if (opaque) {
      canvas.Fill(back, clip.x, clip.y, clip.width, clip.height);
    }
    if (control.kind == ControlKind::kLabel) PaintLabel(canvas, control, box, clip);
  }
  if (miniature) canvas.EndMiniature(design_scale_);
  canvas.CopyTo(form.window);
}

void X11WindowSystem::PaintLabel(PixmapCanvas& canvas, LiveControl& label, const PixelBox& box,
                                 const XRectangle& clip) {
  if (label.text.empty()) return;
  const FontSpec& font = label.font;
  const long long wrap_width = label.auto_size ? -1 : box.width;
  const long long clip_bottom = clip.y + clip.height;
  const long long clip_right = clip.x + clip.width;
  LiveControl::Lines& lines = label.lines;
  if (lines.text != label.text || !(lines.font == font) || lines.wrap_width != wrap_width ||
      (!lines.complete && box.top + lines.height < clip_bottom)) {
    // Lines below the clip are not laid out: a long text costs only what shows of it.
    lines.text = label.text;
    lines.font = font;
    lines.wrap_width = wrap_width;
    lines.height = 0;
    lines.complete = false;
    lines.pieces.clear();
    const auto measure = [&](std::string_view piece) { return fonts_.Line(font, piece).width(); };
    const std::string shown = WithoutPrefixMarks(LaidOutPart(label.text));
    const std::vector<std::string_view> text_lines = SplitLines(shown);
    std::size_t at = 0;
    for (; at < text_lines.size() && box.top + lines.height < clip_bottom; ++at) {
      const std::vector<std::string_view> pieces =
          label.auto_size ? std::vector<std::string_view>{text_lines[at]}
                          : WrapLine(text_lines[at], static_cast<int>(box.width), measure);
      for (const std::string_view piece : pieces) {
        if (box.top + lines.height >= clip_bottom) break;
        lines.pieces.push_back(fonts_.Line(font, piece));
        lines.height += lines.pieces.back().height();
      }
    }
    lines.complete = at == text_lines.size() && box.top + lines.height < clip_bottom;
  }
  cairo_t* cairo = canvas.cairo();
  cairo_save(cairo);
  cairo_rectangle(cairo, clip.x, clip.y, clip.width, clip.height);
  cairo_clip(cairo);
  canvas.UseColor(label.text_color.value_or(kSystemTextColor));
  long long top = box.top;
  for (const LaidOutLine& laid_out : lines.pieces) {
    if (top >= clip_bottom) break;
    long long left = box.left;
    if (label.alignment != TextAlignment::kLeft) {
      const long long spare = box.width - laid_out.width();
      left += label.alignment == TextAlignment::kCenter ? spare / 2 : spare;
    }
    if (top + laid_out.height() > clip.y && left < clip_right && left + laid_out.width() > clip.x) {
      laid_out.Draw(cairo, left, top);
    }
    top += laid_out.height();
  }
  cairo_restore(cairo);
}
