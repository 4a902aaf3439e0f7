// What every bench shares: its clock and tallies of timings, the lines that
// say why it skipped or failed, a user interface that shows nothing, and a
// scratch folder that the `orv` program beside the bench can fill with the
// real data (from the Hebrew XML in $ORV_OSHB_DIR, default
// ../shared/data/oshb, and the SWORD modules).
#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/program_dir.h"
#include "platform/user_interface.h"

namespace orv::bench {

using Clock = std::chrono::steady_clock;

inline double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

inline double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Count, total and worst of a series of timings; the mean of none is 0.
struct Tally {
  int count = 0;
  double total = 0;
  double worst = 0;

  // True when `value` is the worst so far (the first value always is), so
  // the caller can note where the worst one was taken.
  bool Add(double value) {
    const bool worse = count == 0 || value > worst;
    if (worse) worst = value;
    total += value;
    ++count;
    return worse;
  }
  double Mean() const { return count ? total / count : 0; }
};

// The peak resident memory of the process so far, in KB (0 when unknown).
inline long PeakKb() {
  rusage usage{};
  return getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_maxrss : 0;
}

// Prints "<bench> bench skipped: <why>"; returns 0, a skip's exit status.
inline int Skip(const std::string& bench, const std::string& why) {
  std::printf("%s bench skipped: %s\n", bench.c_str(), why.c_str());
  return 0;
}

// Prints "<bench> bench failed: <why>"; returns 1, a failure's exit status.
inline int Failed(const std::string& bench, const std::string& why) {
  std::printf("%s bench failed: %s\n", bench.c_str(), why.c_str());
  return 1;
}

// Answers every question with No (Yes/No/Cancel with Cancel) and shows nothing.
class SilentUI : public UserInterface {
 public:
  void Message(const std::string&) override {}
  bool YesNo(const std::string&) override { return false; }
  int YesNoCancel(const std::string&) override { return -1; }
  bool InputBox(const std::string&, const std::string&, std::string&) override { return false; }
  bool SaveFileDialog(const FileDialogRequest&, std::string&) override { return false; }
  bool OpenFileDialog(const FileDialogRequest&, std::string&) override { return false; }
  bool SelectFolder(const std::string&, std::string&) override { return false; }
  bool FontDialog(FontChoice&) override { return false; }
  void SetWaitCursor(bool) override {}
  int ShowList(const ListRequest&) override { return -1; }
};

// A fresh folder under the system temp folder, named after `tag`, removed
// with all it holds when the object goes. Imported data lands in Prog() (the
// program folder) and Root() (the data root).
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& tag) {
    const std::string tmpl = (std::filesystem::temp_directory_path() / (tag + "-XXXXXX")).string();
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    if (const char* made = mkdtemp(buf.data())) path_ = made;
  }
  ~ScratchFolder() {
    std::error_code ec;
    if (Made()) std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  bool Made() const { return !path_.empty(); }
  const std::string& Path() const { return path_; }
  std::string Prog() const { return path_ + "/prog/"; }
  std::string Root() const { return path_ + "/root"; }

  // Runs `orv import --only PARTS` into Prog() and Root(), then
  // `orv build --strongs` when `build`. False with the reason in `why` when
  // there is no folder, no `orv` beside the bench, no Hebrew XML for the
  // parts that read it (hebrew, kjv), or a step fails.
  bool Import(const std::string& parts, bool build, std::string& why) const {
    namespace fs = std::filesystem;
    if (!Made()) return Fails("no temporary folder", why);
    const fs::path orv = fs::path(ExecutablePath()).parent_path() / "orv";
    if (!fs::exists(orv)) return Fails("no `orv` program beside the bench", why);
    const char* oshbEnv = std::getenv("ORV_OSHB_DIR");
    const std::string oshb = oshbEnv ? oshbEnv : "../shared/data/oshb";
    auto has = [&parts](const char* part) { return parts.find(part) != std::string::npos; };
    const bool readsXml = has("hebrew") || has("kjv");
    if (readsXml && !fs::exists(fs::path(oshb) / "VerseMap.xml")) {
      return Fails("no VerseMap.xml in " + oshb + " (set ORV_OSHB_DIR)", why);
    }
    const std::string env =
        "ORV_PROGRAM_DIR='" + path_ + "/prog' ORV_ROOT='" + Root() + "' '" + orv.string() + "'";
    const std::string hebrew = readsXml ? " --hebrew '" + oshb + "'" : "";
    if (Run(env + " import --only " + parts + hebrew)) {
      const bool readsSword = has("kjv") || has("dictionary");
      return Fails("`orv import --only " + parts + "` failed" +
                       (readsSword ? " (are the SWORD modules sword-text-kjv and "
                                     "sword-dict-strongs-hebrew installed?)"
                                   : ""),
                   why);
    }
    if (build && Run(env + " build --strongs")) return Fails("`orv build --strongs` failed", why);
    return true;
  }

  // A program folder holding `file` (a path inside it): $ORV_PROGRAM_DIR when
  // it holds one, else Prog() once `orv import --only PARTS` has written it
  // there. "" with the reason in `why` when neither, or when there is no
  // scratch folder (which the caller may then take for granted).
  std::string ProgramDirWith(const std::string& file, const std::string& parts,
                             std::string& why) const {
    if (!Made()) {
      why = "no temporary folder";
      return "";
    }
    const char* env = std::getenv("ORV_PROGRAM_DIR");
    if (env && *env && std::filesystem::exists(std::filesystem::path(env) / file)) return env;
    if (Import(parts, false, why)) return Prog();
    why = "no " + file + " in $ORV_PROGRAM_DIR, and " + why;
    return "";
  }

 private:
  static bool Fails(const std::string& reason, std::string& why) {
    why = reason;
    return false;
  }
  // True when the command fails. Its report goes nowhere, its errors to
  // the bench's stderr.
  static bool Run(const std::string& command) {
    return std::system((command + " >/dev/null").c_str()) != 0;
  }

  std::string path_;
};

}  // namespace orv::bench
