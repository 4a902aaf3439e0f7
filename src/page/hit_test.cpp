#include "page/hit_test.h"

#include "config/settings.h"
#include "kjv/kjv_text.h"
#include "page/page_layout.h"
#include "page/page_words.h"

namespace orv {
namespace {

// -1: (x, y) lies before the box in reading order, 1 after it, 0 inside.
int Order(int x, int y, int left, int top, int width, int height, int direction) {
  if (y < top) return -1;
  if (y >= top + height) return 1;
  if (x < left) return direction < 0 ? 1 : -1;
  if (x > left + width) return direction < 0 ? -1 : 1;
  return 0;
}

}  // namespace

Hit HitWord(const PageLayout& l, const Page& page, const Settings& settings, int x, int y) {
  Hit hit;
  int lo = l.firstPlaced;
  int hi = l.lastPlaced;
  int k = 0;
  while (lo >= 1 && lo <= hi) {
    const int mid = (lo + hi) / 2;
    const WordBox& b = l.box[static_cast<size_t>(mid)];
    const int o = Order(x, y, b.x, b.y, b.slot, l.rowHeight, l.direction);
    if (o == 0) {
      k = mid;
      break;
    }
    if (o < 0)
      hi = mid - 1;
    else
      lo = mid + 1;
  }
  if (k == 0) return hit;
  const WordBox& b = l.box[static_cast<size_t>(k)];
  const WordEntry& e = page.buffer.entry[static_cast<size_t>(k)];
  hit.found = true;
  hit.cite = e.cite;
  hit.text = e.hebrew;
  if (!hit.text.empty() && hit.text.back() == '-') hit.text.pop_back();
  const int below = y - b.y;
  hit.line = kHitNumberRow;
  for (int i = l.highestLine; i >= 0; --i) {
    if (l.lines[static_cast<size_t>(i)].offset <= below) {
      hit.line = i;
      break;
    }
  }
  if (hit.line == kHitNumberRow) {
    if (!settings.showStrongs || (settings.thematic > 0 && x < b.x + b.width / 2)) {
      hit.line = kHitNothing;
      hit.text.clear();
    } else {
      hit.text = std::to_string(e.strongs);
    }
  }
  return hit;
}

Hit HitKJV(const PageLayout& l, TKJV& kjv, int x, int y) {
  Hit hit;
  int lo = 0;
  int hi = static_cast<int>(l.kjvHits.size()) - 1;
  while (lo <= hi) {
    const int mid = (lo + hi) / 2;
    const KjvHit& h = l.kjvHits[static_cast<size_t>(mid)];
    const int o = Order(x, y, h.x, h.y, h.width, h.height, 1);
    if (o == 0) {
      hit.found = true;
      hit.line = kHitNumberRow;
      hit.text = std::string(kjv.TokenText(h.token));
      return hit;
    }
    if (o < 0)
      hi = mid - 1;
    else
      lo = mid + 1;
  }
  return hit;
}

}  // namespace orv
