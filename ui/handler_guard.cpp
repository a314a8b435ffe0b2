// Turns an escaped exception into the run-time error box and the end of the program.
#include "ui/handler_guard.h"

#include "ui/failure_net.h"

void RunGuarded(Services& services, const std::function<void()>& handler) {
  try {
    handler();
  } catch (...) {
    EndOnEscapedException(services);
  }
}

void EndOnEscapedException(Services& services) {
  try {
    const Failure failure = FailureInFlight();
    services.ShowMessageBox(kProgramName, RuntimeErrorText(failure), message_box_style::kOkOnly);
  } catch (const ProgramEnding&) {
    throw;
  } catch (...) {
    // Out of memory again while building the box: ending silently beats escaping.
  }
  services.EndProgram();
}
