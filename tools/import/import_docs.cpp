#include "import/import_docs.h"

#include <fstream>

#include "model/version.h"
#include "platform/path_map.h"

namespace orv {

namespace {

enum class Style { kTitle, kHeading, kText, kItem, kNote };

// One paragraph. An item's `term` is set in bold before its text.
struct Para {
  Style style;
  const char* term;
  const char* text;
};

constexpr Para kReadme[] = {
    {Style::kTitle, nullptr, "Hebrew Orvane " ORV_VERSION ": Release Notes"},
    {Style::kText, nullptr,
     "This version brings the foundations of the program: its own datastores, the tools that build "
     "and check "
     "them from the Hebrew text, the archive of your own data, and the supplied texts themselves. "
     "Everything "
     "can be driven from the command line orv, which scripts and tests use as well."},
    {Style::kHeading, nullptr, "What this version does"},
    {Style::kItem, "Record files.",
     "All structured data lives in keyed files of fixed-size records with a block cache: the word "
     "list "
     "(WORD), the first occurrences (FOCC, FOC2 and one file per book), the citations (CITE), the "
     "translations (XLAT) and the books (BOOK). Changes that span several blocks are read in "
     "first, so a "
     "failed write never loses a block."},
    {Style::kItem, "Building and verifying.",
     "The datastores are built from the Hebrew source files, one per book, and a verification pass "
     "checks "
     "every record against the text and reports what does not agree."},
    {Style::kItem, "The archive.",
     "Your definitions, marks and Strong's numbers can be written to a commented text archive and "
     "read back, "
     "so they survive a rebuild of the datastores. The supplied file Strongs.dat gives every word "
     "of the text "
     "its Strong's number."},
    {Style::kItem, "The data import.",
     "One command writes the supplied data into the program folder: the Hebrew text (Source "
     "folder, one .OLF "
     "file per book), Strongs.dat, the King James text (KJV folder, one .str file per book), "
     "Strong's Hebrew "
     "dictionary (Hebrew.def), the list of verb stems and forms (OT.VRB) and these documents. Each "
     "file is "
     "written aside first and moved into place only when the import succeeds."},
    {Style::kHeading, nullptr, "The command line orv"},
    {Style::kItem, "orv build [--word] [--cite] [--book] [--strongs]",
     "builds the datastores (all by default)."},
    {Style::kItem, "orv verify", "checks the datastores against the text."},
    {Style::kItem, "orv archive write FILE [--all]",
     "writes your data to an archive; write-strongs writes the Strong's numbers."},
    {Style::kItem, "orv archive read FILE",
     "reads an archive back; read-strongs reads Strong's numbers."},
    {Style::kItem, "orv archive default-strongs", "gives every word the supplied Strong's number."},
    {Style::kItem, "orv import [--hebrew DIR] [--only hebrew,kjv,dictionary,docs,interlinear]",
     "writes the supplied data into the program folder."},
    {Style::kText, nullptr,
     "Settings are read from ORV.INI in the data root (the folder named by ORV_ROOT); the supplied "
     "data is "
     "read from the program folder (ORV_PROGRAM_DIR)."},
    {Style::kHeading, nullptr, "Credits and licences"},
    {Style::kItem, "Hebrew text.",
     "The Hebrew text and its Strong's numbers come from the Open Scriptures Hebrew Bible, "
     "licensed under "
     "the Creative Commons Attribution 4.0 licence (CC BY 4.0). Original work of the Open "
     "Scriptures Hebrew "
     "Bible available at https://github.com/openscriptures/morphhb"},
    {Style::kItem, "King James text.",
     "The King James Version with Strong's numbers comes from the CrossWire Bible Society's SWORD "
     "module "
     "(with eBible.org), packaged by Debian as sword-text-kjv. It is in the public domain; in the "
     "United "
     "Kingdom printing it is subject to the Crown's letters patent."},
    {Style::kItem, "Strong's Hebrew dictionary.",
     "The dictionary comes from the CrossWire SWORD module StrongsHebrew, packaged by Debian as "
     "sword-dict-strongs-hebrew: Jens Grebner's edition of the Hebrew dictionary in Strong's "
     "Exhaustive "
     "Concordance by James Strong, 1890. Public domain."},
    {Style::kItem, "Libraries.",
     "The import reads the SWORD modules through the SWORD library of the CrossWire Bible Society "
     "(GNU GPL "
     "version 2) and the Hebrew text through libxml2 (MIT licence)."},
    {Style::kNote, nullptr, "The verb list OT.VRB and these documents are the program's own text."},
};

constexpr Para kHelp[] = {
    {Style::kTitle, nullptr, "Getting Started"},
    {Style::kText, nullptr,
     "Hebrew Orvane shows the Hebrew Old Testament as an interlinear page and gives you tools to "
     "study its "
     "words. The first time it starts it builds its datastores from the Hebrew text; this takes a "
     "moment and "
     "happens only once."},
    {Style::kHeading, nullptr, "The page"},
    {Style::kText, nullptr,
     "The Hebrew words run in rows from right to left. Above each word stands its number row: the "
     "Strong's "
     "number and, when you turn it on, the thematic value (the sum of its letter values). Under "
     "the word "
     "stand up to eight interlinear lines, chosen in Preferences from interlinear texts and "
     "translation "
     "databases. Words that occur here for the first time can be marked, and a word you jumped to "
     "is shown "
     "in blue. With Show KJV the King James text stands in a column beside the page."},
    {Style::kHeading, nullptr, "Moving through the text"},
    {Style::kItem, "Page Down, Page Up", "next or previous page."},
    {Style::kItem, "Ctrl+Page Down, Ctrl+Page Up", "next or previous chapter (also f and b)."},
    {Style::kItem, "Alt+Page Down, Alt+Page Up",
     "next book, or the start of this book and then of the one before."},
    {Style::kItem, "Ctrl+Down, Ctrl+Up", "next or previous verse."},
    {Style::kItem, "Home, Ctrl+Home", "start of the chapter, start of the book."},
    {Style::kItem, "Left, Right",
     "back and forward through the places you jumped to (the last 64)."},
    {Style::kItem, "Ctrl+G",
     "go to a verse: type a citation such as Gen 1:1 or Isa 53:5.3 (verse 5, word 3)."},
    {Style::kItem, "r, F12", "lay the page out again; F12 also reads its words again."},
    {Style::kHeading, nullptr, "The mouse"},
    {Style::kItem, "Click a Strong's number",
     "shows its dictionary entry when the definition window is open."},
    {Style::kItem, "Double-click a word", "opens the word definition editor for that word."},
    {Style::kItem, "Double-click a Strong's number", "opens its entry in Strong's dictionary."},
    {Style::kItem, "Right-click a word",
     "opens the word menu: Strong's Entry, ILT Entry, Browse DB, Occurrences, Count and Define."},
    {Style::kItem, "Right-click a Strong's number",
     "opens the number menu: Occurrences, Count and Strong's def."},
    {Style::kItem, "Right-click between words", "opens Preferences."},
    {Style::kHeading, nullptr, "The menus"},
    {Style::kItem, "File", "Print Page, Print Chapter and Exit (Ctrl+Q)."},
    {Style::kItem, "Edit",
     "Find a word or Strong's number (Ctrl+F; wildcards allowed), Find Next (F3), Browse DB, the "
     "Search menu "
     "(Marked Words, Marked Uses, Thematic Value, Word definitions) and Preferences."},
    {Style::kItem, "View",
     "Show KJV, View Strong's def. (Ctrl+S), Go to (Ctrl+G), Backward, Foreward and the page, "
     "verse and "
     "chapter steps."},
    {Style::kItem, "Tools",
     "Build DB and Verify DB, Count Word, Thematic value, Concordance, First occurrences and "
     "Archive, which "
     "saves your definitions, marks and Strong's numbers to a text file and reads them back."},
    {Style::kItem, "Help", "Getting Started (this text), Release Notes, Alphabet and About."},
    {Style::kHeading, nullptr, "Searching"},
    {Style::kText, nullptr,
     "Words are typed in the program's letters (a b w z i d e v t h s l k n g o p c q r m x) or "
     "in Hebrew letters, pointed or not; final forms count as their normal forms. A Strong's "
     "number may be typed as 7225, 07225 or H7225. Find Next (F3) goes on with the last search "
     "of any kind."},
    {Style::kItem, "Wildcards",
     "% stands for exactly one letter, as often as you like (b%%a); one * stands for any run of "
     "letters, none included (br*, *im, b*t). The words that match are listed to choose from."},
    {Style::kItem, "Occurrences",
     "lists every place of the clicked word or Strong's number; choose a line to jump there."},
    {Style::kItem, "Count Word",
     "counts a word or Strong's number in the chapter, the book or the whole Bible, lists its "
     "counts, or lists every word that occurs a given number of times."},
    {Style::kItem, "Thematic Value",
     "finds runs of consecutive words whose letter values add up to a value."},
    {Style::kItem, "Embedded word",
     "finds a term spelled by letters at equal distances in the text. The text's letters are "
     "taken in order, word after word, final forms as normal forms, anything else left out. "
     "With skip factor S of 1 or more, the term matches where its letters stand at positions "
     "p, p+S, p+2S ... forwards: skip 1 finds it as consecutive letters across word boundaries, "
     "skip 0 as consecutive letters inside one word only. A match shows the words from the one "
     "holding its first letter to the one holding its last; matches come in text order. A term "
     "of anything but the 22 letters is refused; an empty term finds nothing."},
    {Style::kNote, nullptr, "Escape closes every dialog and the Strong's definition window."},
};

void AppendPara(std::string& out, const Para& p) {
  switch (p.style) {
    case Style::kTitle:
      out += "\\fs32\\b ";
      out += p.text;
      out += "\\b0\\fs24\\par";
      break;
    case Style::kHeading:
      out += "\\par\\fs28\\b ";
      out += p.text;
      out += "\\b0\\fs24\\par";
      break;
    case Style::kText:
      out += p.text;
      out += "\\par";
      break;
    case Style::kItem:
      out += "\\b ";
      out += p.term;
      out += "\\b0  ";  // the first blank ends the control word
      out += p.text;
      out += "\\par";
      break;
    case Style::kNote:
      out += "\\par\\i ";
      out += p.text;
      out += "\\i0\\par";
      break;
  }
  out += "\r\n";
}

template <size_t N>
ImportResult WriteRtf(const std::string& outDir, const char* name, const Para (&paras)[N]) {
  std::string rtf = "{\\rtf1\\fs24\r\n";
  for (const Para& p : paras) AppendPara(rtf, p);
  rtf += "}\r\n";
  std::string path = JoinPath(outDir, name);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(rtf.data(), static_cast<std::streamsize>(rtf.size()));
  out.close();
  if (!out) return ImportResult::Fail("cannot write " + path);
  return {};
}

}  // namespace

ImportResult WriteDocs(const std::string& outDir) {
  ImportResult r = WriteRtf(outDir, "README.RTF", kReadme);
  return r.ok ? WriteRtf(outDir, "HELP.RTF", kHelp) : r;
}

}  // namespace orv
