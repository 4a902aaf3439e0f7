#include "prefs/ilt_book_files.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "model/books.h"
#include "platform/path_map.h"

namespace orv {
namespace {

bool WriteFile(const std::string& path, const std::string& text) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  return std::fclose(f) == 0 && written;
}

}  // namespace

std::string BookFileHeader(int book, const std::string& language, const std::string& identifier) {
  std::string h;
  h.append("*BOOK ").append(BookName(book)).append("\r\n");
  h.append("*CITE ").append(BookCiteAbbrev(book)).append("\r\n");
  h.append("*LANG ").append(language).append("\r\n");
  h.append("*WHAT ").append(identifier).append("\r\n");
  h.append("*L-R\r\n");
  return h;
}

bool WriteBookFiles(const std::string& dir, const std::string& language,
                    const std::string& identifier, std::vector<std::string>& made) {
  for (int book = 1; book <= kBookCount; ++book) {
    const std::string path = JoinPath(dir, std::string(BookCode(book)).append(".ILT"));
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) continue;
    if (!WriteFile(path, BookFileHeader(book, language, identifier))) {
      std::filesystem::remove(path, ec);
      return false;
    }
    made.push_back(path);
  }
  return true;
}

}  // namespace orv
