// The supplement list "OT.VRB": numbered lines (verb stems and forms) that a
// Strong's number's suffix appends to the first line of a dictionary entry,
// as in "1254-2". Read once at start; the list never changes afterwards.
#pragma once

#include <array>
#include <string>

namespace orv {

inline constexpr int kSupplementLines = 150;

class SupplementList {
 public:
  // Reads the list from a text file (LF or CR LF). A line that begins with
  // a decimal number n from 1 to 150 followed by a space (or by nothing)
  // becomes line n, the whole line with its number; a later line with the
  // same number replaces an earlier one. Every other line is skipped.
  // A file that cannot be opened gives the empty list and false.
  bool Load(const std::string& nativePath);

  // The line numbered n, or "" when n is outside 1..150 or no line had it.
  const std::string& Line(int n) const;
  // The highest number that named a line; 0 for the empty list.
  int Highest() const { return highest_; }

 private:
  std::array<std::string, kSupplementLines + 1> lines_;  // [0] stays empty
  int highest_ = 0;
};

}  // namespace orv
