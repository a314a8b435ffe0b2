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

namespace {

// True while the run-time error box is up. Windows keeps delivering timer ticks to the
// program's windows under a message box; a failure escaping one of those must end the
// program instead of stacking a second box on the first.
bool error_box_up = false;

}  // namespace

void EndOnEscapedException(Services& services) {
  if (!error_box_up) {
    error_box_up = true;
    try {
      const Failure failure = FailureInFlight();
      services.ShowMessageBox(kProgramName, RuntimeErrorText(failure), message_box_style::kOkOnly);
    } catch (const ProgramEnding&) {
      error_box_up = false;
      throw;
    } catch (...) {
      // Out of memory again while building the box: ending silently beats escaping.
    }
    error_box_up = false;
  }
  services.EndProgram(exit_status::kFailed);
}
