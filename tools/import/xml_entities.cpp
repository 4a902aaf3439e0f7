#include "import/xml_entities.h"

#include <cstdlib>

#include "platform/utf8.h"

namespace orv {

bool AppendEntity(std::string& out, std::string_view body) {
  static constexpr struct {
    std::string_view name;
    char c;
  } kNamed[] = {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
  for (const auto& e : kNamed) {
    if (body == e.name) {
      out += e.c;
      return true;
    }
  }
  if (body.size() < 2 || body[0] != '#') return false;
  bool hex = body[1] == 'x' || body[1] == 'X';
  std::string digits(body.substr(hex ? 2 : 1));
  if (digits.empty() || digits.size() > 8) return false;
  char* end = nullptr;
  unsigned long cp = std::strtoul(digits.c_str(), &end, hex ? 16 : 10);
  if (*end != '\0' || cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
  AppendUtf8(out, static_cast<uint32_t>(cp));
  return true;
}

}  // namespace orv
