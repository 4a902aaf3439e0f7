#include "model/text_reader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace orv {
namespace {

using test::TempDir;

std::vector<unsigned char> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

// Bytes cycling through 90 printable characters: each byte tells its
// offset modulo 90, and none is a line end.
std::string Numbered(size_t n) {
  std::string s(n, '\0');
  for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>('!' + i % 90);
  return s;
}

char At(size_t offset) { return static_cast<char>('!' + offset % 90); }

// The next byte, read as the first byte of the next line.
char FirstOfLine(PositionedReader& r) {
  std::string line;
  EXPECT_TRUE(r.ReadLine(line));
  return line.empty() ? '\0' : line[0];
}

TEST(PositionedReader, SeekOutsideTheBufferReadsFromTheBlockBelow) {
  TempDir dir;
  test::WriteBytes(dir.File("f.txt"), Bytes(Numbered(1000)));
  PositionedReader r;
  ASSERT_TRUE(r.Open(dir.File("f.txt")));
  EXPECT_EQ(r.BufferSize(), 128u);
  EXPECT_EQ(r.BufferStart(), 0u);
  EXPECT_EQ(r.BufferCount(), 128u);

  r.TextSeek(300);
  EXPECT_EQ(r.BufferStart(), 256u);
  EXPECT_EQ(r.TextPos(), 300u);
  r.TextSeek(400);
  EXPECT_EQ(r.BufferStart(), 384u) << "400 lies outside 256..383";
  EXPECT_EQ(r.TextPos(), 400u);
  r.TextSeek(390);
  EXPECT_EQ(r.BufferStart(), 384u) << "inside the buffer only the position moves";
  r.TextSeek(400);
  EXPECT_EQ(FirstOfLine(r), At(400));

  r.TextSeek(300);
  EXPECT_EQ(FirstOfLine(r), At(300));
  r.TextSeek(999);
  EXPECT_EQ(FirstOfLine(r), At(999));
  EXPECT_EQ(r.TextPos(), 1000u);
}

TEST(PositionedReader, TextPosBeforeEachLineIsItsStart) {
  TempDir dir;
  test::WriteBytes(dir.File("f.olf"), Bytes("*1\r\n1 abc def-\r\nlast"));
  PositionedReader r;
  ASSERT_TRUE(r.Open(dir.File("f.olf")));
  std::string line;
  EXPECT_EQ(r.TextPos(), 0u);
  ASSERT_TRUE(r.ReadLine(line));
  EXPECT_EQ(line, "*1");
  EXPECT_EQ(r.TextPos(), 4u);
  ASSERT_TRUE(r.ReadLine(line));
  EXPECT_EQ(line, "1 abc def-");
  EXPECT_EQ(r.TextPos(), 16u);
  ASSERT_TRUE(r.ReadLine(line));
  EXPECT_EQ(line, "last") << "a last line without line end still counts";
  EXPECT_FALSE(r.ReadLine(line));
  EXPECT_EQ(line, "");
  EXPECT_EQ(r.TextPos(), 20u);
}

// Oracle: offsets computed from the text itself, for buffer sizes that put
// line ends (and CR LF pairs) on every side of a buffer boundary, including
// a line far longer than any buffer.
TEST(PositionedReader, OffsetsAndLinesMatchForAnyBufferSize) {
  std::vector<std::string> lines = {"",          "*1", "a",  std::string(100000, 'x'), "", "bc d",
                                    "tab\there", "\r", "end"};
  std::string text;
  std::vector<uint32_t> starts;
  for (size_t i = 0; i < lines.size(); ++i) {
    starts.push_back(static_cast<uint32_t>(text.size()));
    text += lines[i] + (i % 2 ? "\n" : "\r\n");
  }
  TempDir dir;
  test::WriteBytes(dir.File("f.txt"), Bytes(text));
  for (size_t size : {1, 2, 3, 7, 128, 4096, 122880}) {
    PositionedReader r;
    ASSERT_TRUE(r.Open(dir.File("f.txt"), size));
    std::string line;
    for (size_t i = 0; i < lines.size(); ++i) {
      ASSERT_EQ(r.TextPos(), starts[i]) << "size " << size << " line " << i;
      ASSERT_TRUE(r.ReadLine(line));
      // "\r" followed by LF is a line of one CR whose CR is taken as part
      // of the line end, leaving it empty.
      EXPECT_EQ(line, lines[i] == "\r" ? "" : lines[i]) << "size " << size << " line " << i;
    }
    EXPECT_FALSE(r.ReadLine(line));
    for (size_t i = lines.size(); i-- > 0;) {
      r.TextSeek(starts[i]);
      ASSERT_TRUE(r.ReadLine(line));
      EXPECT_EQ(line.size(), lines[i] == "\r" ? 0u : lines[i].size()) << size << "/" << i;
    }
  }
}

TEST(PositionedReader, EdgesOfTheFile) {
  TempDir dir;
  test::WriteBytes(dir.File("empty"), {});
  test::WriteBytes(dir.File("short"), Bytes("ab\r"));
  PositionedReader r;
  std::string line = "junk";
  ASSERT_TRUE(r.Open(dir.File("empty")));
  EXPECT_FALSE(r.ReadLine(line));
  EXPECT_EQ(r.TextPos(), 0u);

  ASSERT_TRUE(r.Open(dir.File("short")));
  ASSERT_TRUE(r.ReadLine(line));
  EXPECT_EQ(line, "ab") << "a CR as the last byte ends the line";
  r.TextSeek(5000);
  EXPECT_EQ(r.TextPos(), 5000u);
  EXPECT_FALSE(r.ReadLine(line)) << "past the end there is nothing to read";
  r.TextSeek(1);
  ASSERT_TRUE(r.ReadLine(line));
  EXPECT_EQ(line, "b");

  r.Close();
  EXPECT_FALSE(r.IsOpen());
  EXPECT_FALSE(r.ReadLine(line));
  r.TextSeek(10);
  EXPECT_EQ(r.TextPos(), 0u);
  r.Close();
}

TEST(PositionedReader, OpenFailureReportsTheSystemError) {
  TempDir dir;
  PositionedReader r;
  EXPECT_FALSE(r.Open(dir.File("missing.txt")));
  EXPECT_EQ(r.Error(), ENOENT);
  EXPECT_FALSE(r.IsOpen());
  EXPECT_FALSE(r.Open(dir.path()));
  EXPECT_EQ(r.Error(), EISDIR);
  EXPECT_FALSE(r.IsOpen());
}

}  // namespace
}  // namespace orv
