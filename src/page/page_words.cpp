#include "page/page_words.h"

namespace orv {

Page::Page() {
  for (LineSource& s : lines.source) ResetLineSource(s);
}

}  // namespace orv
