// The setup hub's handlers: every message box first, then, once it is closed, the page it
// announces.
#include "setup/form3.h"

#include "setup/form3_design.h"
#include "setup/setup_texts.h"
#include "setup/upgrade_request.h"
#include "startup/web_endpoints.h"
#include "startup/web_launcher.h"

namespace {

// Every box of the hub has the information icon.
void ShowNotice(Services& services, const setup_text::Box& box, std::function<void()> closed = {}) {
  setup_text::ShowBox(services, box, MessageBoxKind::kInformation, std::move(closed));
}

}  // namespace

Form3::Form3(UiContext context, SharedState& state, FormSlot<Form2>& form2, FormSlot<Form4>& form4)
    : Form(Form3Design(), context), state_(state), form2_(form2), form4_(form4) {
  Bind(*this, {
      FORM_HANDLER(Form3, Command1, Click),
      FORM_HANDLER(Form3, Command2, Click),
      FORM_HANDLER(Form3, Command3, Click),
      FORM_HANDLER(Form3, Command4, Click),
      FORM_HANDLER(Form3, Command5, Click),
      FORM_HANDLER(Form3, Command6, Click),
      FORM_HANDLER(Form3, Command7, Click),
      FORM_HANDLER(Form3, Command9, Click),
      FORM_HANDLER(Form3, Label18, Click),
      FORM_HANDLER(Form3, Label20, Click),
  });
}

void Form3::Form_Load(std::function<void()> loaded) {
  ShowNotice(context_.services, setup_text::BetaNotice(), std::move(loaded));
}

void Form3::Command1_Click() { form2_.Get().ShowModal(*this); }

void Form3::Command2_Click() {
  Unload();
  context_.services.EndProgram(exit_status::kSucceeded);
}

void Form3::Command3_Click() {
  ShowNotice(context_.services, setup_text::UpgradeNotice(),
             PageOpener(state_, context_.services, UpgradeRequestAddress(state_)));
}

void Form3::Command4_Click() {
  ShowNotice(context_.services, setup_text::HomePageNotice(),
             PageOpener(state_, context_.services, endpoints::BounceAddress("home")));
}

void Form3::Command5_Click() {
  OpenPage(state_, context_.services, endpoints::BounceAddress("dotcom"));
}

void Form3::Command6_Click() { ShowInformation(form4_, setup_text::AboutTheSaver()); }

void Form3::Command7_Click() { ShowInformation(form4_, setup_text::AboutFreeUpgrades()); }

void Form3::Command9_Click() {
  ShowNotice(context_.services, setup_text::JokesPageNotice(),
             PageOpener(state_, context_.services, endpoints::BounceAddress("zorbeljokes")));
}

void Form3::Label18_Click() {
  OpenPage(state_, context_.services, endpoints::BounceAddress("home"));
}

void Form3::Label20_Click() { ShowNotice(context_.services, setup_text::AppealNotice()); }
