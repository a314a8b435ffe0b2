// The saver window's handlers. Input before arming leaves no trace.
#include "saver/form1.h"

#include "saver/display_cycle.h"
#include "saver/form1_design.h"
#include "saver/promo_messages.h"

namespace {
constexpr const char* kArmed = "ok";
}  // namespace

Form1::Form1(UiContext context, const SharedState& state, Chance& chance, int delay_interval)
    : Form(Form1Design(), context), Label1(label("Label1")), labelxx(label("labelxx")),
      Timer1(timer("Timer1")), Timer2(timer("Timer2")), Timer3(timer("Timer3")),
      Picture1(control("Picture1")), state_(state), chance_(chance),
      delay_interval_(delay_interval),
      promo_messages_(BuildPromoMessages(context.services.HasSetupScreen())) {
  Bind(*this, {
      FORM_HANDLER(Form1, Timer1, Timer),
      FORM_HANDLER(Form1, Timer2, Timer),
      FORM_HANDLER(Form1, Timer3, Timer),
      FORM_HANDLER(Form1, Form, Click),
      FORM_HANDLER(Form1, Form, KeyDown),
      FORM_HANDLER(Form1, Form, KeyPress),
      FORM_HANDLER(Form1, Form, MouseMove),
      FORM_HANDLER(Form1, Label1, Click),
      FORM_HANDLER(Form1, Label1, MouseMove),
  });
}

void Form1::Timer1_Timer() {
  RunDisplayTick(Label1, Timer1, MonitorAreas(), state_, chance_, delay_interval_, promo_messages_);
}

void Form1::Timer2_Timer() {
  Picture1.SetVisible(false);
  Timer1.SetEnabled(true);
}

void Form1::Timer3_Timer() {
  labelxx.SetText(kArmed);
  Timer3.SetEnabled(false);
  Timer2.SetEnabled(false);
}

void Form1::Form_Click() { ExitIfArmed(*this, context_.services); }
void Form1::Form_KeyDown() { ExitIfArmed(*this, context_.services); }
void Form1::Form_KeyPress() { ExitIfArmed(*this, context_.services); }
void Form1::Form_MouseMove() { ExitIfArmed(*this, context_.services); }
void Form1::Label1_Click() { ExitIfArmed(*this, context_.services); }
void Form1::Label1_MouseMove() { ExitIfArmed(*this, context_.services); }

void ExitIfArmed(Form1& form, Services& services) {
  if (form.labelxx.text() != kArmed) return;
  services.SetPointerHidden(false);
  services.EndProgram(exit_status::kSucceeded);
}
