// Case folding through towupper_l and towlower_l in a UTF-8 locale made for the call, so
// the process's own locale does not matter.
#include "platform/posix/letter_case.h"

#include <locale.h>
#include <wctype.h>

#include "startup/utf8.h"

namespace {

// A UTF-8 locale of the C library for as long as it lives; none where the system has none.
class Utf8Locale {
 public:
  Utf8Locale() {
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
      locale_ = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(0));
      if (locale_ != static_cast<locale_t>(0)) return;
    }
  }
  ~Utf8Locale() {
    if (locale_ != static_cast<locale_t>(0)) freelocale(locale_);
  }
  Utf8Locale(const Utf8Locale&) = delete;
  Utf8Locale& operator=(const Utf8Locale&) = delete;
  locale_t get() const { return locale_; }

 private:
  locale_t locale_ = static_cast<locale_t>(0);
};

char32_t Folded(char32_t code, locale_t locale) {
  if (locale == static_cast<locale_t>(0)) return code >= 'A' && code <= 'Z' ? code - 'A' + 'a' : code;
  return static_cast<char32_t>(towlower_l(towupper_l(static_cast<wint_t>(code), locale), locale));
}

}  // namespace

std::string FoldCaseUtf8(std::string_view utf8) {
  const Utf8Locale locale_holder;
  const locale_t locale = locale_holder.get();
  std::string folded;
  folded.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const Utf8Sequence sequence = Utf8SequenceAt(utf8, at);
    AppendUtf8(folded, Folded(sequence.code_point, locale));
    at += sequence.length;
  }
  return folded;
}
