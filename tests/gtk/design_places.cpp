// Where the setup forms' controls lie, from their designs, for tests that click them on the
// screen: a line "FORM - WIDTH HEIGHT" with each form's client size, then a line
// "FORM CONTROL LEFT TOP WIDTH HEIGHT" per control, in twips from the form's client area and
// cut to what its containers show of it.
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

#include "setup/form2_design.h"
#include "setup/form3_design.h"
#include "setup/form4_design.h"

namespace {

void PrintPlaces(const FormDesign& form) {
  std::printf("%s - %d %d\n", form.name.c_str(), form.client_width, form.client_height);
  std::map<std::string, TwipRect> shown;  // by name, in the form's client area
  for (const ControlDesign& control : form.controls) {
    TwipRect place = control.bounds;
    TwipRect within{0, 0, form.client_width, form.client_height};
    if (const auto parent = shown.find(control.parent); parent != shown.end()) {
      place.left += parent->second.left;
      place.top += parent->second.top;
      within = parent->second;
    }
    const int right = std::min(place.left + place.width, within.left + within.width);
    const int bottom = std::min(place.top + place.height, within.top + within.height);
    place.left = std::max(place.left, within.left);
    place.top = std::max(place.top, within.top);
    place.width = std::max(0, right - place.left);
    place.height = std::max(0, bottom - place.top);
    shown[control.name] = place;
    std::printf("%s %s %d %d %d %d\n", form.name.c_str(), control.name.c_str(), place.left, place.top, place.width,
                place.height);
  }
}

}  // namespace

int main() {
  for (const FormDesign* form : {&Form2Design(), &Form3Design(), &Form4Design()}) PrintPlaces(*form);
}
