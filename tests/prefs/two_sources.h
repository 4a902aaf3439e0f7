// Settings holding the two sources a first start adds: the interlinear text
// "ILT Translation" (source 1) and the translation database "Translation DB"
// (source 2).
#pragma once

#include "config/settings.h"

namespace orv::test {

inline Settings TwoSources() {
  Settings s;
  s.il.AddInterlinearText("ILT Translation", "English", "ILT_X\\");
  s.il.AddTranslationDatabase("Translation DB", "English", "Xlat_English\\");
  return s;
}

}  // namespace orv::test
