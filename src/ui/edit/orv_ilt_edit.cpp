#include "ui/edit/orv_ilt_edit.h"

#include "edit/ilt_editor.h"

namespace orv::ui {

TILTEdit::TILTEdit(IltEditor& editor, const std::string& hebrewFont, QWidget* parent)
    : TPageWordForm(
          editor, [&editor](const std::string& typed) { return editor.Done(typed); },
          kIltEditCaption, "ILTText", hebrewFont, parent) {
  setObjectName("ILTEdit");
  ILTText = Value;
}

}  // namespace orv::ui
