// Character references in the SWORD modules' markup, shared by the King James
// and dictionary readers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// Appends the character an entity body ("amp", "#1488", "#x5D0") stands for:
// the five XML names and numeric references to a Unicode scalar value; false
// (nothing appended) for anything else.
bool AppendEntity(std::string& out, std::string_view body);

}  // namespace orv
