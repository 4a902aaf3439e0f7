#include "import/kjv_book.h"

#include "import/kjv_writer.h"

namespace orv {

void KjvBook::AddTitle(int chapter, const std::vector<KjvToken>& tokens) {
  auto& title = verses_[{chapter, 1}].title;
  title.insert(title.end(), tokens.begin(), tokens.end());
}

void KjvBook::AddText(VerseRef hebrew, const std::vector<KjvToken>& tokens) {
  auto& text = verses_[hebrew].text;
  text.insert(text.end(), tokens.begin(), tokens.end());
}

std::string KjvBook::Render(size_t width) const {
  std::string out;
  VerseRef next{0, 0};
  std::vector<KjvToken> tokens;
  for (const auto& [ref, verse] : verses_) {
    // Fill the verses of the chapter that nothing reached, so that each has
    // its line.
    int first = ref.chapter == next.chapter ? next.verse : 1;
    for (int v = first; v < ref.verse; ++v) AppendVerseLines(out, {ref.chapter, v}, {}, width);
    tokens = verse.title;
    tokens.insert(tokens.end(), verse.text.begin(), verse.text.end());
    AppendVerseLines(out, ref, tokens, width);
    next = {ref.chapter, ref.verse + 1};
  }
  return out;
}

}  // namespace orv
