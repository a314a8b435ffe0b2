// The information window: one shared instance that its callers fill with a caption, a
// title and a body; "OK!" unloads it, and the next request starts from the design.
#pragma once

#include "setup/setup_texts.h"
#include "ui/form.h"
#include "ui/form_slot.h"

class Form4 : public Form {
 public:
  explicit Form4(UiContext context);

  Label& Label1;
  Label& Label2;

  void Command1_Click();
};

// Loads the window if it is not loaded, fills in the topic and shows it modeless.
void ShowInformation(FormSlot<Form4>& form4, const setup_text::InformationTopic& topic);
