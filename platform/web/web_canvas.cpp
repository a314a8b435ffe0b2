// Lines laid out and boxes, discs and text drawn by the page's script, which keeps the
// canvas's own state (its clips and pictures) between the calls of one paint.
#include "platform/web/web_canvas.h"

#include <emscripten.h>

#include <string>

#include "startup/utf8.h"
#include "ui/faces.h"

// clang-format off
// `families`: the face's CSS family list.
EM_JS(void, web_lay_out_line, (const char* families, int pixels, int bold, const char* text, int* box), {
  const measured = Module.zorbelHome.canvas.layOutLine(UTF8ToString(families), pixels, bold !== 0, UTF8ToString(text));
  HEAP32[box >> 2] = measured[0];
  HEAP32[(box >> 2) + 1] = measured[1];
  HEAP32[(box >> 2) + 2] = measured[2];
});
EM_JS(void, web_fill, (int window, int disc, int red, int green, int blue, double left, double top, double width,
                       double height), {
  Module.zorbelHome.canvas.fill(window, disc !== 0, [red, green, blue], left, top, width, height);
});
// `box`: the line's width, height and ascent as it was laid out.
EM_JS(void, web_draw_text, (int window, const char* face, const char* families, int pixels, int bold,
                            const char* text, const int* box, int red, int green, int blue, double left, double top), {
  Module.zorbelHome.canvas.drawText(window, UTF8ToString(face), UTF8ToString(families), pixels, bold !== 0,
                                    UTF8ToString(text), HEAP32.subarray(box >> 2, (box >> 2) + 3), [red, green, blue],
                                    left, top);
});
EM_JS(void, web_push_clip, (int window, double left, double top, double width, double height), {
  Module.zorbelHome.canvas.pushClip(window, left, top, width, height);
});
EM_JS(void, web_pop_clip, (int window), { Module.zorbelHome.canvas.popClip(window); });
EM_JS(void, web_begin_scaled, (int window, int width, int height), {
  Module.zorbelHome.canvas.beginScaled(window, width, height);
});
EM_JS(void, web_end_scaled, (int window, double scale), { Module.zorbelHome.canvas.endScaled(window, scale); });
// clang-format on

namespace {

// A line as the page measured it; the text is kept whole, as what is drawn, and valid UTF-8,
// as what the page's script can be handed.
class WebTextLine : public TextLine {
 public:
  WebTextLine(const CanvasFont& font, std::string text)
      : font(font), families(WebFamiliesOf(font.face)), text(std::move(text)) {
    web_lay_out_line(families.c_str(), font.pixels, font.bold ? 1 : 0, this->text.c_str(), box);
  }
  int width() const override { return box[0]; }
  int height() const override { return box[1]; }

  CanvasFont font;
  std::string families;
  std::string text;
  int box[3] = {0, 0, 0};  // width, height and ascent
};

// The text as the page may take it: UTF-8 throughout, with a NUL shown as the replacement
// character rather than ending the text early.
std::string ScriptText(std::string_view utf8) {
  std::string text;
  for (std::size_t at = 0; at < utf8.size();) {
    const Utf8Sequence sequence = Utf8SequenceAt(utf8, at);
    if (!sequence.well_formed || utf8[at] == '\0') AppendUtf8(text, kReplacementCharacter);
    else text.append(utf8.substr(at, sequence.length));
    at += sequence.length;
  }
  return text;
}

}  // namespace

std::shared_ptr<const TextLine> WebTextMeasurer::LayOutLine(const CanvasFont& font, std::string_view utf8) {
  return std::make_shared<WebTextLine>(font, ScriptText(utf8));
}

void WebCanvas::FillBox(const Color& color, const PixelBox& box) {
  web_fill(window_, 0, color.red, color.green, color.blue, box.left, box.top, box.width, box.height);
}

void WebCanvas::FillDisc(const Color& color, const PixelBox& bounds) {
  web_fill(window_, 1, color.red, color.green, color.blue, bounds.left, bounds.top, bounds.width, bounds.height);
}

void WebCanvas::DrawLine(const TextLine& line, const Color& color, long long left, long long top) {
  // The toolkit hands back only the lines this home laid out.
  const auto& own = static_cast<const WebTextLine&>(line);
  web_draw_text(window_, own.font.face.c_str(), own.families.c_str(), own.font.pixels, own.font.bold ? 1 : 0,
                own.text.c_str(), own.box, color.red, color.green, color.blue, left, top);
}

void WebCanvas::PushClip(const PixelBox& box) { web_push_clip(window_, box.left, box.top, box.width, box.height); }

void WebCanvas::PopClip() { web_pop_clip(window_); }

void WebCanvas::BeginScaled(int width, int height) { web_begin_scaled(window_, width, height); }

void WebCanvas::EndScaled(double scale) { web_end_scaled(window_, scale); }
