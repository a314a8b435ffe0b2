// The saver window: the intro panel for the first 3.5 s, the display cycle from then on,
// and the end of the program on the first key, click or mouse move once armed at 3.6 s.
#pragma once

#include <string>
#include <vector>

#include "saver/chance.h"
#include "startup/shared_state.h"
#include "ui/form.h"

class Form1 : public Form {
 public:
  // `delay_interval` is 1000 x DelaySeconds in whole milliseconds, as start-up found it.
  Form1(UiContext context, const SharedState& state, Chance& chance, int delay_interval);

  Label& Label1;
  Label& labelxx;
  Timer& Timer1;
  Timer& Timer2;
  Timer& Timer3;
  Control& Picture1;

  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void Form_Click();
  void Form_KeyDown();
  void Form_KeyPress();
  void Form_MouseMove();
  void Label1_Click();
  void Label1_MouseMove();

 private:
  const SharedState& state_;
  Chance& chance_;
  int delay_interval_;
  // Built once for the run: the messages this platform's users can act on.
  const std::vector<std::string> promo_messages_;
};

// Ends the program, with the cursor shown again, once the saver window is armed.
void ExitIfArmed(Form1& form, Services& services);
