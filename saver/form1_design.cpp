// The saver window's controls in creation order, in twips; the intro panel's labels
// follow the panel that holds them.
#include "saver/form1_design.h"

#include "startup/web_endpoints.h"

namespace {

constexpr Color kBlack{0, 0, 0};
constexpr Color kWhite{255, 255, 255};
constexpr Color kYellow{255, 255, 0};
constexpr Color kPaleYellow{255, 255, 192};
constexpr Color kLightGreen{128, 255, 128};
constexpr Color kDarkBlue{0, 0, 192};

ControlDesign Timer(const char* name, int interval_ms, bool enabled) {
  ControlDesign timer;
  timer.name = name;
  timer.kind = ControlKind::kTimer;
  timer.interval_ms = interval_ms;
  timer.enabled = enabled;
  return timer;
}

ControlDesign PanelLabel(const char* name, const char* text, std::optional<Color> color,
                         TwipRect bounds, const char* face, double points, bool bold,
                         TextAlignment alignment = TextAlignment::kLeft) {
  ControlDesign label;
  label.name = name;
  label.parent = "Picture1";
  label.caption = text;
  label.text_color = color;
  label.bounds = bounds;
  label.font = {face, points, bold, false};
  label.transparent = true;
  label.alignment = alignment;
  return label;
}

ControlDesign NoticeLabel(const char* name, const std::string& text, Color color, TwipRect bounds) {
  ControlDesign label;
  label.name = name;
  label.caption = text;
  label.text_color = color;
  label.bounds = bounds;
  label.font = {"Arial", 9.75, true, false};
  label.transparent = true;
  return label;
}

FormDesign BuildForm1Design() {
  FormDesign form;
  form.name = "Form1";
  form.caption = "Zorbel Joke Screensaver";
  form.client_width = 8850;
  form.client_height = 6600;
  form.back_color = kBlack;
  form.border = BorderStyle::kNone;
  form.maximized = true;
  form.topmost = true;
  form.show_icon = false;

  form.controls.push_back(Timer("Timer3", 3600, true));
  form.controls.push_back(Timer("Timer2", 3500, true));

  ControlDesign panel;
  panel.name = "Picture1";
  panel.kind = ControlKind::kPictureBox;
  panel.back_color = kDarkBlue;
  panel.bounds = {3840, 1440, 4575, 4575};
  form.controls.push_back(panel);

  constexpr auto kTimes = "Times New Roman";
  form.controls.push_back(PanelLabel("Label2", "Tarnwick Entertainment Company proudly presents",
                                     kYellow, {120, 120, 4335, 615}, kTimes, 12, true,
                                     TextAlignment::kCenter));
  form.controls.push_back(PanelLabel("Label3", "Zorbel Joke Screen Saver", std::nullopt,
                                     {240, 960, 3375, 1215}, kTimes, 27.75, true));
  form.controls.push_back(PanelLabel("Label4", "4", kYellow, {3600, 1080, 495, 1095}, kTimes, 48, true));
  form.controls.push_back(PanelLabel(
      "Label6", "Version 4 has fewer bugs, MORE jokes, and more fun! And, it's still FREE!", kWhite,
      {240, 2280, 3855, 615}, kTimes, 12, false));
  form.controls.push_back(PanelLabel(
      "Label7", "With FREE joke and software upgrades - UNLIMITED ugprades FREE!", kPaleYellow,
      {1440, 3000, 2895, 735}, kTimes, 9.75, true, TextAlignment::kCenter));
  form.controls.push_back(PanelLabel("Label8", "NEW:", kYellow, {240, 3120, 1095, 495}, kTimes, 20.25, true));
  form.controls.push_back(PanelLabel(
      "Label5",
      "The Zorbel Joke Screensaver Version 4 is compatible with Windows 95, Windows 98 and Windows NT. ",
      std::nullopt, {120, 3840, 4335, 615}, "MS Sans Serif", 8.25, true));

  form.controls.push_back(Timer("Timer1", 2000, false));

  form.controls.push_back(NoticeLabel(
      "Label10",
      "The following message only appears as this is the \"test version\" of the Zorbel Joke "
      "Screensaver Version 4.0. ",
      kLightGreen, {120, 6600, 10455, 375}));
  form.controls.push_back(NoticeLabel(
      "Label9",
      "This is the BETA edition. This software is provided for you to test and evaluate it. It is "
      "not fully complete and is likely to contain faults and bugs. You are encouraged to use it "
      "and report ANY bugs or faults using Faultwatch(tm) at " +
          endpoints::ProductPageAddress() + " . We thank you for your co-operation. ",
      kPaleYellow, {120, 6840, 11175, 855}));

  ControlDesign flag;
  flag.name = "labelxx";
  flag.caption = "Label8";
  flag.visible = false;
  flag.bounds = {0, 0, 1215, 255};
  form.controls.push_back(flag);

  ControlDesign display;
  display.name = "Label1";
  display.bounds = {120, 480, 0, 0};
  display.back_color = kBlack;
  display.auto_size = true;
  form.controls.push_back(display);
  return form;
}

}  // namespace

const FormDesign& Form1Design() {
  static const FormDesign design = BuildForm1Design();
  return design;
}
