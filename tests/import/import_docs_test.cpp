#include "import/import_docs.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "support/temp_dir.h"

namespace orv {
namespace {

using test::ReadText;

// Walks an RTF file in the small subset the document viewer reads. Returns
// the first problem found, or empty text with the file's plain text (one
// '\n' per \par) in `text`.
std::string RtfProblem(const std::string& rtf, std::string& text) {
  static const std::set<std::string> kAllowed = {"rtf1", "par", "b", "b0", "i", "i0"};
  if (rtf.rfind("{\\rtf1", 0) != 0) return "does not open with {\\rtf1";
  text.clear();
  int depth = 0;
  bool closed = false;
  for (size_t i = 0; i < rtf.size(); ++i) {
    char c = rtf[i];
    if (c == '\r' || c == '\n') continue;
    if (closed) return "text after the closing brace at " + std::to_string(i);
    if (c < ' ' || c > '~') return "not plain ASCII at " + std::to_string(i);
    if (c == '{') {
      if (depth++ > 0) return "nested group at " + std::to_string(i);
    } else if (c == '}') {
      closed = --depth == 0;
    } else if (c == '\\') {
      size_t j = i + 1;
      while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j]))) ++j;
      size_t end = j;
      while (end < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[end]))) ++end;
      std::string word = rtf.substr(i + 1, j - i - 1);
      std::string control = rtf.substr(i + 1, end - i - 1);
      if (!kAllowed.count(control) && !(word == "fs" && end > j))
        return "control \\" + control + " not allowed";
      if (word == "par") text += '\n';
      i = end < rtf.size() && rtf[end] == ' ' ? end : end - 1;  // a blank after it is not text
    } else {
      text += c;
    }
  }
  return closed ? "" : "group not closed";
}

TEST(RtfProblem, FindsWhatTheViewerDoesNotRead) {
  std::string text;
  EXPECT_EQ(RtfProblem("{\\rtf1 {\\b x}}", text), "nested group at 7");
  EXPECT_EQ(RtfProblem("{\\rtf1 \\ul x\\par}", text), "control \\ul not allowed");
  EXPECT_EQ(RtfProblem("{\\rtf1 x\\par", text), "group not closed");
  EXPECT_EQ(RtfProblem("{\\rtf1 x}}", text), "text after the closing brace at 9");
  EXPECT_EQ(RtfProblem("{\\rtf1 caf\\'e9}", text), "control \\ not allowed");
  EXPECT_EQ(RtfProblem("{\\rtf1\\fs24 \\b Head\\b0  body\\par\r\n}\r\n", text), "");
  EXPECT_EQ(text, "Head body\n");
}

std::string PlainText(const std::string& path) {
  std::string text;
  std::string problem = RtfProblem(ReadText(path), text);
  EXPECT_EQ(problem, "") << path;
  return text;
}

TEST(WriteDocs, BothDocumentsUseOnlyTheViewersRtf) {
  test::TempDir out;
  ASSERT_TRUE(WriteDocs(out.path()).ok);
  for (const char* name : {"README.RTF", "HELP.RTF"}) {
    SCOPED_TRACE(name);
    std::string rtf = ReadText(out.File(name));
    ASSERT_FALSE(rtf.empty());
    for (size_t i = 0; i < rtf.size(); ++i) {
      if (rtf[i] == '\n') {
        ASSERT_TRUE(i > 0 && rtf[i - 1] == '\r') << "line end without CR at " << i;
      }
    }
    std::string text;
    EXPECT_EQ(RtfProblem(rtf, text), "");
    EXPECT_GT(text.size(), 500u);
  }
}

TEST(WriteDocs, ReleaseNotesCreditTheSourcesAndHelpCoversThePage) {
  test::TempDir out;
  ASSERT_TRUE(WriteDocs(out.path() + "/").ok);
  std::string readme = PlainText(out.File("README.RTF"));
  for (const char* must : {"Original work of the Open Scriptures Hebrew Bible available at "
                           "https://github.com/openscriptures/morphhb",
                           "CC BY 4.0", "sword-text-kjv", "sword-dict-strongs-hebrew", "CrossWire",
                           "orv import", "orv build", "orv verify", "orv archive"}) {
    EXPECT_NE(readme.find(must), std::string::npos) << must;
  }
  std::string help = PlainText(out.File("HELP.RTF"));
  // The page and menus, then the searches with the embedded-word rule.
  for (const char* must : {"Page Down", "Ctrl+G", "Right-click", "Double-click", "File", "Edit",
                           "View", "Tools", "Help", "Strong's", "Searching", "H7225", "F3",
                           "% stands for exactly one letter", "Embedded word",
                           "skip 0 as consecutive letters inside one word only",
                           "final forms as normal forms", "an empty term finds nothing"}) {
    EXPECT_NE(help.find(must), std::string::npos) << must;
  }
}

TEST(WriteDocs, UnwritableFolderFailsNamingTheFile) {
  ImportResult r = WriteDocs("/nonexistent-orv-folder");
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("README.RTF"), std::string::npos) << r.message;
}

}  // namespace
}  // namespace orv
