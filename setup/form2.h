// The options dialog: joke style, delay and medical switch, checked and written to the
// settings file on OK; opened modally by the hub and always from its design values.
#pragma once

#include "startup/shared_state.h"
#include "ui/form.h"

class Form2 : public Form {
 public:
  Form2(UiContext context, SharedState& state);

  OptionButton& Option1;
  OptionButton& Option2;
  CheckBox& Check1;
  TextBox& Text1;

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Label13_Click();
  void Label15_Click();

 private:
  SharedState& state_;
};
