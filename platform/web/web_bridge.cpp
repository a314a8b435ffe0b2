// Ownership of what the page's script hands over.
#include "platform/web/web_bridge.h"

#include <cstdlib>

std::string TakeScriptBytes(char* bytes, int length) {
  std::string taken(bytes, bytes + length);
  std::free(bytes);
  return taken;
}

std::string TakeScriptText(char* text) {
  std::string taken(text);
  std::free(text);
  return taken;
}
