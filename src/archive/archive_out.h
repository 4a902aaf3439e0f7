// A text file written under a temporary name beside its target and put in
// the target's place only when complete (see model/temp_file.h). Lines end in
// CR LF. The first failure sticks: later writes do nothing and Commit reports
// it. Not copyable; a file neither committed nor abandoned is abandoned by
// the destructor.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace orv {

class ArchiveOut {
 public:
  ArchiveOut() = default;
  ~ArchiveOut();
  ArchiveOut(const ArchiveOut&) = delete;
  ArchiveOut& operator=(const ArchiveOut&) = delete;

  // Creates the temporary file for the native path `target`; false when it
  // cannot be made (the target's folder is missing or not writable).
  bool Begin(const std::string& target);

  // Appends text to the current line; Number in decimal.
  ArchiveOut& Text(std::string_view text);
  ArchiveOut& Number(int64_t n);
  // Ends the line with CR LF.
  void EndLine();
  // Text, then EndLine.
  void Line(std::string_view text);

  // Writes out what is buffered and renames the temporary file over the
  // target. Returns 0, or the errno value of the failing step (the target is
  // then unchanged and the temporary file gone).
  int Commit();
  // Closes and deletes the temporary file; the target is unchanged.
  void Abandon();

 private:
  void Flush();

  std::FILE* file_ = nullptr;
  std::string target_;
  std::string temp_;
  std::string buf_;
  int error_ = 0;
};

}  // namespace orv
