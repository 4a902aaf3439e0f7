// Which word, line or number of the painted page lies under the mouse.
#pragma once

#include <string>

#include "model/citation.h"

namespace orv {

class TKJV;
struct Page;
struct PageLayout;
struct Settings;

inline constexpr int kHitNumberRow = -1;  // on a Strong's number
inline constexpr int kHitNothing = -2;    // in the number row, on nothing usable

struct Hit {
  bool found = false;
  std::string text;  // the Hebrew word (no joining "-"), or a Strong's number
  int line = 0;      // 0 the Hebrew word, 1..8 an interlinear line, or the codes above
  Citation cite;
};

// The placed word whose box holds (x, y), searched by halving over the boxes
// in reading order. The line is the lowest one whose top lies at or above y;
// above the Hebrew word lies the number row: the Strong's number's text
// there, or kHitNothing while Strong's numbers are hidden or when x is on
// the thematic value's half (left of the box's middle while values show).
Hit HitWord(const PageLayout& layout, const Page& page, const Settings& settings, int x, int y);

// The Strong's number of the King James column under (x, y), as a number
// row hit; not found when there is none.
Hit HitKJV(const PageLayout& layout, TKJV& kjv, int x, int y);

}  // namespace orv
