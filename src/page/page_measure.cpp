#include "page/page_measure.h"

#include <algorithm>
#include <string>

#include "config/settings.h"
#include "page/page_layout.h"
#include "platform/surface.h"

namespace orv {
namespace {

// The tallest of the single characters first..last in the current font.
int TallestChar(Surface& surface, char first, char last) {
  int tallest = 0;
  for (int c = first; c <= last; ++c) {
    const char ch = static_cast<char>(c);
    tallest = std::max(tallest, surface.TextHeight(std::string_view(&ch, 1)));
  }
  return tallest;
}

}  // namespace

bool NumberRowShown(const Settings& settings) {
  return settings.showStrongs || settings.thematic > 0;
}

void MeasurePage(Surface& surface, PageLayout& layout, const Page& page, const Settings& settings,
                 int first, int last) {
  const PageFonts& fonts = layout.fonts;
  surface.SetFont(fonts.hebrew);
  layout.hebrewGlyphHeight = TallestChar(surface, 'A', 'Z');
  for (int k = first; k <= last; ++k) {
    WordBox& b = layout.box[static_cast<size_t>(k)];
    b = WordBox{};
    b.hebrew = surface.TextExtent(page.buffer.entry[static_cast<size_t>(k)].hebrew);
    b.width = b.hebrew.width;
  }
  layout.smallFontSize = fonts.number.size - 2;
  if (NumberRowShown(settings)) {
    FontSpec small = fonts.number;
    small.size = layout.smallFontSize;
    surface.SetFont(small);
    layout.numberLineHeight = surface.TextHeight("000") - 2;
    const int least = surface.TextWidth("000000");
    for (int k = first; k <= last; ++k) {
      WordBox& b = layout.box[static_cast<size_t>(k)];
      b.width = std::max(b.width, least);
    }
  } else {
    layout.numberLineHeight = 0;
  }
  layout.lines[0].offset = layout.numberLineHeight;
  const int xlatSp = layout.spacing.xlatSp;
  int running = layout.numberLineHeight + layout.hebrewGlyphHeight + xlatSp;
  layout.highestLine = page.lines.highestLine;
  for (int n = 1; n <= layout.highestLine; ++n) {
    LineInfo& line = layout.lines[static_cast<size_t>(n)];
    line.offset = running;
    surface.SetFont(fonts.line[static_cast<size_t>(n)]);
    line.height = TallestChar(surface, ' ', 'x');
    for (int k = first; k <= last; ++k) {
      WordBox& b = layout.box[static_cast<size_t>(k)];
      const std::string& text =
          page.buffer.entry[static_cast<size_t>(k)].text[static_cast<size_t>(n)];
      b.line[static_cast<size_t>(n)] = surface.TextExtent(text);
      b.width = std::max(b.width, b.line[static_cast<size_t>(n)].width);
    }
    running += line.height + xlatSp;
  }
  layout.rowHeight = running + layout.spacing.rowSp - xlatSp;
}

}  // namespace orv
