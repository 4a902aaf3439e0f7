#include "search/report_file.h"

#include <unistd.h>

#include "model/books.h"
#include "model/temp_file.h"
#include "platform/path_map.h"
#include "platform/user_interface.h"
#include "search/store_scan.h"

namespace orv {
namespace {

constexpr int kChapterWidth = 3;
constexpr int kVerseWidth = 2;

// Large enough that the writes cost nothing next to the datastore reads.
constexpr size_t kFlushAt = 1 << 18;

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

ReportFile::~ReportFile() {
  if (file_) std::fclose(file_);
  if (!temp_.empty()) ::unlink(temp_.c_str());
}

bool ReportFile::Create(const std::string& path) {
  if (path.empty() || path.back() == '/') return false;
  std::string temp;
  if (MakeTempName(temp, FolderOf(path)) != 0) return false;
  temp_ = temp;
  file_ = std::fopen(temp_.c_str(), "wb");
  if (!file_) return false;
  target_ = path;
  buffer_.reserve(kFlushAt + 256);
  return true;
}

void ReportFile::Put(std::string_view text) {
  buffer_.append(text);
  if (buffer_.size() >= kFlushAt) Flush();
}

void ReportFile::Blanks(size_t count) { buffer_.append(count, ' '); }

void ReportFile::Padded(std::string_view text, size_t width) {
  Put(text);
  Blanks(text.size() < width ? width - text.size() : 1);
}

void ReportFile::Number(int n, int width) {
  const std::string digits = std::to_string(n);
  if (digits.size() < static_cast<size_t>(width))
    Blanks(static_cast<size_t>(width) - digits.size());
  buffer_.append(digits);
}

void ReportFile::EndLine() { Put("\r\n"); }

void ReportFile::Verse(Citation cite) {
  Put(BookCiteAbbrev(cite.book));
  Number(cite.chapter, kChapterWidth);
  Put(":");
  Number(cite.verse, kVerseWidth);
}

void ReportFile::Flush() {
  if (!file_ || buffer_.empty()) return;
  if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) failed_ = true;
  buffer_.clear();
}

bool ReportFile::Commit() {
  if (!file_) return false;
  Flush();
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (failed_ || !closed || ReplaceFile(target_, temp_) != 0) return false;
  temp_.clear();
  return true;
}

ReportOutcome WriteReport(UserInterface& ui, const std::string& path, const char* cannotCreate,
                          const std::function<bool(ReportFile& file)>& body) {
  ReportFile file;
  if (!file.Create(path)) {
    ui.Message(cannotCreate);
    return ReportOutcome::kCannotCreate;
  }
  bool complete;
  {
    WaitCursor wait(ui);
    complete = body(file);
  }
  if (!complete) ui.Message(kErrorAccessingDatastore);
  if (!file.Commit()) {
    ui.Message(cannotCreate);
    return ReportOutcome::kCannotCreate;
  }
  return complete ? ReportOutcome::kWritten : ReportOutcome::kPartial;
}

bool AskReportPath(UserInterface& ui, const std::string& title, const std::string& defaultName,
                   std::string& path) {
  FileDialogRequest request;
  request.title = title;
  request.defaultName = defaultName;
  request.extension = "TXT";
  request.filters = {{"Text format", "*.txt"}};
  request.folder = DataRoot();
  return ui.SaveFileDialog(request, path);
}

}  // namespace orv
