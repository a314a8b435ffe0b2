// The focus rules: stops in tab order, option groups as one stop, and the ways through
// them.
#include "ui/focus_order.h"

#include <algorithm>

namespace {

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

int NextStop(const FormDesign& design, const std::vector<FocusFacts>& facts, int focused, bool backwards) {
  const std::vector<std::vector<int>> stops = FocusStops(design, facts);
  if (stops.empty()) return -1;
  const int count = static_cast<int>(stops.size());
  int next = backwards ? count - 1 : 0;
  for (int i = 0; i < count; ++i) {
    if (std::find(stops[i].begin(), stops[i].end(), focused) != stops[i].end()) {
      next = Wrapped(i + (backwards ? -1 : 1), count);
    }
  }
  return Landing(stops[next], facts);
}

std::optional<int> GroupNeighbour(const FormDesign& design, const std::vector<FocusFacts>& facts,
                                  int focused, bool backwards) {
  for (const std::vector<int>& stop : FocusStops(design, facts)) {
    const auto at = std::find(stop.begin(), stop.end(), focused);
    if (at == stop.end()) continue;
    if (design.controls[focused].kind != ControlKind::kOptionButton) return std::nullopt;
    const int index = static_cast<int>(at - stop.begin()) + (backwards ? -1 : 1);
    return stop[Wrapped(index, static_cast<int>(stop.size()))];
  }
  return std::nullopt;
}
