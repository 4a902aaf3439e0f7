// Small dictionary and supplement files for the definitions viewer's tests,
// written with CR LF line ends as the supplied data is.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace orv::test {

struct DefEntry {
  std::string header;              // the header line, "*" included
  std::vector<std::string> lines;  // the further lines
};

inline DefEntry Entry(int number, const std::string& word, std::vector<std::string> lines = {}) {
  return {"*" + std::to_string(number) + " " + word, std::move(lines)};
}

// Writes the lines with CR LF after each; `lastLineEnd` false leaves the
// file's last line without one.
inline void WriteLines(const std::string& path, const std::vector<std::string>& lines,
                       bool lastLineEnd = true) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (size_t i = 0; i < lines.size(); ++i) {
    out << lines[i];
    if (i + 1 < lines.size() || lastLineEnd) out << "\r\n";
  }
}

inline std::vector<std::string> DictLines(const std::vector<DefEntry>& entries) {
  std::vector<std::string> all;
  for (const DefEntry& e : entries) {
    all.push_back(e.header);
    all.insert(all.end(), e.lines.begin(), e.lines.end());
  }
  return all;
}

inline void WriteDict(const std::string& path, const std::vector<DefEntry>& entries,
                      bool lastLineEnd = true) {
  WriteLines(path, DictLines(entries), lastLineEnd);
}

// The byte offset of every header line of a file written by WriteDict.
inline std::vector<uint32_t> HeaderOffsets(const std::vector<DefEntry>& entries) {
  std::vector<uint32_t> offsets;
  uint32_t at = 0;
  for (const DefEntry& e : entries) {
    offsets.push_back(at);
    at += static_cast<uint32_t>(e.header.size() + 2);
    for (const std::string& l : e.lines) at += static_cast<uint32_t>(l.size() + 2);
  }
  return offsets;
}

// Moves a file's modification time by `seconds`, as an edit would.
inline void Touch(const std::string& path, int seconds) {
  auto t = std::filesystem::last_write_time(path);
  std::filesystem::last_write_time(path, t + std::chrono::seconds(seconds));
}

}  // namespace orv::test
