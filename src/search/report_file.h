// A report's text file: written through a temporary file in the chosen
// file's folder, which takes the chosen name once it is complete, so a
// write that fails half-way (a full disk) never leaves half a report in
// place of an older one. Lines end in CR LF.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

#include "model/citation.h"

namespace orv {

class UserInterface;

// How a report command ended.
enum class ReportOutcome {
  kWritten,       // the whole report is in place
  kCancelled,     // the save dialog was cancelled: nothing written
  kCannotCreate,  // the file could not be made or written: nothing of it in place
  kUnreadable,    // the datastore could not be opened: nothing written
  kPartial,       // a read failed half-way: the report so far is in place
};

// How far a report has come: records written and records in all. Called
// every kReportProgressStep records and once at the end.
using ReportProgress = std::function<void(int64_t done, int64_t total)>;
inline constexpr int64_t kReportProgressStep = 8192;

// Counts a report's records for its ReportProgress (which may be empty).
class ReportTicker {
 public:
  ReportTicker(const ReportProgress& progress, int64_t total)
      : progress_(progress), total_(total) {}
  void Step() {
    if (progress_ && ++done_ % kReportProgressStep == 0) progress_(done_, total_);
  }
  void End() const {
    if (progress_) progress_(done_, total_);
  }

 private:
  const ReportProgress& progress_;
  int64_t total_;
  int64_t done_ = 0;
};

class ReportFile {
 public:
  ReportFile() = default;
  // Removes the temporary file when the report was not committed.
  ~ReportFile();
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  // Makes the temporary file beside `path` (native). False when it cannot
  // be made (no such folder, or one that cannot be written).
  bool Create(const std::string& path);

  void Put(std::string_view text);
  void Blanks(size_t count);
  // `text`, then blanks up to `width` characters, at least one.
  void Padded(std::string_view text, size_t width);
  // `n` in decimal, right-aligned in `width` characters (more when needed).
  void Number(int n, int width);
  void EndLine();
  // The verse of `cite` as both reports write it: the three-character book
  // abbreviation, the chapter in 3 characters, ":" and the verse in 2
  // ("Gen  1: 1", "Ps 119:176").
  void Verse(Citation cite);

  // Writes what is buffered, closes the file and puts it in the place of
  // the target. False when a write, the close or the replace failed; the
  // temporary file is then gone and the target is as it was.
  bool Commit();

 private:
  void Flush();

  std::string target_;
  std::string temp_;
  std::FILE* file_ = nullptr;
  std::string buffer_;
  bool failed_ = false;
};

// Writes a report into `path` (native) with `body`, which returns false
// when the datastore failed half-way: then kErrorAccessingDatastore is
// shown and what was written is kept (kPartial). When the file cannot be
// made or written, `cannotCreate` is shown and nothing of it is left
// (kCannotCreate). The wait cursor is on while `body` runs.
ReportOutcome WriteReport(UserInterface& ui, const std::string& path, const char* cannotCreate,
                          const std::function<bool(ReportFile& file)>& body);

// The save dialog of a report: `defaultName` proposed, extension "TXT",
// the filter "Text format (*.txt)", starting in the data root. True with
// the chosen native path in `path`.
bool AskReportPath(UserInterface& ui, const std::string& title, const std::string& defaultName,
                   std::string& path);

}  // namespace orv
