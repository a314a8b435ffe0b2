// Which controls take the keyboard focus, in what order, and where it rests first: the
// rules every form shares, decided here for every platform.
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

// The stop after the one holding `focused` (-1: the window itself; the first stop follows
// it), or before it when `backwards`, wrapping around; a group's selected option stands for
// the group. -1 when nothing takes the focus.
int NextStop(const FormDesign& design, const std::vector<FocusFacts>& facts, int focused, bool backwards);

// The next (or previous) option of the group that holds the focused option, wrapping
// around; nothing when the focus is not on an option.
std::optional<int> GroupNeighbour(const FormDesign& design, const std::vector<FocusFacts>& facts,
                                  int focused, bool backwards);
