// The one wiring of the program to the headless platform that every suite uses: a Windows
// command line, services with a program folder, the window toolkit, and the program itself.
#pragma once

#include <string>

#include "app/program.h"
#include "platform/headless/headless_services.h"
#include "platform/headless/headless_window_system.h"
#include "ui/command_line.h"
#include "ui/form.h"

// The platform alone, for tests that build forms themselves. Programs that share a
// `machine` see each other's instance lock, like programs in one Windows session.
struct HeadlessPlatform {
  HeadlessPlatform(const std::string& arguments, const std::string& folder,
                   HeadlessMachine* machine = nullptr)
      : arguments(arguments), services(machine != nullptr ? *machine : own_machine, folder) {
    services.box_watcher = &windows;  // a message box takes the activation while it is up
  }

  UiContext ui() { return UiContext{windows, services, failure_net}; }

  // The command line it was started with, as Windows would hand it over.
  std::string arguments;
  HeadlessMachine own_machine;
  HeadlessServices services;
  HeadlessWindowSystem windows;
  FailureNet failure_net{services};
};

// The whole program on the platform; RunMain starts it as Windows would.
struct HeadlessProgram : HeadlessPlatform {
  HeadlessProgram(const std::string& arguments, const std::string& folder,
                  HeadlessMachine* machine = nullptr)
      : HeadlessPlatform(arguments, folder, machine), program(services, windows, failure_net) {}

  void RunMain() { RunHeadless([this] { program.Main(ModeOfSwitch(arguments)); }); }

  Program program;
};
