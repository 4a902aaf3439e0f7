#include "import/kjv_osis.h"

#include <utilxml.h>

#include <cstdint>
#include <string_view>
#include <utility>

#include "import/xml_entities.h"

namespace orv {
namespace {

// The Strong's Hebrew numbers of a lemma attribute ("strong:H07225" ->
// "7225"); other lemma kinds (Greek, lemma.TR) carry none.
std::vector<std::string> HebrewNumbers(std::string_view lemma) {
  std::vector<std::string> numbers;
  constexpr std::string_view kPrefix = "strong:H";
  size_t pos = 0;
  while (pos < lemma.size()) {
    size_t end = lemma.find(' ', pos);
    if (end == std::string_view::npos) end = lemma.size();
    std::string_view item = lemma.substr(pos, end - pos);
    pos = end + 1;
    if (item.substr(0, kPrefix.size()) != kPrefix) continue;
    item.remove_prefix(kPrefix.size());
    while (!item.empty() && item.front() == '0') item.remove_prefix(1);
    size_t digits = 0;
    while (digits < item.size() && item[digits] >= '0' && item[digits] <= '9') ++digits;
    if (digits > 0) numbers.emplace_back(item.substr(0, digits));
  }
  return numbers;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool IsLetterOrDigit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Elements whose tags separate words, as a line or paragraph does.
bool IsBlock(std::string_view name) {
  for (std::string_view b : {"div", "p", "l", "lg", "lb", "chapter", "milestone", "head", "list",
                             "item", "table", "row", "cell", "verse"}) {
    if (name == b) return true;
  }
  return false;
}

// Decodes the entity at text[0] == '&' into `out`; returns the characters
// used, or 0 when it is none that XML defines (the '&' then stays as text).
size_t DecodeEntity(std::string_view text, std::string& out) {
  size_t semi = text.find(';');
  if (semi == std::string_view::npos || semi > 10) return 0;
  return AppendEntity(out, text.substr(1, semi - 1)) ? semi + 1 : 0;
}

// The token without USFM character markers ("\nd", "\+nd*", "\nd*").
std::string WithoutUsfmMarkers(const std::string& token) {
  std::string out;
  for (size_t i = 0; i < token.size();) {
    if (token[i] != '\\') {
      out += token[i++];
      continue;
    }
    ++i;
    if (i < token.size() && token[i] == '+') ++i;
    while (i < token.size() && IsLetterOrDigit(token[i])) ++i;
    if (i < token.size() && token[i] == '*') ++i;
  }
  return out;
}

// Collects tokens, holding back the Strong's numbers of the token being
// built until the token ends, since punctuation may still join it.
class TokenSink {
 public:
  explicit TokenSink(KjvEntry& entry) : entry_(entry) {}

  void Text(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
      if (IsBlank(text[i])) {
        Flush();
        ++i;
      } else if (size_t used = text[i] == '&' ? DecodeEntity(text.substr(i), word_) : 0) {
        i += used;
      } else {
        word_ += text[i++];
      }
    }
  }
  void Numbers(const std::vector<std::string>& numbers) {
    if (word_.empty()) {
      for (const auto& n : numbers) Out().push_back({n, true});
    } else {
      pending_.insert(pending_.end(), numbers.begin(), numbers.end());
    }
  }
  void Flush() {
    std::string word = word_.find('\\') == std::string::npos ? word_ : WithoutUsfmMarkers(word_);
    if (!word.empty() && word != "\xC2\xB6") Out().push_back({word, false});
    for (const auto& n : pending_) Out().push_back({n, true});
    word_.clear();
    pending_.clear();
  }
  void InTitle(bool inTitle) {
    Flush();
    inTitle_ = inTitle;
  }

 private:
  std::vector<KjvToken>& Out() { return inTitle_ ? entry_.title : entry_.body; }

  KjvEntry& entry_;
  std::string word_;
  std::vector<std::string> pending_;
  bool inTitle_ = false;
};

bool KeepsTitle(const sword::XMLTag& tag) {
  const char* canonical = tag.getAttribute("canonical");
  const char* type = tag.getAttribute("type");
  return (canonical && std::string_view(canonical) == "true") ||
         (type && std::string_view(type) == "psalm");
}

}  // namespace

bool ReadKjvEntry(const std::string& osis, KjvEntry& entry, std::string& error) {
  entry = {};
  error.clear();
  TokenSink sink(entry);
  std::vector<std::vector<std::string>> words;  // numbers of the open <w> elements
  int skipping = 0;    // depth of dropped elements (notes, other titles) open
  int titleDepth = 0;  // kept titles open
  std::string_view text = osis;
  sword::XMLTag tag;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t open = text.find('<', pos);
    if (open == std::string_view::npos) open = text.size();
    if (skipping == 0) sink.Text(text.substr(pos, open - pos));
    if (open == text.size()) break;
    const size_t close = text.find('>', open);
    if (close == std::string_view::npos) {
      error = "a tag is not closed by \">\"";
      entry = {};
      return false;
    }
    pos = close + 1;
    tag.setText(std::string(text.substr(open + 1, close - open - 1)).c_str());
    const std::string_view name = tag.getName();
    const bool end = tag.isEndTag();
    const bool empty = tag.isEmpty();
    if (skipping > 0) {
      // Only the dropped kinds count: other tags inside a note need not match.
      if ((name == "note" || name == "title") && !empty) skipping += end ? -1 : 1;
      continue;
    }
    if (name == "note" || (name == "title" && !end && !KeepsTitle(tag))) {
      sink.Flush();
      if (!empty && !end) skipping = 1;
    } else if (name == "title") {
      if (end && titleDepth > 0) {
        if (--titleDepth == 0) sink.InTitle(false);
      } else if (!end && !empty && titleDepth++ == 0) {
        sink.InTitle(true);
      }
    } else if (name == "w") {
      if (end) {
        if (!words.empty()) {
          sink.Numbers(words.back());
          words.pop_back();
        }
      } else {
        const char* lemma = tag.getAttribute("lemma");
        auto numbers = HebrewNumbers(lemma ? lemma : "");
        if (empty) {
          sink.Numbers(numbers);
        } else {
          words.push_back(std::move(numbers));
        }
      }
    } else if (empty || IsBlock(name)) {
      sink.Flush();
    }
  }
  sink.Flush();
  return true;
}

}  // namespace orv
