// The ILT editor's form (TILTEdit, caption "ILT Edit"), over the core's
// IltEditor.
#pragma once

#include <string>

#include "ui/edit/page_word_form.h"

namespace orv {
class IltEditor;
}

namespace orv::ui {

class TILTEdit : public TPageWordForm {
 public:
  // `editor` must be activated before the form is shown.
  TILTEdit(IltEditor& editor, const std::string& hebrewFont, QWidget* parent = nullptr);

  QLineEdit* ILTText;  // the gloss on the editable interlinear line
};

}  // namespace orv::ui
