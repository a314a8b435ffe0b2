// The options dialog's five handlers.
#include "setup/form2.h"

#include "setup/form2_design.h"
#include "startup/settings_check.h"
#include "setup/setup_texts.h"
#include "startup/numbers.h"
#include "startup/settings_file.h"
#include "startup/settings_vocabulary.h"
#include "startup/web_endpoints.h"
#include "startup/web_launcher.h"

Form2::Form2(UiContext context, SharedState& state)
    : Form(Form2Design(), context), Option1(option_button("Option1")),
      Option2(option_button("Option2")), Check1(check_box("Check1")), Text1(text_box("Text1")),
      state_(state) {
  Bind(*this, {
      FORM_HANDLER(Form2, Command1, Click),
      FORM_HANDLER(Form2, Command2, Click),
      FORM_HANDLER(Form2, Command3, Click),
      FORM_HANDLER(Form2, Label13, Click),
      FORM_HANDLER(Form2, Label15, Click),
  });
}

void Form2::Command1_Click() {
  Services& services = context_.services;
  switch (CheckOptions(Text1.text(), Option1.value(), Check1.value())) {
    case OptionsVerdict::kInvalidDelay:
      setup_text::ShowBox(services, setup_text::InvalidDelayError(), MessageBoxKind::kExclamation);
      return;
    case OptionsVerdict::kMedicalNeedsRude:
      setup_text::ShowBox(services, setup_text::MedicalNeedsRudeError(), MessageBoxKind::kStop);
      return;
    case OptionsVerdict::kAccepted: break;
  }
  const std::string style_word = Option1.value() ? settings_word::kClean : settings_word::kRude;
  state_.JokeStyle = style_word;
  const std::string medical_word = Check1.value() ? settings_word::kMedicalYes : settings_word::kMedicalNo;
  WriteSettings(services, style_word, medical_word, ReadLeadingNumber(Text1.text()));
  Unload();
}

void Form2::Command2_Click() {
  Option1.SetValue(true);
  Option2.SetValue(false);
  Text1.SetText(std::to_string(kDefaultDelaySeconds));
  Check1.SetValue(false);
}

void Form2::Command3_Click() { Unload(); }

void Form2::Label13_Click() {
  setup_text::ShowBox(context_.services, setup_text::HomePageNotice(), MessageBoxKind::kInformation,
                      PageOpener(state_, context_.services, endpoints::BounceAddress("home")));
}

void Form2::Label15_Click() {
  setup_text::ShowBox(context_.services, setup_text::SisterProductNotice(), MessageBoxKind::kInformation,
                      PageOpener(state_, context_.services, endpoints::BounceAddress("velmora")));
}
