// Turns an escaped exception into the run-time error box and the end of the program.
#include "ui/failure_net.h"

#include "ui/failure_in_flight.h"

void FailureNet::RunGuarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (...) {
    EndOnEscapedException();
  }
}

void FailureNet::EndOnEscapedException() {
  if (box_up_) services_.EndProgram(exit_status::kFailed);
  box_up_ = true;
  try {
    const Failure failure = FailureInFlight();
    services_.ShowMessageBox(kProgramName, RuntimeErrorText(failure), MessageBoxKind::kPlain,
                             [this] { services_.EndProgram(exit_status::kFailed); });
    return;
  } catch (const ProgramEnding&) {
    box_up_ = false;
    throw;
  } catch (...) {
    // Out of memory again while building the box: ending silently beats escaping.
  }
  box_up_ = false;
  services_.EndProgram(exit_status::kFailed);
}
