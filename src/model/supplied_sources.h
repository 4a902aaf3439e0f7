// The interlinear text sources that `orv import` makes from the supplied
// data and that a first start copies into the data root and shows: their
// names, languages and folders. The folder is the same below the program
// folder (where the import writes them) and below the data root (where
// they are read and edited), so that the stored path is folder + "\".
#pragma once

#include <array>

namespace orv {

struct SuppliedSource {
  const char* name;      // the sources table's name, at most 20 bytes
  const char* language;  // at most 20 bytes
  const char* folder;    // relative, "/"-separated, no final "/"
};

inline constexpr std::array<SuppliedSource, 3> kSuppliedSources{{
    {"KJV gloss", "English", "Interlinear/KJV-Gloss"},
    {"Morphology", "English", "Interlinear/Morphology"},
    {"Transliteration", "Hebrew", "Interlinear/Transliteration"},
}};

}  // namespace orv
