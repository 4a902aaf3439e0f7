#include "ui/platform/qt_surface.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPen>
#include <QStringList>
#include <QTextLayout>
#include <algorithm>
#include <cctype>

#include "model/hebrew_glyphs.h"

namespace orv::ui {
namespace {

// The text cache of one font is dropped when it grows past this many texts;
// a page holds far fewer distinct words, so this only bounds long sessions.
constexpr size_t kMaxCachedTexts = 20000;

bool Installed(const QString& family) {
  // The font list does not change while the program runs.
  static const QStringList families = QFontDatabase::families();
  return families.contains(family, Qt::CaseInsensitive);
}

QString FirstInstalled(std::initializer_list<const char*> names, const QString& otherwise) {
  for (const char* n : names) {
    if (Installed(QString::fromLatin1(n))) return QString::fromLatin1(n);
  }
  return otherwise;
}

QString SansFamily() {
  static const QString family = [] {
    QFont sans;
    sans.setStyleHint(QFont::SansSerif);
    return FirstInstalled({"Liberation Sans", "DejaVu Sans"}, sans.defaultFamily());
  }();
  return family;
}

QString HebrewFamily() {
  static const QString family = FirstInstalled(
      {"Ezra SIL", "Taamey Frank CLM", "Frank Ruehl CLM", "DejaVu Sans"}, SansFamily());
  return family;
}

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

QColor ToQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

}  // namespace

ResolvedFont ResolveFont(std::string_view name) {
  if (SameName(name, "Orvane Hebrew")) return {HebrewFamily(), GlyphMapping::kStorageLetters};
  if (SameName(name, "OLBHEB")) return {HebrewFamily(), GlyphMapping::kSourceSpelling};
  if (SameName(name, "MS Sans Serif")) return {QGuiApplication::font().family()};
  QString family = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  if (Installed(family)) return {family};
  return {SansFamily()};
}

QString DisplayText(std::string_view text, GlyphMapping mapping) {
  if (mapping == GlyphMapping::kUtf8) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  }
  std::string u =
      mapping == GlyphMapping::kStorageLetters ? StorageToHebrew(text) : SourceToHebrew(text);
  // Left-to-right override ... pop directional formatting: the core hands
  // the letters over in the order they are to be seen, which the bidi pass
  // would otherwise reverse.
  return QChar(0x202D) + QString::fromUtf8(u.data(), static_cast<qsizetype>(u.size())) +
         QChar(0x202C);
}

// A text laid out once in one font: its advance and the glyphs to draw,
// positioned relative to the text's top-left corner.
struct QtSurface::Shaped {
  int width = 0;
  QList<QGlyphRun> runs;
};

struct QtSurface::LoadedFont {
  LoadedFont(const QFont& f, GlyphMapping m, QPaintDevice* device)
      : font(f, device), mapping(m), height(QFontMetrics(font, device).height()) {}
  QFont font;
  GlyphMapping mapping;
  int height;
  std::unordered_map<std::string, Shaped> texts;
};

QtSurface::FontCache& QtSurface::Fonts() {
  static FontCache* fonts = [] {
    // Emptied while the application object goes, before Qt's font system.
    qAddPostRoutine([] { Fonts().clear(); });
    return new FontCache;
  }();
  return *fonts;
}

QtSurface::QtSurface(QPainter& painter, const Rect& clip) : painter_(&painter), clip_(clip) {}

QtSurface::~QtSurface() = default;

void QtSurface::SetFont(const FontSpec& font) {
  if (!(font.name == spec_.name && font.size == spec_.size && font.style == spec_.style)) {
    current_ = nullptr;
  }
  spec_ = font;
}

QtSurface::LoadedFont& QtSurface::Current() {
  if (current_) return *current_;
  QPaintDevice* device = painter_->device();
  std::string key = spec_.name + '\0' + std::to_string(spec_.size) + '\0' +
                    std::to_string(spec_.style) + '\0' + std::to_string(device->logicalDpiX()) +
                    ',' + std::to_string(device->logicalDpiY());
  auto& slot = Fonts()[key];
  if (!slot) {
    ResolvedFont r = ResolveFont(spec_.name);
    QFont f(r.family);
    f.setPointSize(std::max(1, spec_.size));
    f.setBold(spec_.style & kFontBold);
    f.setItalic(spec_.style & kFontItalic);
    // Metrics must be those of the device painted on: a printer renders the
    // same point size with many more dots than the screen.
    slot = std::make_unique<LoadedFont>(f, r.mapping, device);
  }
  current_ = slot.get();
  return *current_;
}

const QtSurface::Shaped& QtSurface::Shape(std::string_view text) {
  LoadedFont& f = Current();
  std::string key(text);
  auto it = f.texts.find(key);
  if (it != f.texts.end()) return it->second;
  if (f.texts.size() >= kMaxCachedTexts) f.texts.clear();

  QTextLayout layout(DisplayText(text, f.mapping), f.font, painter_->device());
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();
  Shaped shaped;
  if (line.isValid()) {
    shaped.width = qRound(line.horizontalAdvance());
    shaped.runs = layout.glyphRuns();
  }
  return f.texts.emplace(std::move(key), std::move(shaped)).first->second;
}

Extent QtSurface::TextExtent(std::string_view text) {
  int height = Current().height;
  if (text.empty()) return {0, height};
  return {Shape(text).width, height};
}

void QtSurface::TextOut(int x, int y, std::string_view text) {
  if (text.empty()) return;
  const Shaped& shaped = Shape(text);
  UsePen(spec_.color);
  for (const QGlyphRun& run : shaped.runs) painter_->drawGlyphRun(QPointF(x, y), run);
}

void QtSurface::UsePen(Rgb color) {
  if (painterPenSet_ && painterPen_ == color) return;
  // One screen pixel wide: a 1200 dpi printer would otherwise draw lines
  // one dot wide, too thin to see.
  QPaintDevice* device = painter_->device();
  int width = device ? std::max(1, (device->logicalDpiX() + 48) / 96) : 1;
  painter_->setPen(QPen(ToQColor(color), width));
  painterPen_ = color;
  painterPenSet_ = true;
}

void QtSurface::MoveTo(int x, int y) {
  penX_ = x;
  penY_ = y;
}

void QtSurface::LineTo(int x, int y) {
  UsePen(penColor_);
  painter_->drawLine(penX_, penY_, x, y);
  penX_ = x;
  penY_ = y;
}

void QtSurface::FillBackground(const Rect& area) {
  painter_->fillRect(area.left, area.top, area.Width(), area.Height(), Qt::white);
}

QtPrinterSurface::QtPrinterSurface(QPagedPaintDevice& device)
    : device_(device), surface_(painter_, Rect{}) {
  if (painter_.begin(&device_)) {
    surface_.SetClipRect({0, 0, device_.width(), device_.height()});
  }
}

QtPrinterSurface::~QtPrinterSurface() { End(); }

bool QtPrinterSurface::End() {
  if (!painter_.isActive()) return false;
  return painter_.end();
}

bool QtPrinterSurface::NewPage() { return painter_.isActive() && device_.newPage(); }

}  // namespace orv::ui
