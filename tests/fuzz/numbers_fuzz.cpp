// The number-reading rule against a small reference written another way: a regular
// expression for the form and strtod for the value; the shortest written form reads back
// as the same number; the leading-number reading never fails.
#include <cmath>
#include <regex>

#include "startup/numbers.h"
#include "tests/fuzz/memory_file_services.h"

namespace {

const std::regex kDecimal(R"([+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)([eE][+-]?[0-9]+)?)");

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 256) return 0;  // the form is local; longer texts only slow the regex down
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<double> parsed = ParseDecimalNumber(text);
  const bool has_form = std::regex_match(text, kDecimal);
  FUZZ_CHECK(parsed.has_value() == has_form);
  if (parsed) {
    const double reference = std::strtod(text.c_str(), nullptr);
    FUZZ_CHECK(*parsed == reference || (std::isnan(*parsed) && std::isnan(reference)));
    if (std::isfinite(*parsed)) {
      const std::optional<double> again = ParseDecimalNumber(ShortestDecimal(*parsed));
      FUZZ_CHECK(again && *again == *parsed);
    }
  }
  const double leading = ReadLeadingNumber(text);
  FUZZ_CHECK(!std::isnan(leading));
  return 0;
}
