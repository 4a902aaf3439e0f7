// orv page.
#include "app/orv-page/cmd_page.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>

#include "app/cli/cli_page.h"
#include "app/cli/cli_session.h"
#include "cite/citation_text.h"
#include "cite/cite_counts.h"
#include "cite/cite_parse.h"
#include "kjv/kjv_index.h"
#include "kjv/kjv_text.h"
#include "model/letter_values.h"
#include "page/line_assign.h"
#include "page/page_layout.h"
#include "page/page_paint.h"
#include "page/page_stores.h"
#include "page/page_words.h"
#include "page/view_state.h"
#include "session/navigation.h"
#include "ui/platform/qt_surface.h"

namespace orv::cli {
namespace {

constexpr int kMaxImageSide = 16384;
constexpr int kMaxPages = 1000;
constexpr const char kPageUsage[] =
    "usage: orv page CITE --png FILE [--size WIDTHxHEIGHT] [--pages N]";

// A whole number from 1 to `most` written in digits alone.
bool ReadBounded(const std::string& text, int most, int& value) {
  if (text.empty() || text.size() > 9 ||
      text.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  value = std::stoi(text);
  return value >= 1 && value <= most;
}

// Qt paints text only with a GUI application; a command line has no
// display, so the offscreen platform is the default.
// Without XDG_RUNTIME_DIR (a console login, a script, a service) Qt warns on
// the terminal and falls back to a folder of its own; a private folder set
// here does the same quietly. Taken only when it is ours and closed to others.
void QuietRuntimeDir() {
  if (std::getenv("XDG_RUNTIME_DIR")) return;
  const std::string dir = std::string("/tmp/orv-runtime-").append(std::to_string(getuid()));
  if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return;
  struct stat st {};
  if (lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid() ||
      (st.st_mode & 0777) != 0700) {
    return;
  }
  setenv("XDG_RUNTIME_DIR", dir.c_str(), 0);
}

std::unique_ptr<QGuiApplication> MakeApplication() {
  if (QCoreApplication::instance()) return nullptr;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QuietRuntimeDir();
  static int argc = 1;
  static char name[] = "orv";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

// "WIDTHxHEIGHT", each 1..kMaxImageSide.
bool ParseImageSize(const std::string& text, int& width, int& height) {
  const size_t x = text.find('x');
  if (x == std::string::npos) return false;
  return ReadBounded(text.substr(0, x), kMaxImageSide, width) &&
         ReadBounded(text.substr(x + 1), kMaxImageSide, height);
}

// The file of page `n` of `count`: FILE itself for a single page, else FILE
// without ".png" + "-n.png".
std::string PageFile(const std::string& file, int n, int count) {
  if (count == 1) return file;
  std::string stem = file;
  if (stem.size() > 4 && stem.compare(stem.size() - 4, 4, ".png") == 0)
    stem.resize(stem.size() - 4);
  return stem + "-" + std::to_string(n) + ".png";
}

}  // namespace

int CmdPage(const Args& args, std::ostream& out, std::ostream& err) {
  std::string citeText, file;
  int width = 1920, height = 1080, pages = 1;
  for (size_t i = 0; i < args.size(); ++i) {
    if ((args[i] == "--png" || args[i] == "--size" || args[i] == "--pages") &&
        i + 1 == args.size()) {
      err << "orv page: " << args[i] << " needs a value (" << kPageUsage << ")\n";
      return 2;
    }
    if (args[i] == "--png") {
      file = args[++i];
    } else if (args[i] == "--size") {
      if (!ParseImageSize(args[++i], width, height)) {
        err << "orv page: bad size " << args[i] << " (WIDTHxHEIGHT, each 1 to " << kMaxImageSide
            << ")\n";
        return 2;
      }
    } else if (args[i] == "--pages") {
      if (!ReadBounded(args[++i], kMaxPages, pages)) {
        err << "orv page: bad page count " << args[i] << " (1 to " << kMaxPages << ")\n";
        return 2;
      }
    } else if (args[i].rfind("--", 0) == 0) {
      err << "orv page: unknown option " << args[i] << " (" << kPageUsage << ")\n";
      return 2;
    } else {
      // "Gen 1:1" unquoted arrives as two arguments.
      if (!citeText.empty()) citeText += ' ';
      citeText += args[i];
    }
  }
  if (file.empty()) {
    err << "orv page: no --png FILE (" << kPageUsage << ")\n";
    return 2;
  }

  std::ostringstream quiet;
  CliSession session(quiet, err, false);
  DatastoreSet& set = *session.set;
  CliPage cli(session);
  Page& page = cli.page;
  PageEnv& env = cli.env;
  ViewState& view = cli.view;

  // The Hebrew group is open now, so chapters and verses are checked
  // against BOOK.
  DatastoreCounts counts(set);
  if (citeText.empty() || ParseCitation(citeText, view.currentCite, counts) != kCiteOk) {
    err << "orv page: " << kInvalidCiteMessage << " (" << kPageUsage << ")\n";
    return 2;
  }
  set.SetFOccView(FOccView::kNone, FOccViewSetting(session.settings.markFOcc),
                  view.currentCite.book);

  std::unique_ptr<KjvIndex> kjvIndex;
  std::unique_ptr<TKJV> kjv;
  if (session.settings.showKJV) {
    kjvIndex = std::make_unique<KjvIndex>(session.programDir);
    kjv = std::make_unique<TKJV>(*kjvIndex);
  }

  std::unique_ptr<QGuiApplication> app = MakeApplication();
  PageLayout layout;
  layout.fonts = MakePageFonts(session.settings);
  for (int n = 1; n <= pages; ++n) {
    if (n > 1 && !NextPage(view, counts)) break;  // the end of the text
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      ui::QtSurface surface(painter, {0, 0, width, height});
      view.relayoutNeeded = true;
      layout.geometryChanged = true;
      PaintScreen(surface, layout, page, env, view, kjv.get());
    }
    const std::string name = PageFile(file, n, pages);
    if (!image.save(QString::fromStdString(name), "PNG")) {
      err << "orv page: cannot write " << name << '\n';
      return 1;
    }
    if (layout.lastPlaced > 0) {
      out << CitationText(layout.rangeFirst) << " - " << CitationText(layout.rangeLast) << '\n';
    } else {
      out << "no word fits on the page\n";
    }
  }
  return 0;
}

}  // namespace orv::cli
