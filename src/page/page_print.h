// Printing the page, or the whole chapter of the page position, on a
// printer's surface with the printer's spacing, chapter headings and a
// footer line.
#pragma once

#include "model/version.h"

namespace orv {

class PrinterSurface;
class TKJV;
struct Page;
struct PageEnv;
struct PageLayout;
struct ViewState;

inline constexpr const char* kPrintFooter = kProgramCaption;

// `PrintWholePage`: what Print prints.
enum class PrintScope {
  kChapter,  // every page of the chapter
  kPage,     // the page on screen
};

// Prints one page from the page position (PrintScope::kPage) or every page of its
// chapter from verse 1 (PrintScope::kChapter), each with a new printed page, the
// King James column when `kjv` is given and shown, and the footer. Chapter
// headings are on for the job (so no printed page holds two chapters).
// Afterwards the position, the screen geometry and spacing are as before
// and a new layout is asked for. Returns the number of pages printed.
int PrintPages(PrinterSurface& printer, PageLayout& layout, Page& page, PageEnv& env,
               ViewState& view, TKJV* kjv, PrintScope scope);

}  // namespace orv
