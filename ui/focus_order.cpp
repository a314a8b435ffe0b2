// The focus rules: stops in tab order, option groups as one stop, and the keys that move
// the focus between them.
#include "ui/focus_order.h"

#include <algorithm>

namespace {

constexpr int kTab = 9;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kShiftDown = 1;
constexpr int kCtrlOrAltDown = 2 | 4;

int IndexOf(const FormDesign& design, const std::string& name) {
  const auto found = std::find_if(design.controls.begin(), design.controls.end(),
                                  [&](const ControlDesign& c) { return c.name == name; });
  return found == design.controls.end() ? -1 : static_cast<int>(found - design.controls.begin());
}

// Visible itself and in every container around it, as the user sees it. A control whose
// container does not exist is not there at all.
bool ShowsNow(const FormDesign& design, const std::vector<FocusFacts>& facts, int control) {
  // Each step climbs one container, and no chain of them is longer than the design.
  for (std::size_t depth = 0; control >= 0 && depth <= facts.size(); ++depth) {
    if (!facts[control].visible) return false;
    const std::string& parent = design.controls[control].parent;
    if (parent.empty()) return true;
    control = IndexOf(design, parent);
  }
  return false;
}

bool InOneGroup(const ControlDesign& a, const ControlDesign& b) {
  return a.kind == ControlKind::kOptionButton && b.kind == ControlKind::kOptionButton &&
         a.parent == b.parent;
}

// A group's selected option, or its first when none is selected.
int Landing(const std::vector<int>& stop, const std::vector<FocusFacts>& facts) {
  const auto selected = std::find_if(stop.begin(), stop.end(), [&](int c) { return facts[c].selected; });
  return selected != stop.end() ? *selected : stop.front();
}

int Wrapped(int index, int count) { return (index % count + count) % count; }

}  // namespace

bool TakesFocus(ControlKind kind) {
  return kind == ControlKind::kCommandButton || kind == ControlKind::kTextBox ||
         kind == ControlKind::kOptionButton || kind == ControlKind::kCheckBox;
}

std::vector<std::vector<int>> FocusStops(const FormDesign& design, const std::vector<FocusFacts>& facts) {
  std::vector<int> order;
  for (int i = 0; i < static_cast<int>(design.controls.size()); ++i) {
    if (TakesFocus(design.controls[i].kind) && ShowsNow(design, facts, i)) order.push_back(i);
  }
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return design.controls[a].tab_index < design.controls[b].tab_index;
  });
  std::vector<std::vector<int>> stops;
  for (int control : order) {
    const auto group = std::find_if(stops.begin(), stops.end(), [&](const std::vector<int>& stop) {
      return InOneGroup(design.controls[stop.front()], design.controls[control]);
    });
    if (group != stops.end()) {
      group->push_back(control);
    } else {
      stops.push_back({control});
    }
  }
  return stops;
}

int FirstFocus(const FormDesign& design, const std::vector<FocusFacts>& facts) {
  const std::vector<std::vector<int>> stops = FocusStops(design, facts);
  return stops.empty() ? -1 : Landing(stops.front(), facts);
}

bool IsArrowKey(int key_code) { return key_code >= kLeft && key_code <= kDown; }

std::optional<int> FocusTarget(const FormDesign& design, const std::vector<FocusFacts>& facts,
                               int focused, int key_code, int shift) {
  const std::vector<std::vector<int>> stops = FocusStops(design, facts);
  const auto holding = std::find_if(stops.begin(), stops.end(), [&](const std::vector<int>& stop) {
    return std::find(stop.begin(), stop.end(), focused) != stop.end();
  });
  if (key_code == kTab && (shift & kCtrlOrAltDown) == 0) {
    if (stops.empty()) return std::nullopt;
    const bool backwards = (shift & kShiftDown) != 0;
    const int count = static_cast<int>(stops.size());
    int next = backwards ? count - 1 : 0;
    if (holding != stops.end()) next = Wrapped(static_cast<int>(holding - stops.begin()) + (backwards ? -1 : 1), count);
    return Landing(stops[next], facts);
  }
  if (!IsArrowKey(key_code) || holding == stops.end()) return std::nullopt;
  // A text box moves its caret with the arrows; buttons and the check box stay put.
  const ControlKind kind = design.controls[focused].kind;
  if (kind == ControlKind::kTextBox) return std::nullopt;
  if (kind != ControlKind::kOptionButton) return focused;
  const std::vector<int>& group = *holding;
  const int at = static_cast<int>(std::find(group.begin(), group.end(), focused) - group.begin());
  const bool backwards = key_code == kLeft || key_code == kUp;
  return group[Wrapped(at + (backwards ? -1 : 1), static_cast<int>(group.size()))];
}
