// The one wiring of the program to the headless platform that every suite uses: services
// with a command line and a program folder, the window toolkit, and the program itself.
#pragma once

#include <string>

#include "app/program.h"
#include "platform/headless/headless_services.h"
#include "platform/headless/headless_window_system.h"
#include "ui/form.h"

// The platform alone, for tests that build forms themselves. Programs that share a
// `machine` see each other's instance lock, like programs in one Windows session.
struct HeadlessPlatform {
  HeadlessPlatform(const std::string& arguments, const std::string& folder,
                   HeadlessMachine* machine = nullptr)
      : services(machine != nullptr ? *machine : own_machine, arguments, folder) {
    services.box_watcher = &windows;  // a message box takes the activation while it is up
  }

  UiContext ui() { return UiContext{windows, services, failure_net}; }

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

  void RunMain() { RunHeadless([this] { program.Main(); }); }

  Program program;
};
