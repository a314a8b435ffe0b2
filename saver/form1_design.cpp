// The saver window's controls in creation order, in twips; the intro panel's labels
// follow the panel that holds them.
#include "saver/form1_design.h"

#include "startup/web_endpoints.h"
#include "ui/design_builders.h"

namespace {

ControlDesign PanelLabel(const char* name, const char* text, std::optional<Color> color,
                         TwipRect bounds, const char* face, double points, bool bold,
                         TextAlignment alignment = TextAlignment::kLeft) {
  return design::Label(name, "Picture1", bounds, text, design::Font(face, points, bold), color, alignment);
}

ControlDesign NoticeLabel(const char* name, const std::string& text, Color color, TwipRect bounds) {
  return design::Label(name, "", bounds, text, design::Font("Arial", 9.75, true), color);
}

FormDesign BuildForm1Design() {
  using namespace design;
  // The builders, not the live controls of the same names.
  using design::Label, design::Timer;
  FormDesign form = Window("Form1", "Zorbel Joke Screensaver", 8850, 6600, BorderStyle::kNone);
  form.back_color = kBlack;
  form.maximized = true;
  form.topmost = true;
  form.role = {.ignores_close_requests = true,
               .keeps_system_keys = true,
               .takes_dialog_keys = false,
               .covers_other_monitors = true};

  form.controls.push_back(Timer("Timer3", 3600, true));
  form.controls.push_back(Timer("Timer2", 3500, true));

  form.controls.push_back(Panel("Picture1", "", {3840, 1440, 4575, 4575}, kDarkBlue));

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

  constexpr bool kOpaque = true;
  ControlDesign flag = Label("labelxx", "", {0, 0, 1215, 255}, "Label8", kDialogFont, std::nullopt,
                             TextAlignment::kLeft, kOpaque);
  flag.visible = false;
  form.controls.push_back(flag);

  ControlDesign display = Label("Label1", "", {120, 480, 0, 0}, "", kDialogFont, std::nullopt,
                                TextAlignment::kLeft, kOpaque);
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
