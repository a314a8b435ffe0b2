// The message box the saver draws on its window when it fails, as Windows draws a plain
// one: a white title bar and body with the icon of its style and the text in the message
// face, a grey strip below with the OK button. It is made of picture boxes and labels, laid
// out for the window and drawn by the toolkit's own painting, centred on black.
#include <algorithm>

#include "platform/x11/text_layout.h"
#include "platform/x11/x11_live_form.h"
#include "platform/x11/x11_window_system.h"
#include "ui/design_builders.h"
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

}  // namespace

class X11WindowSystem::ReportSink : public FormEventSink {
 public:
  explicit ReportSink(bool& running) : running_(running) {}
  void HandleEvent(const UiEvent& event) override {
    if (event.kind == EventKind::kKeyDown || event.kind == EventKind::kMouseDown) running_ = false;
  }
  bool HandleDialogKey(int, int, int) override { return false; }
  void HandleFocusArrived(int) override {}
  void HandleActivated() override {}

 private:
  bool& running_;
};

void X11WindowSystem::ShowReport(const std::string& title, const std::string& text, MessageBoxKind kind) {
  while (!forms_.empty()) DestroyForm(forms_.begin()->first);
  SetPointerHidden(false);
  report_ = std::make_unique<Report>(Report{title, text, kind});
  running_ = true;
  ReportSink sink(running_);
  FormDesign window = design::Window("Report", title, 0, 0, BorderStyle::kNone);
  window.maximized = true;
  window.back_color = design::kBlack;
  const FormHandle handle = CreateForm(window, sink);
  LayOutReport(FormAt(handle));
  ShowForm(handle);
  Run();
}

void X11WindowSystem::LayOutReport(LiveForm& form) {
  using namespace design;
  using design::Label;  // the builder, not the live control
  const Report& report = *report_;
  const int widest = std::clamp(static_cast<int>(ToTwips(form.width) * kTextShareOfWidth), kNarrowestText, kWidestText);
  const std::optional<IconLook> icon = IconOf(report.kind);
  const int text_left = kBodyMargin + (icon ? kIconSize + kIconGap : 0);
  // Laid out at the design's full size, then drawn smaller, keeping its proportions, when
  // it does not fit the window with a margin.
  const auto measure = [&](std::string_view piece) { return fonts_.Line(kMessageFont, piece).width(); };
  // The text broken into the lines the box shows, each ended by CR LF, with its prefix
  // marks doubled: a message box shows every "&".
  std::string lines;
  int longest = 0;
  int count = 0;
  for (const std::string_view line : SplitLines(report.text)) {
    for (const std::string_view piece : WrapLine(line, ToPixels(widest), measure)) {
      if (count++ > 0) lines += "\r\n";
      for (const char c : piece) lines += c == '&' ? std::string("&&") : std::string(1, c);
      longest = std::max(longest, ToTwips(measure(piece)));
    }
  }
  const int line_height = ToTwips(fonts_.Line(kMessageFont, "Ag").height());
  const int text_height = count * line_height;
  const int caption_width = ToTwips(measure(report.title));
  const int width = std::max({text_left + longest + 2 * kBodyMargin, caption_width + 3 * kBodyMargin,
                              kButtonWidth + 2 * kButtonMargin}) + 2 * kPixel;
  const int body_height = std::max(icon ? kIconSize : 0, text_height) + 2 * kBodyMargin;
  const int height = kTitleHeight + body_height + kStripHeight + 2 * kPixel;
  design_scale_ = std::min({1.0, 0.95 * form.width / std::max(1, ToPixels(width)),
                            0.95 * form.height / std::max(1, ToPixels(height))});
  const int left = (ToTwips(DesignPixels(form.width)) - width) / 2;
  const int top = (ToTwips(DesignPixels(form.height)) - height) / 2;

  FormDesign box;
  std::vector<ControlDesign>& c = box.controls;
  c.push_back(Panel("Frame", "", {left, top, width, height}, kFrameColor));
  const int inner = width - 2 * kPixel;
  c.push_back(Panel("TitleBar", "Frame", {kPixel, kPixel, inner, kTitleHeight}, kWhite));
  c.push_back(Label("Caption", "TitleBar", {10 * kPixel, (kTitleHeight - line_height) / 2, inner, line_height},
                    report.title, kMessageFont, kBlack));
  c.back().auto_size = true;
  c.push_back(Panel("Body", "Frame", {kPixel, kPixel + kTitleHeight, inner, body_height}, kWhite));
  if (icon) {
    c.push_back(Panel("Icon", "Body", {kBodyMargin, kBodyMargin, kIconSize, kIconSize}, icon->back));
    c.back().round = true;
    c.push_back(Label("Mark", "Icon", {0, (kIconSize - ToTwips(fonts_.Line(kIconFont, icon->mark).height())) / 2,
                                       kIconSize, kIconSize},
                      icon->mark, kIconFont, icon->mark_color, TextAlignment::kCenter));
  }
  c.push_back(Label("Text", "Body", {text_left, kBodyMargin, longest + kBodyMargin, text_height}, lines,
                    kMessageFont, kBlack));
  c.back().auto_size = true;
  c.push_back(Panel("Strip", "Frame", {kPixel, kPixel + kTitleHeight + body_height, inner, kStripHeight}, kStripColor));
  c.push_back(Panel("ButtonEdge", "Strip",
                    {inner - kButtonMargin - kButtonWidth, (kStripHeight - kButtonHeight) / 2, kButtonWidth, kButtonHeight},
                    kDefaultButtonEdge));
  c.push_back(Panel("ButtonFace", "ButtonEdge", {2 * kPixel, 2 * kPixel, kButtonWidth - 4 * kPixel, kButtonHeight - 4 * kPixel},
                    kButtonFace));
  c.push_back(Label("ButtonText", "ButtonFace",
                    {0, (kButtonHeight - 4 * kPixel - line_height) / 2, kButtonWidth - 4 * kPixel, line_height}, "OK",
                    kMessageFont, kBlack, TextAlignment::kCenter));
  form.controls = LiveControlsOf(box);
  form.dirty = true;
}
