// The main window's import: File > Import... and, at a start that finds no
// Hebrew text in the program folder, the same dialog offered before
// anything else. After an import the window loads the new text: the
// supplied interlinear lines are set up as at a first start, the missing
// datastores are built and the page is read again.
#pragma once

#include "ui/build/import_function.h"

namespace orv::ui {

class TForm1;

// Enables "Import1" to show the import dialog running `run`, and sets the
// window's start hook to offer it when Source/GEN.OLF is missing. Cancel
// at the start leaves the start as it was without the dialog.
void WireImportCommand(TForm1& form, ImportFunction run);

// What follows a finished import: the lines, the datastores, the page.
void LoadImportedText(TForm1& form);

}  // namespace orv::ui
