// The laid-out part, prefix marks, line breaks and word wrapping for labels, independent of
// any font.
#include "ui/drawn/text_layout.h"

std::string_view LaidOutPart(std::string_view text) {
  if (text.size() > kMostLaidOutBytes) {
    std::size_t end = kMostLaidOutBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    text = text.substr(0, end);
  }
  std::size_t lines = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    if (lines == kMostLaidOutLines) return text.substr(0, i);
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    ++lines;
  }
  return text;
}

std::string WithoutPrefixMarks(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A mark shows the character after it (a second "&" included); a last one shows nothing.
    if (text[i] == '&' && ++i == text.size()) break;
    shown += text[i];
  }
  return shown;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  lines.push_back(text.substr(start));
  return lines;
}

std::vector<std::string_view> WrapLine(std::string_view line, int width,
                                       const std::function<int(std::string_view)>& measure) {
  std::vector<std::string_view> pieces;
  while (true) {
    if (measure(line) <= width) {
      pieces.push_back(line);
      return pieces;
    }
    // The longest run of whole words that fits; at least the first word.
    std::size_t end = line.find(' ');
    if (end == std::string_view::npos) {
      pieces.push_back(line);
      return pieces;
    }
    for (std::size_t next = line.find(' ', end + 1); next != std::string_view::npos;
         next = line.find(' ', next + 1)) {
      if (measure(line.substr(0, next)) > width) break;
      end = next;
    }
    std::size_t rest = end;
    while (rest < line.size() && line[rest] == ' ') ++rest;
    while (end > 0 && line[end - 1] == ' ') --end;
    pieces.push_back(line.substr(0, end));
    if (rest == line.size()) return pieces;
    line = line.substr(rest);
  }
}
