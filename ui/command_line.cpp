// Splits the program's name off a command line and reads the switch behind it.
#include "ui/command_line.h"

std::string ArgumentTextOf(std::string_view command_line) {
  std::size_t position = 0;
  if (!command_line.empty() && command_line[0] == '"') {
    const std::size_t closing = command_line.find('"', 1);
    position = closing == std::string_view::npos ? command_line.size() : closing + 1;
  } else {
    while (position < command_line.size() && command_line[position] != ' ' &&
           command_line[position] != '\t') {
      ++position;
    }
  }
  while (position < command_line.size() &&
         (command_line[position] == ' ' || command_line[position] == '\t')) {
    ++position;
  }
  return std::string(command_line.substr(position));
}

ProgramMode ModeOfSwitch(std::string_view argument_text) {
  if (argument_text == "/c") return ProgramMode::kConfigure;
  if (argument_text == "/s") return ProgramMode::kSave;
  return ProgramMode::kNothing;
}
