// The information window's controls, in twips, with the design texts its callers replace.
#include "setup/form4_design.h"

#include "ui/design_builders.h"

namespace {

FormDesign BuildForm4Design() {
  using namespace design;
  // The builders, not the live controls of the same names.
  using design::Control, design::Label;
  FormDesign form = Window("Form4", "MiscWindow", 3555, 4920, BorderStyle::kFixedSingle);

  ControlDesign title = Label("Label1", "", {0, 0, 3540, 525}, "", Font("Arial", 14.25),
                              std::nullopt, TextAlignment::kRight, true);
  title.auto_size = true;
  title.tab_index = 0;
  form.controls.push_back(title);
  ControlDesign button = Control("Command1", ControlKind::kCommandButton, "", {960, 4320, 1695, 375}, "OK!");
  button.tab_index = 1;
  form.controls.push_back(button);
  ControlDesign body = Label("Label2", "", {240, 720, 3015, 3495}, "Label2", kDialogFont,
                             std::nullopt, TextAlignment::kLeft, true);
  body.tab_index = 2;
  form.controls.push_back(body);
  return form;
}

}  // namespace

const FormDesign& Form4Design() {
  static const FormDesign design = BuildForm4Design();
  return design;
}
