#include "ui/edit/orv_stng_edit.h"

#include "edit/strongs_editor.h"

namespace orv::ui {

TStrongEdit::TStrongEdit(StrongsEditor& editor, const std::string& hebrewFont, QWidget* parent)
    : TPageWordForm(
          editor, [&editor](const std::string& typed) { return editor.Done(typed); },
          kStrongsEditCaption, "SNum", hebrewFont, parent) {
  setObjectName("StrongEdit");
  SNum = Value;
}

}  // namespace orv::ui
