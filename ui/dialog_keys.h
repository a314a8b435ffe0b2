// The keyboard of every form with controls, as Windows users know it from dialog boxes:
// Tab and Shift+Tab, the arrows in an option group, Enter on a button and Alt with a
// caption's marked letter. The platform offers each key going down; what it does is here.
#pragma once

#include <optional>
#include <vector>

#include "ui/design.h"
#include "ui/focus_order.h"
#include "ui/keys.h"

// What one key does: first a click on `press`, then the focus to `focus`; -1 for neither.
struct DialogKeyAction {
  int press = -1;
  int focus = -1;
  bool operator==(const DialogKeyAction&) const = default;
};

// The action of `key` with the shift state `shift`
// (1 Shift, 2 Ctrl, 4 Alt) while `focused` holds the focus (-1: the window itself).
// Nothing when the key is not the keyboard interface's to take, as arrows in a text box
// or any key in a form where nothing takes the focus.
std::optional<DialogKeyAction> DialogKey(const FormDesign& design, const std::vector<FocusFacts>& facts,
                                         int focused, Key key, int shift);
