// Print Page and Print Chapter from the main window: the core's printing
// (page/page_print.h) on the system's default printer, without a printer
// dialog, or into a PDF file in the data root when no printer is set up.
// The printer spacing is given in dots of a 600 dpi printer, so every job
// renders at 600 dpi.
#pragma once

#include <QDateTime>
#include <string>

#include "page/page_print.h"

class QPagedPaintDevice;

namespace orv {
class Session;
class TKJV;
class UserInterface;
struct Page;
struct PageEnv;
struct PageLayout;
struct ViewState;
}  // namespace orv

namespace orv::ui {

inline constexpr int kPrintDpi = 600;

// The page state a job prints from and puts back afterwards.
struct PrintScene {
  PageLayout& layout;
  Page& page;
  PageEnv& env;
  ViewState& view;
  TKJV* kjv = nullptr;  // the King James text when its column is shown
};

// Where a job went and how many pages it printed (0: nothing, the user has
// been told why).
struct PrintResult {
  int pages = 0;
  std::string pdfPath;  // native path of the PDF written when there was no printer
};

// The main window's print command: prints `scope` (PrintScope::kPage or
// PrintScope::kChapter) on the default printer at 600 dpi. With no printer set up
// the job goes to a new PDF file "Orvane print YYYY-MM-DD HHMMSS.pdf" in the
// data root, and a message tells the user its path. A printer or file that
// cannot be opened, or a job that does not complete, gives a message naming
// it. The position, header mode and screen geometry are as before in every
// case; the caller repaints.
PrintResult PrintOnDefaultPrinter(const PrintScene& scene, UserInterface& ui, PrintScope scope);
PrintResult PrintOnDefaultPrinter(Session& session, UserInterface& ui, PrintScope scope);

// Prints into a PDF file at `path` (native; replaced when it exists), A4
// with 10 mm margins, at 600 dpi. Returns the pages printed; 0 with a
// message when the file cannot be written.
int PrintToPdf(const std::string& path, const PrintScene& scene, UserInterface& ui,
               PrintScope scope);

// Prints on a device whose page and resolution are already set. `name`
// names the device in messages. Returns the pages printed; 0 with a message
// when the device cannot be opened or the job does not complete.
int PrintOnDevice(QPagedPaintDevice& device, const std::string& name, const PrintScene& scene,
                  UserInterface& ui, PrintScope scope);

// The PDF file's name for a job started at `when`.
std::string PrintFileName(const QDateTime& when);

}  // namespace orv::ui
