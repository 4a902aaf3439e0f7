// Source files for the build tests, written by the tests themselves, and
// what a correct build must make of them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "model/books.h"
#include "model/citation.h"
#include "model/letters.h"

namespace orv::test {

// Writes `text` (lines ending in "\n") as book `book`'s source file in `dir`,
// with CR LF line ends.
inline void WriteSource(const std::string& dir, int book, const std::string& text) {
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  std::ofstream out(dir + "/" + BookCode(book) + ".OLF", std::ios::binary | std::ios::trunc);
  out << crlf;
}

// One word of the text as the stores must hold it.
struct Occurrence {
  std::string word;    // storage letters, cut to 11
  std::string source;  // source spelling, joining hyphen dropped, cut to 11
  Citation cite;
};

struct ChapterStart {
  int book;
  int chapter;
  int verses;
  uint32_t offset;  // of the chapter line in the book's file
};

// Rank string of a storage word: sorting these as strings is word order for
// words of storage letters.
inline std::string RankKey(const std::string& word) {
  std::string key;
  for (char c : word) key += static_cast<char>(LetterRank(static_cast<uint8_t>(c)));
  return key;
}

// A text of all 39 books in source spelling, made from a seed: chapters of a
// few verses of words drawn from a small vocabulary (so words repeat), with
// joining hyphens, annotations, continuation lines, words longer than 11
// letters and letters that share a storage letter (s and v, final forms).
class SmallText {
 public:
  explicit SmallText(uint32_t seed, int chapters = 3, int verses = 4) : state_(seed) {
    static const char kSource[] = "absvzydhwjxolkKnNgepPuUqrmMt";
    for (int i = 0; i < 80; ++i) {
      int len = 1 + static_cast<int>(Next() % 13);
      std::string w;
      for (int k = 0; k < len; ++k) w += kSource[Next() % (sizeof(kSource) - 1)];
      vocab_.push_back(w);
    }
    for (int b = 1; b <= kBookCount; ++b) MakeBook(b, 1 + (b + chapters) % chapters, verses);
  }

  void Write(const std::string& dir, int lastBook = kBookCount) const {
    for (int b = 1; b <= lastBook; ++b) WriteSource(dir, b, books_[b - 1]);
  }
  const std::string& Book(int b) const { return books_[b - 1]; }

  std::vector<Occurrence> words;  // in text order
  std::vector<ChapterStart> chapters;

  // The WORD store's content: grouped by word, text order within a word.
  std::vector<Occurrence> InWordOrder() const {
    std::vector<Occurrence> v = words;
    std::stable_sort(v.begin(), v.end(), [](const Occurrence& a, const Occurrence& b) {
      return RankKey(a.word) < RankKey(b.word);
    });
    return v;
  }
  // First occurrences in text order (of the whole text, or of `book`).
  std::vector<Occurrence> FirstOccurrences(int book = 0) const {
    std::vector<Occurrence> v;
    std::map<std::string, bool> seen;
    for (const Occurrence& o : words) {
      if (book != 0 && o.cite.book != book) continue;
      if (!seen[o.word]) v.push_back(o);
      seen[o.word] = true;
    }
    return v;
  }
  // The same text as far as the words of `lastBook` go.
  SmallText Through(int lastBook) const {
    SmallText t = *this;
    std::erase_if(t.words, [&](const Occurrence& o) { return o.cite.book > lastBook; });
    return t;
  }
  // Words up to (excluding) the first word of `book`.
  size_t WordsBefore(int book) const {
    return static_cast<size_t>(std::count_if(
        words.begin(), words.end(), [&](const Occurrence& o) { return o.cite.book < book; }));
  }

 private:
  uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  // Zipf-like: low indexes are drawn far more often.
  const std::string& Pick() {
    uint32_t r = Next() % 1000;
    return vocab_[(r * r / 1000) * vocab_.size() / 1000];
  }

  void MakeBook(int b, int chapterCount, int verseCount) {
    std::string text = "*BOOK " + BookName(b) + "\n*LANG Hebrew\n*R-L\n";
    for (int c = 1; c <= chapterCount; ++c) {
      chapters.push_back({b, c, verseCount, static_cast<uint32_t>(text.size() + LineCount(text))});
      text += "*" + std::to_string(c) + "\n";
      for (int v = 1; v <= verseCount; ++v) {
        text += std::to_string(v);
        int n = 3 + static_cast<int>(Next() % 8);
        for (int k = 1; k <= n; ++k) {
          std::string w = Pick();
          bool joined = Next() % 5 == 0;
          if (Next() % 7 == 0) text += " <n" + std::to_string(k) + ">";
          text += (k == n / 2 && Next() % 2) ? "\n  " : " ";
          text += w + (joined ? "-" : "");
          std::string storage = w.substr(0, 11);
          MapLetters(storage);
          words.push_back({storage, w.substr(0, 11),
                           Citation{static_cast<uint8_t>(b), static_cast<uint8_t>(c),
                                    static_cast<uint8_t>(v), static_cast<uint8_t>(k)}});
        }
        text += "\n";
      }
    }
    books_.push_back(text);
  }
  // Each "\n" becomes CR LF on disk, one byte more.
  static size_t LineCount(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
  }

  uint32_t state_;
  std::vector<std::string> vocab_;
  std::vector<std::string> books_;
};

}  // namespace orv::test
