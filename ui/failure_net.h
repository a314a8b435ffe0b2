// The net under every handler after start-up: whatever escapes a handler ends the program
// after one box naming its code and description. The platform makes one for the run and
// hands it to every form through their context.
#pragma once

#include <functional>

#include "ui/services.h"

class FailureNet {
 public:
  explicit FailureNet(Services& services) : services_(services) {}
  FailureNet(const FailureNet&) = delete;
  FailureNet& operator=(const FailureNet&) = delete;

  void RunGuarded(const std::function<void()>& handler);

  // Called inside a catch block: shows the run-time error box for the exception in flight,
  // and the program ends with a failed exit status once the user has closed it. If even the
  // box cannot be shown, the program ends at once. Where boxes do not wait for the user, it
  // comes back with the box up; otherwise it does not: ending the program stops the
  // process, or, where the platform cannot stop it on the spot, throws.
  void EndOnEscapedException();

 private:
  Services& services_;
  // True while the run-time error box is up. Windows keeps delivering timer ticks to the
  // program's windows under a message box; a failure escaping one of those must end the
  // program at once instead of stacking a second box on the first.
  bool box_up_ = false;
};
