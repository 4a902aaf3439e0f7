#include "kjv/kjv_text.h"

#include "kjv/kjv_line.h"
#include "model/text_utils.h"
#include "platform/utf8.h"

namespace orv {

TKJV::TKJV(KjvIndex& index) : index_(index), tokens_(kKjvMaxTokens) {}

int TKJV::LoadVerse(Citation cite) {
  index_.Open();
  if (cite.book != book_) {
    file_.Close();
    book_ = 0;
    chapter_ = 0;
    count_ = 0;
    current_ = 0;
    const std::string path = KjvBookPath(index_.ProgramFolder(), cite.book);
    if (!path.empty()) {
      if (!file_.Open(path, kKjvReadBuffer)) throw KjvError(KjvReadMessage(path, file_.Error()));
      book_ = cite.book;
    }
  }
  verseFound_ = false;
  if (book_ == 0) return current_ = 0;
  if (cite.chapter != chapter_) {
    chapter_ = cite.chapter;
    try {
      LoadChapter();
    } catch (...) {
      // Nothing half-loaded may pass for the chapter at the next call.
      chapter_ = 0;
      count_ = 0;
      throw;
    }
  }
  const std::string marker = std::to_string(cite.verse) + ")";
  for (int i = 1; i <= count_; ++i) {
    if (tokens_[i - 1] == marker) {
      verseFound_ = true;
      return current_ = i;
    }
  }
  return current_ = count_;
}

bool TKJV::SeekChapterLine(std::string& line) {
  KjvVerseLine verse;
  while (file_.ReadLine(line)) {
    if (ParseKjvVerseLine(line, verse) && verse.chapter == chapter_) return true;
  }
  return false;
}

void TKJV::LoadChapter() {
  count_ = 0;
  current_ = 0;
  const uint32_t offset = index_.ChapterOffset(book_, chapter_);
  file_.TextSeek(offset);
  std::string line;
  bool found = SeekChapterLine(line);
  // An index that points past the chapter (damaged, or made from other
  // files) would hide it; reading from the file's start still finds it.
  if (!found && offset != 0) {
    file_.TextSeek(0);
    found = SeekChapterLine(line);
  }
  if (!found) return;
  do {
    KjvVerseLine verse;
    bool room;
    if (ParseKjvVerseLine(line, verse)) {
      if (verse.chapter != chapter_) break;
      room = AddToken(std::string(verse.verse) + ")") &&
             AddTokens(std::string_view(line).substr(verse.textStart));
    } else {
      room = AddTokens(line);
    }
    if (!room) break;
  } while (file_.ReadLine(line));
}

bool TKJV::AddTokens(std::string_view text) {
  int start = 0;
  int end = 0;
  while (NextField(text, start, end)) {
    if (!AddToken(text.substr(start - 1, end - start + 1))) return false;
  }
  return true;
}

bool TKJV::AddToken(std::string_view token) {
  if (count_ >= kKjvMaxTokens) return false;
  tokens_[count_++] = FitText(token, kKjvTokenCapacity);
  return true;
}

std::string_view TKJV::TokenText(int index) {
  if (index < 1 || index > count_) return {};
  current_ = index;
  return tokens_[index - 1];
}

int TKJV::NextToken() {
  for (int i = current_ + 1; i <= count_; ++i) {
    if (showNumbers_ || !IsKjvNumberToken(tokens_[i - 1])) return current_ = i;
  }
  current_ = count_;
  return 0;
}

}  // namespace orv
