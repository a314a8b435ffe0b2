// The information window's one handler and the request that fills and shows it.
#include "setup/form4.h"

#include "setup/form4_design.h"

Form4::Form4(UiContext context)
    : Form(Form4Design(), context), Label1(label("Label1")), Label2(label("Label2")) {
  Bind(*this, {
      FORM_HANDLER(Form4, Command1, Click),
  });
}

void Form4::Command1_Click() { Unload(); }

void ShowInformation(FormSlot<Form4>& form4, const setup_text::InformationTopic& topic) {
  Form4& window = form4.Get();
  window.SetCaption(topic.caption);
  window.Label1.SetText(topic.title);
  window.Label2.SetText(topic.body);
  window.Show();
}
