// The setup hub's controls in creation order, which is also their tab order, in twips. The
// two labels hidden under the side panel come first so that the panel lies above them.
#include "setup/form3_design.h"

#include "ui/design_builders.h"
#include "setup/setup_texts.h"
#include "startup/web_endpoints.h"

namespace {

FormDesign BuildForm3Design() {
  using namespace design;
  // The builders, not the live controls of the same names.
  using design::Control, design::Label;
  const std::string host = endpoints::kMakerWebHost;
  const std::string domain = endpoints::kMakerDomain;
  const FontSpec times9 = Font("Times New Roman", 9, true);
  const FontSpec times12 = Font("Times New Roman", 12);
  const FontSpec times12_bold = Font("Times New Roman", 12, true);
  const FontSpec arial = Font("Arial", 9.75);
  const FontSpec arial_bold = Font("Arial", 9.75, true);

  FormDesign form = Window("Form3", "Welcome to Zorbel Joke Screensaver - Version 4!", 8475, 6840,
                           BorderStyle::kFixedSingle);
  form.back_color = kWhite;
  auto& c = form.controls;

  c.push_back(Label("Label12", "", {0, 0, 2895, 255}, host + "/jokes/", times9, kYellow));
  c.push_back(Label("Label9", "", {0, 0, 2895, 255}, "tarnwick entertainment company", times9, kYellow));
  c.push_back(Label("Label14", "", {3240, 0, 5055, 975}, "Zorbel Joke Screen Saver - Version 4",
                    Font("Arial", 21.75), std::nullopt, TextAlignment::kCenter, true));

  c.push_back(Panel("Picture2", "", {3600, 1080, 4695, 2295}, {255, 255, 128}));
  c.push_back(Label("Label15", "Picture2", {120, 0, 4215, 375},
                    "W H Y    I S     I T     F R E E ?", arial_bold, std::nullopt,
                    TextAlignment::kCenter));
  c.push_back(Label("Label16", "Picture2", {0, 240, 4455, 735},
                    "It's free because people download it at our web site. This way, we can earn "
                    "money by ADVERTISING, and don't have to charge you. ",
                    arial));
  c.push_back(Label("Label20", "Picture2", {360, 1080, 3735, 255},
                    "Click here to see how you can help us", arial_bold));
  c.push_back(Label("Label17", "Picture2", {0, 1440, 4455, 615},
                    "So, to help us, don't copy the saver for your friends. Get them to DOWNLOAD "
                    "it, FREE, at our web site (address below).",
                    Font("MS Sans Serif", 8.25, true), kRed, TextAlignment::kCenter));
  c.push_back(Label("Label18", "Picture2", {0, 2040, 4575, 255},
                    endpoints::ProductPageAddress() + " - CLICK HERE",
                    Font("Arial", 9.75, true, true), kBlue));

  c.push_back(Control("Command5", ControlKind::kCommandButton, "", {3240, 3600, 2055, 495},
                      "Click here to visit " + domain));
  c.push_back(Control("Command8", ControlKind::kCommandButton, "", {6720, 3600, 1695, 495},
                      "Click here for Help!"));
  c.push_back(Control("Frame1", ControlKind::kFrame, "", {3240, 4200, 5175, 2295}, "Screensaver setup"));
  c.push_back(Control("Frame2", ControlKind::kFrame, "Frame1", {120, 240, 2295, 1935},
                      "Screen saver options"));
  c.push_back(Control("Command1", ControlKind::kCommandButton, "Frame2", {120, 360, 2055, 495},
                      "&Configure saver"));
  c.push_back(Control("Command2", ControlKind::kCommandButton, "Frame2", {120, 1080, 2055, 495},
                      "&Return to control panel"));
  c.push_back(Control("Frame3", ControlKind::kFrame, "Frame1", {2520, 240, 2535, 1935},
                      "FREE upgrades NOW:"));
  c.push_back(Control("Command3", ControlKind::kCommandButton, "Frame3", {120, 240, 2055, 615},
                      "Check " + domain + " for upgrades!"));
  c.push_back(Control("Command4", ControlKind::kCommandButton, "Frame3", {120, 960, 2055, 495},
                      "Visit Zorbel Joke Screensaver homepage!"));
  c.push_back(Label("Label19", "Frame3", {120, 1560, 2295, 255}, "(Internet connection needed)",
                    Font("Times New Roman", 8.25, true), std::nullopt, TextAlignment::kLeft, true));

  c.push_back(Panel("Picture1", "", {0, 0, 3135, 6855}, kDarkBlue));
  c.push_back(Label("Label1", "Picture1", {0, 0, 2895, 255}, "tarnwick entertainment company", times9, kYellow));
  c.push_back(Label("Label3", "Picture1", {0, 240, 2895, 255}, "Check out our web sites now!", times9, kWhite));
  c.push_back(Label("Label4", "Picture1", {0, 480, 2895, 375}, "Tarnwick Babes", times12_bold, kWhite));
  c.push_back(Label("Label6", "Picture1", {0, 720, 3015, 1215},
                    std::string("Over 600 free celebrity pictures: ") + setup_text::kActresses[0] +
                        ", " + setup_text::kActresses[1] + ", " + setup_text::kActresses[2] +
                        " and many more. Also 2 daily pics!",
                    times12, kWhite));
  c.push_back(Label("Label10", "Picture1", {0, 1800, 2895, 255}, host + "/babes/", times9, kYellow));
  c.push_back(Label("Label5", "Picture1", {0, 2160, 2895, 375}, "Tarnwick Jokes", times12_bold, kWhite));
  c.push_back(Label("Label2", "Picture1", {0, 2400, 3015, 1215},
                    "Zorbel jokes (of course), Velmora jokes, and many many more! Also Daily Jokes "
                    "on the web && by e-mail!",
                    times12, kWhite));
  c.push_back(Label("Label11", "Picture1", {0, 3480, 2895, 255}, host + "/jokes/", times9, kYellow));
  c.push_back(Label("Label7", "Picture1", {0, 3840, 2895, 375}, domain, times12_bold, kWhite));
  c.push_back(Label("Label8", "Picture1", {0, 4080, 3015, 1215},
                    std::string("Much more content including ") + setup_text::kCartoonSeries +
                        " and " + setup_text::kSecondCartoonSeries +
                        ", search engine and more is available at our main page.",
                    times12, kWhite));
  c.push_back(Label("Label13", "Picture1", {0, 5160, 2895, 255}, host + "/", times9, kYellow));
  c.push_back(Label("Label21", "Picture1", {240, 5520, 2535, 375}, "E-mail " + endpoints::SupportEmail(),
                    times12_bold, kGreen));
  c.push_back(Control("Command6", ControlKind::kCommandButton, "Picture1", {0, 5880, 735, 855}, "About the SS"));
  c.push_back(Control("Command7", ControlKind::kCommandButton, "Picture1", {840, 5880, 1215, 855},
                      "About FREE upgrades!"));
  c.push_back(Control("Command9", ControlKind::kCommandButton, "Picture1", {2160, 5880, 855, 855},
                      "Zorbel jokes online!"));
  return form;
}

}  // namespace

const FormDesign& Form3Design() {
  static const FormDesign design = BuildForm3Design();
  return design;
}
