// Configuration mode started on the headless platform in a folder of the test's own, beside
// a joke database of one joke.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/headless_program.h"
#include "tests/support/temp_folder.h"
#include "startup/web_endpoints.h"

class SetupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.Write("jokes.txt", "\"Zorbel jokes\",3,4\r\nclean,0,0\r\nA joke.\r\n</joke>\r\n");
    app.RunMain();
  }

  // Runs scripted input the way the program runs it, ending included.
  void Run(const std::function<void()>& input) { RunHeadless(input); }

  // How many times the journal notes `what`.
  int Noted(const std::string& what) const {
    return static_cast<int>(std::count_if(app.windows.journal.begin(), app.windows.journal.end(),
                                          [&](const std::string& line) {
                                            return line.find(what) != std::string::npos;
                                          }));
  }

  const HeadlessControl& Shown(const std::string& form, const std::string& control) const {
    return app.windows.ControlOf(form, control);
  }

  std::string Address(const std::string& path) const { return endpoints::MakerAddress(path); }

  TempFolder folder;
  HeadlessProgram app{"/c", folder.path()};
};
