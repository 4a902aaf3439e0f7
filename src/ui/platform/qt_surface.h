// The core's drawing surface over a QPainter: a window, an image or a
// printer. Fonts are taken by the names the settings hold and mapped to
// installed fonts:
//   "Orvane Hebrew"  storage letters drawn as Hebrew letters
//   "OLBHEB"         source spelling drawn as Hebrew letters, with finals
//                    (both in the first installed of Ezra SIL, Taamey Frank
//                    CLM, Frank Ruehl CLM, DejaVu Sans, left to right in
//                    exactly the order given)
//   "Arial"          itself when installed, else Liberation Sans, else the
//                    system sans
//   "MS Sans Serif"  the application's default font
//   any other name   itself when installed, else as a missing "Arial"
// Sizes are points at the painter's device resolution; lines are one screen
// pixel wide at any resolution (on a 1200 dpi printer, 12 dots). Each text
// is laid out once per font and device resolution and kept for the whole run
// (shared by every surface, since the window makes a new surface for each
// paint event), so measuring and drawing the same words again is cheap.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/surface.h"

class QPagedPaintDevice;

namespace orv::ui {

// How the bytes of a text become characters.
enum class GlyphMapping { kUtf8, kStorageLetters, kSourceSpelling };

// The installed family and the byte mapping for a font name of the settings.
struct ResolvedFont {
  QString family;
  GlyphMapping mapping = GlyphMapping::kUtf8;
};
ResolvedFont ResolveFont(std::string_view name);

// The characters Qt draws for `text` in a font of that mapping; the Hebrew
// mappings are wrapped in a left-to-right override so the letters stay in
// the order given.
QString DisplayText(std::string_view text, GlyphMapping mapping);

class QtSurface : public Surface {
 public:
  // Paints with `painter`, which must be active and outlive the surface;
  // `clip` is the area to paint, in the painter's device units. While the
  // surface is in use it alone sets the painter's pen (it keeps
  // track of it to avoid redundant changes).
  QtSurface(QPainter& painter, const Rect& clip);
  ~QtSurface() override;
  QtSurface(const QtSurface&) = delete;
  QtSurface& operator=(const QtSurface&) = delete;

  void SetClipRect(const Rect& clip) { clip_ = clip; }
  QPainter& Painter() { return *painter_; }

  Rect ClipRect() const override { return clip_; }
  void SetFont(const FontSpec& font) override;
  const FontSpec& Font() const override { return spec_; }
  Extent TextExtent(std::string_view text) override;
  void TextOut(int x, int y, std::string_view text) override;
  void SetPenColor(Rgb color) override { penColor_ = color; }
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void FillBackground(const Rect& area) override;

 private:
  struct LoadedFont;
  struct Shaped;
  using FontCache = std::unordered_map<std::string, std::unique_ptr<LoadedFont>>;
  static FontCache& Fonts();
  LoadedFont& Current();
  const Shaped& Shape(std::string_view text);
  void UsePen(Rgb color);

  QPainter* painter_;
  Rect clip_;
  FontSpec spec_;
  Rgb penColor_ = kBlack;
  int penX_ = 0;
  int penY_ = 0;
  LoadedFont* current_ = nullptr;  // the font for spec_, loaded on first use
  bool painterPenSet_ = false;
  Rgb painterPen_;
};

// A printed document over a QPrinter or QPdfWriter: the surface begins
// painting on the device and ends the document when it goes. The clipping
// rectangle is the printable page.
class QtPrinterSurface : public PrinterSurface {
 public:
  explicit QtPrinterSurface(QPagedPaintDevice& device);
  ~QtPrinterSurface() override;
  QtPrinterSurface(const QtPrinterSurface&) = delete;
  QtPrinterSurface& operator=(const QtPrinterSurface&) = delete;

  // False when the device could not be opened (no printer, unwritable
  // file); nothing is printed then.
  bool IsActive() const { return painter_.isActive(); }
  // Ends the document; true when it was written completely.
  bool End();

  bool NewPage() override;
  Rect ClipRect() const override { return surface_.ClipRect(); }
  void SetFont(const FontSpec& font) override { surface_.SetFont(font); }
  const FontSpec& Font() const override { return surface_.Font(); }
  Extent TextExtent(std::string_view text) override { return surface_.TextExtent(text); }
  void TextOut(int x, int y, std::string_view text) override { surface_.TextOut(x, y, text); }
  void SetPenColor(Rgb color) override { surface_.SetPenColor(color); }
  void MoveTo(int x, int y) override { surface_.MoveTo(x, y); }
  void LineTo(int x, int y) override { surface_.LineTo(x, y); }
  void FillBackground(const Rect& area) override { surface_.FillBackground(area); }

 private:
  QPagedPaintDevice& device_;
  QPainter painter_;
  QtSurface surface_;
};

}  // namespace orv::ui
