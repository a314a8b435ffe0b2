// The options dialog's controls in creation order, which is also their tab order, in twips;
// the option group, the text box and the check box start from these values at every opening.
#include "setup/form2_design.h"

#include "ui/design_builders.h"
#include "setup/setup_texts.h"
#include "startup/settings_vocabulary.h"
#include "startup/web_endpoints.h"

namespace {

ControlDesign Button(const char* name, TwipRect bounds, const char* caption, const char* tooltip) {
  ControlDesign button = design::Control(name, ControlKind::kCommandButton, "", bounds, caption);
  button.tooltip = tooltip;
  return button;
}

FormDesign BuildForm2Design() {
  using namespace design;
  // The builders, not the live controls of the same names.
  using design::Control, design::Label;
  const std::string host = endpoints::kMakerWebHost;
  const std::string domain = endpoints::kMakerDomain;
  const FontSpec times_bold = Font("Times New Roman", 26.25, true);
  const FontSpec arial = Font("Arial", 9.75);
  const FontSpec arial_bold = Font("Arial", 9.75, true);
  constexpr auto kCentre = TextAlignment::kCenter;
  constexpr auto kLeft = TextAlignment::kLeft;

  FormDesign form = Window("Form2", "Screen saver", 8265, 6570, BorderStyle::kSizable);
  auto& c = form.controls;

  c.push_back(Label("Label1", "", {-240, 120, 3615, 1095}, "Zorbel Joke Screen Saver", times_bold,
                    std::nullopt, kCentre, true));
  c.push_back(Label("Label2", "", {3360, 120, 975, 375}, "Version ",
                    Font("Times New Roman", 14.25, true), kRed, kCentre, true));
  c.push_back(Label("Label4", "", {3360, 480, 1095, 855}, "4", Font("Times New Roman", 36, true),
                    kRed, kCentre, true));
  c.push_back(Label("Label3", "", {120, 1320, 4455, 615},
                    "Use the functions below to tailor the screensaver to your preferences!",
                    kDialogFont, std::nullopt, kLeft, true));

  c.push_back(Control("Frame1", ControlKind::kFrame, "", {120, 1800, 4335, 1335}, "Type of jokes"));
  ControlDesign clean = Control("Option1", ControlKind::kOptionButton, "Frame1", {120, 240, 3855, 255},
                                "Clean jokes (suitable for all ages)");
  clean.checked = true;
  c.push_back(clean);
  c.push_back(Control("Option2", ControlKind::kOptionButton, "Frame1", {120, 480, 4095, 735},
                      "Rude jokes (jokes include sexual references, foul language and other "
                      "offensive content). If you select rude jokes, you will also be shown clean "
                      "jokes."));

  c.push_back(Control("Frame2", ControlKind::kFrame, "", {120, 3240, 4335, 1215}, "Delay between jokes"));
  c.push_back(Label("Label5", "Frame2", {120, 240, 4095, 255},
                    "This is the time that each joke is displayed for. ", kDialogFont,
                    std::nullopt, kLeft, true));
  ControlDesign delay = Control("Text1", ControlKind::kTextBox, "Frame2", {120, 600, 855, 375}, "30");
  delay.tooltip = "Enter delay in seconds";
  c.push_back(delay);
  c.push_back(Label("Label6", "Frame2", {1080, 480, 3135, 615},
                    "This is measured in seconds. Enter a number between " +
                        std::to_string(kShortestDelaySeconds) + " and " +
                        std::to_string(kLongestDelaySeconds) +
                        ". Most people choose something around 7 seconds.",
                    kDialogFont, std::nullopt, kLeft, true));

  c.push_back(Control("Frame3", ControlKind::kFrame, "", {120, 4560, 4335, 1335}, "Medical terminology"));
  c.push_back(Label("Label7", "Frame3", {120, 240, 4095, 615},
                    "If you check the box below, zorbel medical terminology will be shown. Like: "
                    "Paracetamol - two cats and a mole.",
                    kDialogFont, std::nullopt, kLeft, true));
  ControlDesign medical = Control("Check1", ControlKind::kCheckBox, "Frame3", {120, 840, 1335, 375},
                                  "Show medical?");
  medical.tooltip = "Check to show medical terminology";
  c.push_back(medical);
  c.push_back(Label("Label8", "Frame3", {1440, 720, 2775, 375},
                    "This will only be shown if you have selected rude jokes.",
                    Font("MS Sans Serif", 8.25, true), std::nullopt, kLeft, true));

  c.push_back(Button("Command1", {120, 6000, 1215, 375}, "&OK", "Save settings and return to control panel"));
  c.push_back(Button("Command2", {1680, 6000, 1215, 375}, "Use &defaults",
                     "Replace the settings with typical \"factory\" settings"));
  ControlDesign cancel = Button("Command3", {3240, 6000, 1215, 375}, "&Cancel", "Leave settings unchanged");
  cancel.cancel = true;
  c.push_back(cancel);

  c.push_back(Panel("Picture1", "", {4680, 0, 3615, 6615}, kBlue));
  c.push_back(Label("Label9", "Picture1", {120, 0, 3015, 495}, "a " + domain + " product", arial_bold,
                    kYellow, kCentre));
  c.push_back(Label("Label10", "Picture1", {0, 360, 3135, 615},
                    "Please come to our web site, " + host + " for:", arial_bold, kWhite, kCentre));
  c.push_back(Label("Label16", "Picture1", {120, 960, 3135, 615},
                    "- Joke archive, daily jokes - by web and by e-mail", arial, kWhite));
  c.push_back(Label("Label17", "Picture1", {120, 1560, 3255, 735},
                    std::string("- Over 800 celebrity pictures - ") + setup_text::kActresses[0] +
                        " and " + setup_text::kActresses[1] + " - 2 new pics DAILY!",
                    arial, kWhite));
  c.push_back(Label("Label18", "Picture1", {120, 2400, 3135, 375},
                    std::string("- ") + setup_text::kCartoonSeries + " and " +
                        setup_text::kSecondCartoonSeries,
                    arial, kWhite));
  c.push_back(Label("Label19", "Picture1", {120, 2760, 3135, 615},
                    "- News, stock quotes, SCREENSAVERS and much more!", arial, kWhite));
  c.push_back(Label("Label14", "Picture1", {240, 3480, 3135, 495},
                    "Our sister product - The Velmora Jokes Screensaver!", arial, kWhite, kCentre));
  c.push_back(Label("Label15", "Picture1", {0, 3960, 3495, 375}, host + "/velmora.html",
                    Font("Arial", 9.75, true, true), kNavy, kCentre));
  c.push_back(Panel("Picture2", "Picture1", {120, 4320, 3015, 2055}, kYellow));
  c.push_back(Label("Label11", "Picture2", {0, 0, 3015, 495},
                    "Contribute to the Zorbel Joke Screensaver!", Font("Arial", 11.25, true)));
  c.push_back(Label("Label12", "Picture2", {0, 600, 2775, 975},
                    "At our web site, you can take part in the Zorbel Joke Screensaver, by telling "
                    "us your favourite zorbel jokes!",
                    arial, kBlack));
  ControlDesign product_link = Label("Label13", "Picture2", {0, 1680, 2895, 255}, host + "/zorbel/",
                                     Font("Arial", 9.75, false, true), kBlue);
  product_link.tooltip = "Click to launch your web browser!";
  c.push_back(product_link);
  return form;
}

}  // namespace

const FormDesign& Form2Design() {
  static const FormDesign design = BuildForm2Design();
  return design;
}
