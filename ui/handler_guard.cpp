// Turns an escaped failure into the run-time error box and the end of the program.
#include "ui/handler_guard.h"

#include "ui/failure.h"

void RunGuarded(Services& services, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const Failure& failure) {
    services.ShowMessageBox(kProgramName, RuntimeErrorText(failure), message_box_style::kOkOnly);
    services.EndProgram();
  }
}
