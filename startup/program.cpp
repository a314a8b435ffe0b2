// Start-up: the version, the single-instance refusal, the mode switch and the two mode
// sequences, with the start-up failure report around the steps that may fail.
#include "startup/program.h"

#include "startup/joke_database.h"
#include "startup/numbers.h"
#include "startup/settings_file.h"
#include "startup/startup_report.h"
#include "ui/timer_interval.h"

int DisplayTimerInterval(const FieldValue& delay_seconds) {
  const auto seconds = NumericValueOf(delay_seconds);
  if (!seconds) Fail(failure_code::kTypeMismatch);
  return CheckedTimerInterval(*seconds * 1000);
}

void Program::Main() {
  state.AppVersion = kAppVersion;
  if (!services.AcquireSingleInstance()) services.EndProgram();
  if (services.ArgumentText() == "/c") {
    RunConfigurationMode();
  } else if (services.ArgumentText() == "/s") {
    RunSaverMode();
  }
}

void Program::RunConfigurationMode() {
  try {
    ReadJokeHeader(state, services);
  } catch (const Failure& failure) {
    ReportStartupFailure(failure);
  }
}

void Program::RunSaverMode() {
  ReadSettings(state, services);
  ResetEntryLists(state);
  try {
    LoadJokeDatabase(state, services);
    display_interval_ = DisplayTimerInterval(state.DelaySeconds);
  } catch (const Failure& failure) {
    ReportStartupFailure(failure);
  }
}

void Program::ReportStartupFailure(const Failure& failure) {
  services.ShowMessageBox(kStartupReportTitle, StartupReportText(failure),
                          message_box_style::kInformation);
  services.EndProgram();
}
