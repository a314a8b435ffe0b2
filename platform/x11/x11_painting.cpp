// Drawing a form: its background, then each shown control in creation order (later ones lie
// above), picture boxes filled, labels with their lines laid out as Windows lays them out,
// all into an off-screen pixmap that is then copied to the window in one piece.
#include "platform/x11/text_layout.h"
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
  PixelBox box{0, 0, form.width, form.height};
  XRectangle visible{0, 0, ClampSize(form.width), ClampSize(form.height)};
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
  if (form.buffer == None || form.buffer_width != form.width || form.buffer_height != form.height) {
    if (form.draw != nullptr) XftDrawDestroy(form.draw);
    if (form.buffer != None) XFreePixmap(display_, form.buffer);
    form.buffer = XCreatePixmap(display_, form.window, static_cast<unsigned>(form.width),
                                static_cast<unsigned>(form.height), static_cast<unsigned>(form.depth));
    form.draw = XftDrawCreate(display_, form.buffer, form.visual, form.colormap);
    form.buffer_width = form.width;
    form.buffer_height = form.height;
  }
  XftDrawSetClip(form.draw, nullptr);
  XftDrawRect(form.draw, &form.colors->Of(form.back_color.value_or(kSystemWindowColor)), 0, 0,
              static_cast<unsigned>(form.width), static_cast<unsigned>(form.height));
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    const LiveControl& control = form.controls[i];
    if (control.kind == ControlKind::kTimer || !Shown(form, static_cast<int>(i))) continue;
    XRectangle clip;
    const PixelBox box = BoxOf(form, static_cast<int>(i), &clip);
    if (clip.width == 0 || clip.height == 0) continue;
    const bool opaque = control.kind != ControlKind::kLabel || !control.transparent;
    if (opaque) {
      XftDrawRect(form.draw, &form.colors->Of(control.back_color.value_or(kSystemWindowColor)), clip.x,
                  clip.y, clip.width, clip.height);
    }
    if (control.kind == ControlKind::kLabel) PaintLabel(form, control, box, clip);
  }
  GC copy = DefaultGC(display_, screen_);
  XCopyArea(display_, form.buffer, form.window, copy, 0, 0, static_cast<unsigned>(form.width),
            static_cast<unsigned>(form.height), 0, 0);
}

void X11WindowSystem::PaintLabel(LiveForm& form, const LiveControl& label, const PixelBox& box,
                                 const XRectangle& clip) {
  if (label.text.empty()) return;
  const XftColor& color = form.colors->Of(label.text_color.value_or(kSystemTextColor));
  XRectangle clip_copy = clip;
  XftDrawSetClipRectangles(form.draw, 0, 0, &clip_copy, 1);
  const auto measure = [&](std::string_view piece) { return fonts_.Line(label.font, piece).width(); };
  const std::string shown = WithoutPrefixMarks(LaidOutPart(label.text));
  const long long clip_bottom = clip.y + clip.height;
  const long long clip_right = clip.x + clip.width;
  long long top = box.top;
  for (const std::string_view line : SplitLines(shown)) {
    if (top >= clip_bottom) break;
    const std::vector<std::string_view> pieces =
        label.auto_size ? std::vector<std::string_view>{line} : WrapLine(line, static_cast<int>(box.width), measure);
    for (const std::string_view piece : pieces) {
      if (top >= clip_bottom) break;
      const LaidOutLine laid_out = fonts_.Line(label.font, piece);
      long long left = box.left;
      if (label.alignment != TextAlignment::kLeft) {
        const long long spare = box.width - laid_out.width();
        left += label.alignment == TextAlignment::kCenter ? spare / 2 : spare;
      }
      if (top + laid_out.height() > clip.y && left < clip_right && left + laid_out.width() > clip.x) {
        laid_out.Draw(form.draw, color, left, top);
      }
      top += laid_out.height();
    }
  }
  XftDrawSetClip(form.draw, nullptr);
}
