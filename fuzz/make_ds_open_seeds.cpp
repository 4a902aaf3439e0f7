// Writes the seed files of fuzz/corpus/ds_open_fuzz/ with the engine itself.
// Not part of the build; from the repository root:
//   g++ -std=c++20 -Isrc fuzz/make_ds_open_seeds.cpp src/datastore/*.cpp
//       src/platform/*.cpp src/model/*.cpp -o /tmp/make_seeds
//   /tmp/make_seeds fuzz/corpus/ds_open_fuzz
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "datastore/ds_object.h"

namespace {

int Compare(const void* a, const void* b) { return std::memcmp(a, b, 4); }

// Inserts `keys` into a new store and closes it.
bool Make(const std::string& path, int recordSize, int blockSize, bool dups,
          const std::vector<int>& keys, bool pack) {
  std::filesystem::remove(path);
  orv::DSHandle h;
  if (orv::DSOpen(path, h, 'w', orv::DSSetParams(recordSize, blockSize, 0, dups)) != 1)
    return false;
  orv::DSSetCompare(h.get(), Compare, nullptr, nullptr);
  orv::DSSetUserText(h.get(), 1, "SEED");
  std::vector<uint8_t> rec(static_cast<size_t>(recordSize));
  for (int k : keys) {
    for (size_t i = 0; i < rec.size(); ++i)
      rec[i] = static_cast<uint8_t>(i < 4 ? k >> (24 - 8 * i) : k + i);
    orv::DSInsert(h.get(), rec.data());
  }
  if (pack) orv::DSPack(h.get());
  return orv::DSClose(h) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string dir = argv[1];
  std::filesystem::create_directories(dir);
  // Unpacked, with split blocks and gaps in the record numbers.
  bool ok =
      Make(dir + "/split.xrd", 16, 64, false, {50, 10, 90, 30, 70, 20, 80, 40, 60, 15, 55}, false);
  // Packed, with duplicate keys.
  ok = ok && Make(dir + "/dups.xrd", 6, 32, true, {7, 3, 7, 7, 1, 3, 9, 9, 2, 7, 5, 3}, true);
  // Header only: a store emptied after use.
  ok = ok && Make(dir + "/empty.xrd", 12, 0, false, {}, false);
  // The first store cut inside its last block.
  auto size = std::filesystem::file_size(dir + "/split.xrd");
  std::filesystem::copy_file(dir + "/split.xrd", dir + "/truncated.xrd",
                             std::filesystem::copy_options::overwrite_existing);
  std::filesystem::resize_file(dir + "/truncated.xrd", size - 40);
  return ok ? 0 : 1;
}
