// Which controls take the keyboard focus, where it rests first, and where Tab, Shift+Tab
// and the arrow keys move it: the rules every form shares, decided here for every platform.
#pragma once

#include <optional>
#include <vector>

#include "ui/design.h"

// The kinds the keyboard focus can rest on.
bool TakesFocus(ControlKind kind);

// What the rules need to know of one control now, by its index in the design.
struct FocusFacts {
  bool visible = true;    // the control's own visibility; its containers' count as well
  bool selected = false;  // option buttons: the mark
};

// The stops of the tab order: the controls that can take the focus now, ordered by their
// tab index and, where that is equal or unset, by creation. The options of one group (one
// container) make one stop, at the place of the first of them.
std::vector<std::vector<int>> FocusStops(const FormDesign& design, const std::vector<FocusFacts>& facts);

// Where the focus rests when the form first shows: on the first stop; -1 when nothing
// takes it.
int FirstFocus(const FormDesign& design, const std::vector<FocusFacts>& facts);

// Where the key `key_code` (a virtual-key code) with the shift state `shift` moves the focus
// from `focused` (-1: the window itself): Tab and Shift+Tab to the next and the previous
// stop, wrapping around, landing on a group's selected option; the arrow keys to the next
// or previous option of the focused option's group. Nothing when the key is not the focus
// rules' to take, as arrows in a text box are; the same control when it stays where it is.
std::optional<int> FocusTarget(const FormDesign& design, const std::vector<FocusFacts>& facts,
                               int focused, int key_code, int shift);

// True for the arrow keys, which select the option they move to.
bool IsArrowKey(int key_code);
