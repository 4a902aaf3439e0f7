#include "reference/alphabet_chart.h"

#include <algorithm>

#include "config/settings.h"
#include "platform/surface.h"

namespace orv {
namespace {

constexpr std::array<AlphabetLetter, kAlphabetLetters> kLetters = {{
    {'a', "aleph"}, {'b', "bayth"},  {'c', "tsade"}, {'d', "daleth"}, {'e', "he"},
    {'g', "gimel"}, {'h', "cheth"},  {'i', "yode"},  {'k', "kaph"},   {'l', "lamed"},
    {'m', "mem"},   {'n', "nun"},    {'o', "oyin"},  {'p', "pe"},     {'q', "qowph"},
    {'r', "resh"},  {'s', "sameck"}, {'t', "teyth"}, {'v', "vau"},    {'w', "shiyn"},
    {'x', "tau"},   {'z', "zayin"},
}};

constexpr std::array<int, kAlphabetLetters> kTraditional = {
    1, 2, 6, 4, 5, 19, 22, 7, 18, 8, 9, 10, 11, 12, 17, 13, 14, 3, 15, 16, 20, 21};
constexpr std::array<int, kAlphabetLetters> kDatabase = {1,  2, 20, 22, 8,  4,  5, 19, 18, 7,  17,
                                                         10, 9, 12, 6,  13, 14, 3, 15, 16, 11, 21};

constexpr char kHebrewFont[] = "Orvane Hebrew";
constexpr int kMargin = 10;

}  // namespace

const std::array<AlphabetLetter, kAlphabetLetters>& AlphabetLetters() { return kLetters; }

const std::array<int, kAlphabetLetters>& AlphabetOrder(bool databaseOrder) {
  return databaseOrder ? kDatabase : kTraditional;
}

char SourceLetter(char storage) {
  constexpr std::string_view kFrom = "cehiostvwx";
  constexpr std::string_view kTo = "uhxyeojwst";
  size_t at = kFrom.find(storage);
  return at == std::string_view::npos ? storage : kTo[at];
}

char FinalForm(char storage) {
  constexpr std::string_view kFrom = "ckmnp";
  constexpr std::string_view kTo = "UKMNP";
  size_t at = kFrom.find(storage);
  return at == std::string_view::npos ? '\0' : kTo[at];
}

Extent AlphabetChartSize(Surface& s, const Settings& settings) {
  s.SetFont({kHebrewFont, 24});
  const Extent zero = s.TextExtent("0");
  s.SetFont({settings.ilFont[0].name, 12});
  int nameWidth = 0;
  for (const AlphabetLetter& l : kLetters) nameWidth = std::max(nameWidth, s.TextWidth(l.name));
  // A column: the large letter, then the name or the source letters with a
  // final form and a letter's room to spare, whichever is wider.
  const int column = kMargin + 3 * zero.width + std::max(nameWidth, 6 * zero.width) + kMargin;
  // Twelve rows' height keeps the second column to the letters the first
  // one leaves, however the 22 split.
  return {2 * column, 2 * kMargin + 12 * zero.height};
}

void PaintAlphabetChart(Surface& s, const Settings& settings, bool databaseOrder) {
  const Rect area = s.ClipRect();
  s.FillBackground(area);
  const int middle = area.left + area.Width() / 2;
  s.SetPenColor(kBlack);
  s.MoveTo(middle, area.top + kMargin);
  s.LineTo(middle, area.bottom - kMargin);

  const FontSpec large{kHebrewFont, 24};
  const FontSpec label{settings.ilFont[0].name, 12};
  const FontSpec modern{settings.modernFont.name, 18};
  int x = area.left + kMargin;
  int y = area.top + kMargin;
  for (int entry : AlphabetOrder(databaseOrder)) {
    const AlphabetLetter& letter = kLetters[entry - 1];
    const std::string_view storage(&letter.storage, 1);

    s.SetFont(large);
    const Extent zero = s.TextExtent("0");
    s.TextOut(x, y, storage);

    s.SetFont(label);
    const int h = s.TextHeight("0");
    const int x2 = x + 3 * zero.width;
    s.TextOut(x2, y, storage);
    s.TextOut(x2, y + h, letter.name);

    s.SetFont(modern);
    const char source = SourceLetter(letter.storage);
    s.TextOut(x2 + 4 * zero.width, y + h / 2, std::string_view(&source, 1));
    if (const char finalForm = FinalForm(letter.storage)) {
      s.TextOut(x2 + 5 * zero.width, y + h / 2, std::string_view(&finalForm, 1));
    }

    // The letters fill the left column first, then the right one.
    y += zero.height;
    if (y + zero.height >= area.bottom) {
      y = area.top + kMargin;
      x += area.Width() / 2;
    }
  }
}

}  // namespace orv
