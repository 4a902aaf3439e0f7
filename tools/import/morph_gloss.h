// The OSHB morphology code of a word as a short English line for the page:
// "HC/Vqw3ms" -> "conj+qal.wayy.3ms". The table is in
// docs/interlinear-sources.md.
#pragma once

#include <string>
#include <string_view>

namespace orv {

// The gloss of `code`: its language letter ("H" Hebrew, "A" Aramaic, which
// picks the table of verb stems) is dropped, and each "/"-separated part
// becomes its abbreviations joined with ".", the parts joined with "+". A
// code that the table does not read through to its end, in any part, is
// given back unchanged, so that nothing is shown wrongly; "" gives "".
std::string MorphGloss(std::string_view code);

}  // namespace orv
