// The setup hub: the beta notice as it loads, before it shows, then the buttons and links that open the
// options dialog, the information window and the maker's pages, and end the program.
#pragma once

#include <functional>

#include "setup/form2.h"
#include "setup/form4.h"
#include "startup/shared_state.h"
#include "ui/form.h"
#include "ui/form_slot.h"

class Form3 : public Form {
 public:
  Form3(UiContext context, SharedState& state, FormSlot<Form2>& form2, FormSlot<Form4>& form4);

  // The beta notice; `loaded` runs once the user has closed it.
  void Form_Load(std::function<void()> loaded);
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command6_Click();
  void Command7_Click();
  void Command9_Click();
  void Label18_Click();
  void Label20_Click();

 private:
  SharedState& state_;
  FormSlot<Form2>& form2_;
  FormSlot<Form4>& form4_;
};
