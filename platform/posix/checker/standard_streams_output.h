// The checker's report on stdout and its trouble on stderr, through the C library's
// streams, each file's report written as soon as it is made.
#pragma once

#include <cstdio>

#include "checker/check_command.h"

class StandardStreamsOutput : public CheckerOutput {
 public:
  StandardStreamsOutput(std::FILE* report, std::FILE* trouble) : report_(report), trouble_(trouble) {}

  void Report(std::string_view text) override;
  void Trouble(std::string_view text) override;
  // False once any write of the report failed, as into a closed pipe or onto a full disk.
  bool ReportDelivered() override;

 private:
  std::FILE* report_;
  std::FILE* trouble_;
};
