// The report box's layout: its text wrapped to a share of the window's width, the box sized
// round it, made of picture boxes and labels that the form paints as any other.
#include "ui/drawn/report_box.h"

#include <algorithm>
#include <optional>

#include "ui/design_builders.h"
#include "ui/drawn/text_layout.h"
#include "ui/services.h"

namespace {

// Windows' message face and colours, and its icons' colours and marks.
const FontSpec kMessageFont{"Segoe UI", 9, false, false};
const FontSpec kIconFont{"Segoe UI", 18, true, false};
constexpr Color kStripColor{240, 240, 240};
constexpr Color kFrameColor{128, 128, 128};
constexpr Color kButtonFace{225, 225, 225};
constexpr Color kDefaultButtonEdge{0, 120, 215};

struct IconLook {
  Color back;
  Color mark_color;
  const char* mark;
};

std::optional<IconLook> IconOf(MessageBoxKind kind) {
  switch (kind) {
    case MessageBoxKind::kStop: return IconLook{{232, 17, 35}, design::kWhite, "X"};
    case MessageBoxKind::kExclamation: return IconLook{{255, 185, 0}, design::kBlack, "!"};
    case MessageBoxKind::kInformation: return IconLook{{0, 120, 215}, design::kWhite, "i"};
    case MessageBoxKind::kPlain: break;
  }
  return std::nullopt;
}

// Lengths in twips at the design's size, 15 to a pixel at 96 dots per inch.
constexpr int kPixel = 15;
constexpr int kTitleHeight = 30 * kPixel;
constexpr int kIconSize = 32 * kPixel;
constexpr int kBodyMargin = 25 * kPixel;
constexpr int kIconGap = 12 * kPixel;
constexpr int kStripHeight = 49 * kPixel;
constexpr int kButtonWidth = 88 * kPixel;
constexpr int kButtonHeight = 26 * kPixel;
constexpr int kButtonMargin = 11 * kPixel;
// The widest the text runs before it wraps, as a share of the window's width and at most.
constexpr double kTextShareOfWidth = 0.8;
constexpr int kWidestText = 600 * kPixel;
constexpr int kNarrowestText = 260 * kPixel;
// The share of the window the box may take before it is made smaller.
constexpr double kMostOfWindow = 0.95;

}  // namespace

FormDesign ReportWindowDesign(const std::string& title) {
  FormDesign window = design::Window("Report", title, 0, 0, BorderStyle::kNone);
  window.maximized = true;
  window.back_color = design::kBlack;
  return window;
}

void ReportBoxSink::HandleEvent(const UiEvent& event) {
  if (event.kind == EventKind::kKeyDown || event.kind == EventKind::kMouseDown) closed_();
}

void LayOutReportBox(DrawnForm& form, const ReportBox& report, TextMeasurer& text) {
  using namespace design;
  const int widest =
      std::clamp(static_cast<int>(form.ToTwips(form.window_width()) * kTextShareOfWidth), kNarrowestText, kWidestText);
  const std::optional<IconLook> icon = IconOf(report.kind);
  const int text_left = kBodyMargin + (icon ? kIconSize + kIconGap : 0);
  const CanvasFont message_font = CanvasFontOf(kMessageFont, form.dots_per_inch());
  const auto measure = [&](std::string_view piece) { return text.LayOutLine(message_font, piece)->width(); };
  // The text broken into the lines the box shows, each ended by CR LF, with its prefix
  // marks doubled: a message box shows every "&".
  std::string lines;
  int longest = 0;
  int count = 0;
  for (const std::string_view line : SplitLines(report.text)) {
    for (const std::string_view piece : WrapLine(line, form.ToPixels(widest), measure)) {
      if (count++ > 0) lines += "\r\n";
      for (const char c : piece) lines += c == '&' ? std::string("&&") : std::string(1, c);
      longest = std::max(longest, form.ToTwips(measure(piece)));
    }
  }
  const int line_height = form.ToTwips(text.LayOutLine(message_font, "Ag")->height());
  const int text_height = count * line_height;
  const int caption_width = form.ToTwips(measure(report.title));
  const int width = std::max({text_left + longest + 2 * kBodyMargin, caption_width + 3 * kBodyMargin,
                              kButtonWidth + 2 * kButtonMargin}) + 2 * kPixel;
  const int body_height = std::max(icon ? kIconSize : 0, text_height) + 2 * kBodyMargin;
  const int height = kTitleHeight + body_height + kStripHeight + 2 * kPixel;
  form.SetScale(std::min({1.0, kMostOfWindow * form.window_width() / std::max(1, form.ToPixels(width)),
                          kMostOfWindow * form.window_height() / std::max(1, form.ToPixels(height))}));
  const TwipSize client = form.ClientSize();
  const int left = (client.width - width) / 2;
  const int top = (client.height - height) / 2;

  FormDesign box;
  std::vector<ControlDesign>& c = box.controls;
  c.push_back(Panel("Frame", "", {left, top, width, height}, kFrameColor));
  const int inner = width - 2 * kPixel;
  c.push_back(Panel("TitleBar", "Frame", {kPixel, kPixel, inner, kTitleHeight}, kWhite));
  c.push_back(design::Label("Caption", "TitleBar", {10 * kPixel, (kTitleHeight - line_height) / 2, inner, line_height},
                            report.title, kMessageFont, kBlack));
  c.back().auto_size = true;
  c.push_back(Panel("Body", "Frame", {kPixel, kPixel + kTitleHeight, inner, body_height}, kWhite));
  if (icon) {
    const CanvasFont icon_font = CanvasFontOf(kIconFont, form.dots_per_inch());
    c.push_back(Panel("Icon", "Body", {kBodyMargin, kBodyMargin, kIconSize, kIconSize}, icon->back));
    c.back().round = true;
    c.push_back(design::Label("Mark", "Icon",
                              {0, (kIconSize - form.ToTwips(text.LayOutLine(icon_font, icon->mark)->height())) / 2,
                               kIconSize, kIconSize},
                              icon->mark, kIconFont, icon->mark_color, TextAlignment::kCenter));
  }
  c.push_back(design::Label("Text", "Body", {text_left, kBodyMargin, longest + kBodyMargin, text_height}, lines,
                            kMessageFont, kBlack));
  c.back().auto_size = true;
  c.push_back(Panel("Strip", "Frame", {kPixel, kPixel + kTitleHeight + body_height, inner, kStripHeight}, kStripColor));
  c.push_back(Panel("ButtonEdge", "Strip",
                    {inner - kButtonMargin - kButtonWidth, (kStripHeight - kButtonHeight) / 2, kButtonWidth, kButtonHeight},
                    kDefaultButtonEdge));
  c.push_back(Panel("ButtonFace", "ButtonEdge", {2 * kPixel, 2 * kPixel, kButtonWidth - 4 * kPixel, kButtonHeight - 4 * kPixel},
                    kButtonFace));
  c.push_back(design::Label("ButtonText", "ButtonFace",
                            {0, (kButtonHeight - 4 * kPixel - line_height) / 2, kButtonWidth - 4 * kPixel, line_height},
                            "OK", kMessageFont, kBlack, TextAlignment::kCenter));
  form.ReplaceControls(box);
}
