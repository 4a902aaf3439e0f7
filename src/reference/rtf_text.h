// The rich-text documents shown by the document viewer ("README.RTF",
// "HELP.RTF"): a small reader of RTF into paragraphs of formatted runs, and
// their conversion to the HTML subset a Qt text control displays.
//
// The reader understands groups, \par, \line, \tab, \b, \i, \fsN, \plain,
// \uN with \ucN, \'hh (Windows-1252), the escaped characters \\ \{ \} and
// the named punctuation (\emdash, \lquote, ...). Header groups (font and
// colour tables, style sheet, document info, pictures, "\*" destinations)
// are skipped; every other control word is ignored. Bad input never fails:
// unbalanced braces, cut-off control words and oversized numbers are read
// as far as they make sense. A file that does not begin with "{\rtf" is
// shown as plain text, one paragraph per line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orv {

inline constexpr int kRtfDefaultHalfPoints = 24;  // 12 points, RTF's default \fs

struct RtfRun {
  std::string text;  // UTF-8; "\n" for a line break within the paragraph
  bool bold = false;
  bool italic = false;
  int halfPoints = kRtfDefaultHalfPoints;  // font size in half points, 1..3276
  friend bool operator==(const RtfRun&, const RtfRun&) = default;
};

struct RtfParagraph {
  std::vector<RtfRun> runs;  // adjacent runs differ in format; none is empty
  // The font size in effect where the paragraph ended: the height of an
  // empty paragraph.
  int halfPoints = kRtfDefaultHalfPoints;
};

struct RtfDocument {
  std::vector<RtfParagraph> paragraphs;
};

// Reads RTF bytes. A last paragraph without \par is kept when it holds text.
RtfDocument ParseRtf(std::string_view bytes);

// Reads the file at `nativePath`; false (document untouched) when it cannot
// be read.
bool ReadRtfFile(const std::string& nativePath, RtfDocument& document);

// The paragraphs' texts, each followed by "\n".
std::string RtfPlainText(const RtfDocument& document);

// An HTML body of one <p> per paragraph, without margins and keeping blanks
// and tabs, each run a <span> with its size, weight and slant; text is
// escaped, line breaks become <br />.
std::string RtfToHtml(const RtfDocument& document);

}  // namespace orv
