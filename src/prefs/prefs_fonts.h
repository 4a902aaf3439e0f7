// The preferences dialog's font buttons. Each opens the font dialog and,
// when the user confirms, takes the choice at once: a Cancel of the
// preferences dialog afterwards does not undo it.
#pragma once

#include "config/settings.h"
#include "page/page_layout.h"
#include "page/view_state.h"

namespace orv {

class UserInterface;

// HebrewFontClick / ModernFontClick: the dialog starts with `font`'s name
// and size; on confirm both are replaced and RelayoutNeeded is set (when
// `view` is given). The page's Hebrew font changes only on OK. Returns
// whether the user confirmed.
bool ChooseSettingFont(UserInterface& ui, FontSetting& font, ViewState* view);

// XFont1Click, ILFont2Click .. ILFont8Click: the dialog starts with the
// page font of interlinear line `n` (1..8), all its attributes (name, size,
// style and colour, which the dialog offers too); on confirm that page font
// takes every chosen attribute at once and RelayoutNeeded is set. The
// settings take its name and size on OK (they keep no style or colour).
// Requires: 1 <= n <= kInterlinearLines.
bool ChooseLineFont(UserInterface& ui, PageFonts& fonts, int n, ViewState* view);

}  // namespace orv
