// A program folder of small King James book files for the tests: every one
// of the 39 files exists (empty unless given text), and the index goes to a
// folder of its own.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "kjv/kjv_index.h"
#include "kjv/kjv_line.h"
#include "model/books.h"
#include "support/temp_dir.h"

namespace orv::test {

class KjvFolder {
 public:
  KjvFolder() {
    std::filesystem::create_directories(dir_.File("prog/KJV"));
    for (int book = 1; book <= kBookCount; ++book) Write(book, "");
  }

  std::string ProgramDir() const { return dir_.File("prog"); }
  std::string IndexFile() const { return dir_.File("root/KJV/KJV.XRD"); }
  std::string BookFile(int book) const { return KjvBookPath(ProgramDir(), book); }

  void Write(int book, const std::string& text) const {
    std::ofstream(BookFile(book), std::ios::binary | std::ios::trunc) << text;
  }
  void Remove(int book) const { std::filesystem::remove(BookFile(book)); }

 private:
  TempDir dir_;
};

// Lines joined with CR LF, the way the supplied files end their lines.
inline std::string CrLf(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* l : lines) text += std::string(l) + "\r\n";
  return text;
}

}  // namespace orv::test
