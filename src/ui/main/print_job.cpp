#include "ui/main/print_job.h"

#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "page/page_print.h"
#include "platform/path_map.h"
#include "platform/user_interface.h"
#include "session/session.h"
#include "ui/platform/qt_surface.h"

namespace orv::ui {
namespace {

constexpr const char kDocumentName[] = "Hebrew Orvane";

// QtPrinterSurface that remembers a refused page break: the core then ends
// the job early, which the user must hear about.
class CheckedPrinterSurface : public QtPrinterSurface {
 public:
  using QtPrinterSurface::QtPrinterSurface;
  bool NewPage() override {
    const bool ok = QtPrinterSurface::NewPage();
    if (!ok) refused_ = true;
    return ok;
  }
  bool Refused() const { return refused_; }

 private:
  bool refused_ = false;
};

// A name that no earlier job took: two jobs in the same second must not
// overwrite each other.
std::string FreePdfPath(const std::string& folder) {
  const std::string name = PrintFileName(QDateTime::currentDateTime());
  const std::string stem = name.substr(0, name.size() - 4);
  std::string path = JoinPath(folder, name);
  for (int n = 2; QFileInfo::exists(QString::fromStdString(path)); ++n) {
    path = JoinPath(folder, stem + " (" + std::to_string(n) + ").pdf");
  }
  return path;
}

}  // namespace

std::string PrintFileName(const QDateTime& when) {
  return "Orvane print " + when.toString("yyyy-MM-dd HHmmss").toStdString() + ".pdf";
}

int PrintOnDevice(QPagedPaintDevice& device, const std::string& name, const PrintScene& scene,
                  UserInterface& ui, PrintScope scope) {
  int pages = 0;
  bool refused = false;
  bool ended = false;
  {
    WaitCursor wait(ui);
    CheckedPrinterSurface printer(device);
    if (!printer.IsActive()) {
      ui.Message("Cannot print: " + name + " could not be opened");
      return 0;
    }
    pages = PrintPages(printer, scene.layout, scene.page, scene.env, scene.view, scene.kjv, scope);
    refused = printer.Refused();
    ended = printer.End();
  }
  if (refused || !ended) {
    ui.Message("Printing to " + name + " did not complete");
    return 0;
  }
  return pages;
}

int PrintToPdf(const std::string& path, const PrintScene& scene, UserInterface& ui,
               PrintScope scope) {
  QPdfWriter pdf(QString::fromStdString(path));
  pdf.setResolution(kPrintDpi);
  pdf.setTitle(kDocumentName);
  pdf.setCreator(kDocumentName);
  // A printer cannot print to the paper's edge; the PDF keeps a like margin.
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
  return PrintOnDevice(pdf, path, scene, ui, scope);
}

PrintResult PrintOnDefaultPrinter(const PrintScene& scene, UserInterface& ui, PrintScope scope) {
  PrintResult result;
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    MakeDirectory(DataRoot());
    const std::string path = FreePdfPath(DataRoot());
    result.pages = PrintToPdf(path, scene, ui, scope);
    if (result.pages > 0) {
      result.pdfPath = path;
      ui.Message("No printer is set up. The pages were printed to the file\n" + path);
    }
    return result;
  }
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setResolution(kPrintDpi);
  printer.setDocName(kDocumentName);
  result.pages = PrintOnDevice(printer, info.printerName().toStdString(), scene, ui, scope);
  return result;
}

PrintResult PrintOnDefaultPrinter(Session& session, UserInterface& ui, PrintScope scope) {
  const PrintScene scene{session.layout, session.page, *session.env, session.view,
                         session.settings.showKJV ? session.kjv.get() : nullptr};
  return PrintOnDefaultPrinter(scene, ui, scope);
}

}  // namespace orv::ui
