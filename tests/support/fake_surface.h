// Fake drawing surfaces for core tests: fixed integer metrics, a settable
// clipping rectangle, and one text line recorded per drawing call, so a
// painted page can be compared with a reviewed dump.
//
// Metrics (every font, every style):
//   width  = size × number of characters (UTF-8 code points; with the
//            Hebrew fonts every byte is a letter anyway); "" is 0 wide
//   height = size + 4, the same for every text, including ""
// So "07225" in Arial 8 measures 40 × 12.
//
// Dump format, one line per call, each ending in "\n":
//   font Arial 8 #ff0000          font in effect for the next text
//   font Orvane Hebrew 20 bi #000000   style letters b (bold) / i (italic)
//   text 120,40 "07225"           top-left corner and the text; '"' and
//                                 '\' escaped with '\', bytes outside
//                                 0x20..0x7e as \xNN
//   pen #0000ff                   pen in effect for the next line
//   line 10,20-30,20              from the current point to (x, y)
//   fill 0,0-100,100              left,top-right,bottom
//   newpage                       (FakePrinterSurface only)
//
// "font" and "pen" lines are written only when the font or pen actually
// used by a text or a line differs from the last one written, so a dump
// shows what was drawn and not how often the painter set its state. MoveTo
// and the measuring calls draw nothing and are not written; `extentCalls`
// counts the measurements.
//
//   orv::test::FakeSurface s({0, 0, 640, 480});
//   PaintPage(s, ...);
//   EXPECT_EQ(s.Dump(), ReadGolden("page_gen1.txt"));
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"

namespace orv::test {

// The shared implementation; Base is orv::Surface or orv::PrinterSurface.
template <typename Base>
class BasicFakeSurface : public Base {
 public:
  static constexpr int kExtraHeight = 4;

  explicit BasicFakeSurface(Rect clip = {0, 0, 1000, 800}) : clip_(clip) {}
  BasicFakeSurface(const BasicFakeSurface&) = delete;
  BasicFakeSurface& operator=(const BasicFakeSurface&) = delete;

  // Every recorded line, without line ends.
  std::vector<std::string> calls;
  int extentCalls = 0;

  void SetClipRect(const Rect& clip) { clip_ = clip; }

  // The recorded calls, each followed by "\n".
  std::string Dump() const {
    std::string out;
    for (const std::string& c : calls) out += c + "\n";
    return out;
  }

  // Forgets the recorded calls; the next text and line write their font and
  // pen again.
  void Clear() {
    calls.clear();
    fontWritten_ = false;
    penWritten_ = false;
  }

  // The metrics, usable by tests to compute expected positions.
  static int CharCount(std::string_view text) {
    int n = 0;
    for (unsigned char c : text) n += (c & 0xC0) != 0x80;
    return n;
  }
  static Extent Measure(const FontSpec& font, std::string_view text) {
    return {font.size * CharCount(text), font.size + kExtraHeight};
  }

  Rect ClipRect() const override { return clip_; }

  void SetFont(const FontSpec& font) override { font_ = font; }
  const FontSpec& Font() const override { return font_; }

  Extent TextExtent(std::string_view text) override {
    ++extentCalls;
    return Measure(font_, text);
  }

  void TextOut(int x, int y, std::string_view text) override {
    if (!fontWritten_ || !(writtenFont_ == font_)) {
      std::string style;
      if (font_.style & kFontBold) style += 'b';
      if (font_.style & kFontItalic) style += 'i';
      calls.push_back("font " + font_.name + " " + std::to_string(font_.size) +
                      (style.empty() ? "" : " " + style) + " " + Hex(font_.color));
      writtenFont_ = font_;
      fontWritten_ = true;
    }
    calls.push_back("text " + Point(x, y) + " " + Quote(text));
  }

  void SetPenColor(Rgb color) override { pen_ = color; }
  void MoveTo(int x, int y) override {
    penX_ = x;
    penY_ = y;
  }
  void LineTo(int x, int y) override {
    if (!penWritten_ || !(writtenPen_ == pen_)) {
      calls.push_back("pen " + Hex(pen_));
      writtenPen_ = pen_;
      penWritten_ = true;
    }
    calls.push_back("line " + Point(penX_, penY_) + "-" + Point(x, y));
    penX_ = x;
    penY_ = y;
  }

  void FillBackground(const Rect& area) override {
    calls.push_back("fill " + Point(area.left, area.top) + "-" + Point(area.right, area.bottom));
  }

 protected:
  static std::string Point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
  static std::string Hex(Rgb c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.red, c.green, c.blue);
    return buf;
  }
  static std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
      if (c == '"' || c == '\\') {
        out += '\\';
        out += static_cast<char>(c);
      } else if (c < 0x20 || c > 0x7e) {
        char buf[5];
        std::snprintf(buf, sizeof buf, "\\x%02x", c);
        out += buf;
      } else {
        out += static_cast<char>(c);
      }
    }
    return out + "\"";
  }

 private:
  Rect clip_;
  FontSpec font_;
  FontSpec writtenFont_;
  bool fontWritten_ = false;
  Rgb pen_ = kBlack;
  Rgb writtenPen_ = kBlack;
  bool penWritten_ = false;
  int penX_ = 0;
  int penY_ = 0;
};

using FakeSurface = BasicFakeSurface<Surface>;

// A fake printer: NewPage writes "newpage" and succeeds, except that the
// page numbered `refusePage` (the first page is 1) is refused, to test a job
// the printer stops.
class FakePrinterSurface : public BasicFakeSurface<PrinterSurface> {
 public:
  using BasicFakeSurface<PrinterSurface>::BasicFakeSurface;

  int page = 1;        // the page being drawn
  int refusePage = 0;  // 0: never refuse

  bool NewPage() override {
    if (refusePage != 0 && page + 1 == refusePage) return false;
    calls.push_back("newpage");
    ++page;
    return true;
  }
};

}  // namespace orv::test
