// Start-up: the version, the single-instance refusal, the mode and the two mode
// sequences, with the start-up failure report around the steps that may fail.
#include "app/program.h"

#include "startup/joke_database.h"
#include "startup/numbers.h"
#include "startup/settings_file.h"
#include "startup/startup_report.h"
#include "ui/failure_in_flight.h"
#include "ui/timer_interval.h"

int DisplayTimerInterval(const FieldValue& delay_seconds) {
  const auto seconds = NumericValueOf(delay_seconds);
  if (!seconds) Fail(failure_code::kTypeMismatch);
  return CheckedTimerInterval(*seconds * 1000);
}

Program::Program(Services& services, WindowSystem& windows, FailureNet& failure_net)
    : services(services), windows(windows), failure_net(failure_net), chance([&services] { return services.TimeOfDaySeconds(); }),
      form1([this] {
        return std::make_unique<Form1>(ui(), state, chance,
                                       display_interval_);
      }),
      form2([this] { return std::make_unique<Form2>(ui(), state); }),
      form4([this] { return std::make_unique<Form4>(ui()); }),
      form3([this] {
        return std::make_unique<Form3>(ui(), state, form2, form4);
      }) {}

void Program::Main(ProgramMode mode) {
  state.AppVersion = kAppVersion;
  if (!services.AcquireSingleInstance()) services.EndProgram(exit_status::kSucceeded);
  switch (mode) {
    case ProgramMode::kConfigure: RunConfigurationMode(); break;
    // A preview pane shows the saver as the screen would, made smaller by the home.
    case ProgramMode::kSave:
    case ProgramMode::kPreview: RunSaverMode(); break;
    case ProgramMode::kNothing: break;
  }
}

// The hub shows once its beta notice has been closed, still under the start-up report.
void Program::RunConfigurationMode() {
  UnderStartupReport([this] {
    ReadJokeHeader(state, services);
    Form3& hub = form3.Get();
    hub.Form_Load([this, &hub] { UnderStartupReport([&hub] { hub.Show(); }); });
  });
}

void Program::RunSaverMode() {
  ReadSettings(state, services);
  ApplySettingsOverride(state, settings_override);
  ResetEntryLists(state);
  UnderStartupReport([this] {
    LoadJokeDatabase(state, services);
    display_interval_ = DisplayInterval();
    Form1& saver = form1.Get();
    saver.Timer1.SetInterval(display_interval_);
    saver.Label1.SetAlignment(TextAlignment::kCenter);
    services.SetPointerHidden(true);
    saver.Show();
  });
}

void Program::UnderStartupReport(const std::function<void()>& steps) {
  try {
    steps();
  } catch (...) {
    ReportStartupFailure(FailureInFlight());
  }
}

int Program::DisplayInterval() {
  try {
    return DisplayTimerInterval(state.DelaySeconds);
  } catch (...) {
    const Failure failure = FailureInFlight();
    if (!settings_override.DelaySeconds) services.Diagnose(DelayProblem(services, state.DelaySeconds, failure));
    throw failure;
  }
}

void Program::ReportStartupFailure(const Failure& failure) {
  services.ShowMessageBox(kStartupReportTitle, StartupReportText(failure), MessageBoxKind::kInformation,
                          [this] { services.EndProgram(exit_status::kFailed); });
}
