// The Strong's number editor's form (TStrongEdit, caption "Strong's Number
// Edit"), over the core's StrongsEditor.
#pragma once

#include <string>

#include "ui/edit/page_word_form.h"

namespace orv {
class StrongsEditor;
}

namespace orv::ui {

class TStrongEdit : public TPageWordForm {
 public:
  // `editor` must be activated before the form is shown.
  TStrongEdit(StrongsEditor& editor, const std::string& hebrewFont, QWidget* parent = nullptr);

  QLineEdit* SNum;  // the Strong's number
};

}  // namespace orv::ui
