#include "import/move_into_place.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace orv {
namespace fs = std::filesystem;

namespace {

constexpr const char kReplaced[] = ".replaced";

struct Move {
  fs::path from, to, aside;
  bool hadOld = false;
};

// Puts back what `moves[0..count)` did, newest first.
void Undo(const std::vector<Move>& moves, size_t count) {
  std::error_code ec;
  for (size_t i = count; i-- > 0;) {
    const Move& m = moves[i];
    fs::rename(m.to, m.from, ec);
    if (m.hadOld) fs::rename(m.aside, m.to, ec);
  }
}

}  // namespace

ImportResult MoveIntoPlace(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  std::vector<Move> moves;
  for (auto it = fs::recursive_directory_iterator(from, ec); !ec && it != fs::end(it);
       it.increment(ec)) {
    if (!it->is_regular_file()) continue;
    const fs::path relative = fs::relative(it->path(), from);
    moves.push_back({it->path(), to / relative, from / kReplaced / relative});
  }
  if (ec) return ImportResult::Fail("Cannot read " + from.string() + ": " + ec.message());
  std::sort(moves.begin(), moves.end(), [](const Move& a, const Move& b) { return a.to < b.to; });
  for (size_t i = 0; i < moves.size(); ++i) {
    Move& m = moves[i];
    std::string failed;
    fs::create_directories(m.to.parent_path(), ec);
    if (ec) failed = "Cannot create folder " + m.to.parent_path().string();
    const fs::file_status old = fs::symlink_status(m.to, ec);
    if (failed.empty() && fs::is_directory(old)) {
      failed = "Cannot replace " + m.to.string() + ": a folder of that name is in the way";
    } else if (failed.empty() && fs::exists(old)) {
      fs::create_directories(m.aside.parent_path(), ec);
      if (!ec) fs::rename(m.to, m.aside, ec);
      if (ec) failed = "Cannot replace " + m.to.string() + ": " + ec.message();
      m.hadOld = !ec;
    }
    if (failed.empty()) {
      fs::rename(m.from, m.to, ec);
      if (ec) {
        failed = "Cannot replace " + m.to.string() + ": " + ec.message();
        if (m.hadOld) fs::rename(m.aside, m.to, ec);
      }
    }
    if (!failed.empty()) {
      Undo(moves, i);
      return ImportResult::Fail(std::move(failed));
    }
  }
  return {};
}

}  // namespace orv
