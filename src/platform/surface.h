// The drawing surface the core paints on: the page, the alphabet chart and
// printed pages. The Qt layer implements it over QPainter (a window, an
// image or a printer); tests use a fake with fixed metrics that records
// every call.
//
// Coordinates are device units of the surface (pixels on screen, printer
// dots on paper); y grows downwards; a text is drawn with its top-left
// corner at the point given. Font sizes are points, so a printer surface
// renders a font at its own resolution.
//
// Texts are bytes. With the fonts "Orvane Hebrew" (storage letters) and
// "OLBHEB" (source spelling) each byte is one Hebrew letter, drawn in
// exactly the visual order given, left to right; every other font takes
// UTF-8 text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// A colour as red, green and blue, 0..255 each.
struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kRed{255, 0, 0};

// A rectangle by its edges; right and bottom lie just outside it.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Extent {
  int width = 0;
  int height = 0;
  friend bool operator==(const Extent&, const Extent&) = default;
};

// Font style bits.
inline constexpr int kFontBold = 1;
inline constexpr int kFontItalic = 2;

// The font a surface draws with. `name` is the name the settings hold
// ("Orvane Hebrew", "Arial", ...); the surface maps it to an installed font.
struct FontSpec {
  std::string name;
  int size = 10;  // points
  int style = 0;  // kFontBold | kFontItalic
  Rgb color = kBlack;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

class Surface {
 public:
  virtual ~Surface() = default;

  // The area to paint, in device units.
  virtual Rect ClipRect() const = 0;

  // The font used by the measuring and text calls that follow.
  virtual void SetFont(const FontSpec& font) = 0;
  virtual const FontSpec& Font() const = 0;

  // Size of `text` drawn in the current font; an empty text has width 0 and
  // the font's line height.
  virtual Extent TextExtent(std::string_view text) = 0;
  int TextWidth(std::string_view text) { return TextExtent(text).width; }
  int TextHeight(std::string_view text) { return TextExtent(text).height; }

  // Draws `text` in the current font and colour with its top-left corner
  // at (x, y); the background behind it is left as it is.
  virtual void TextOut(int x, int y, std::string_view text) = 0;

  // The pen for lines.
  virtual void SetPenColor(Rgb color) = 0;
  virtual void MoveTo(int x, int y) = 0;
  // Draws a line from the current point to (x, y), which becomes current.
  virtual void LineTo(int x, int y) = 0;

  // Fills `area` with the background colour (white).
  virtual void FillBackground(const Rect& area) = 0;

  // Convenience: the current font with another size or colour.
  void SetFontSize(int size) {
    FontSpec f = Font();
    f.size = size;
    SetFont(f);
  }
  void SetFontColor(Rgb color) {
    FontSpec f = Font();
    f.color = color;
    SetFont(f);
  }
};

// A printer's surface: the clipping rectangle is the printable page.
class PrinterSurface : public Surface {
 public:
  // Ends the current printed page and starts the next; false when the
  // printer refuses (the job should then end).
  virtual bool NewPage() = 0;
};

}  // namespace orv
