// The program as one object: its platform, the shared state, its windows and the start-up
// routine Main, which refuses a second copy and dispatches on the mode it was started in.
#pragma once

#include <functional>

#include "saver/chance.h"
#include "saver/form1.h"
#include "setup/form2.h"
#include "setup/form3.h"
#include "setup/form4.h"
#include "startup/settings_file.h"
#include "startup/shared_state.h"
#include "ui/failure.h"
#include "ui/form_slot.h"
#include "ui/services.h"
#include "ui/window_system.h"

inline constexpr const char* kAppVersion = "4beta1";

// The display timer's interval for a delay in seconds: a number as it is, empty as 0, a
// text only if it reads wholly as a number (else failure 13); times 1000 to the nearest
// whole, a half to the even neighbour; outside 0 to 65,535 is failure 380.
int DisplayTimerInterval(const FieldValue& delay_seconds);

class Program {
 public:
  Program(Services& services, WindowSystem& windows, FailureNet& failure_net);

  // Start-up in the mode the home's entry point read from its command line.
  void Main(ProgramMode mode);

  Services& services;
  WindowSystem& windows;
  FailureNet& failure_net;
  SharedState state;
  Chance chance;
  FormSlot<Form1> form1;
  FormSlot<Form2> form2;
  FormSlot<Form4> form4;
  FormSlot<Form3> form3;
  // Settings the platform was given instead of those in the settings file.
  SettingsOverride settings_override;

 private:
  void RunConfigurationMode();
  void RunSaverMode();
  // Runs start-up steps under the start-up report: a failure there shows the report, and
  // the program ends once the user has closed it.
  void UnderStartupReport(const std::function<void()>& steps);
  void ReportStartupFailure(const Failure& failure);
  // The display timer's interval for the delay; a delay from the settings file it cannot
  // take is named, with its place in the file, among the diagnostics before it fails.
  int DisplayInterval();
  UiContext ui() { return UiContext{windows, services, failure_net}; }

  int display_interval_ = 0;
};
