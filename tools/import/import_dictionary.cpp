#include "import/import_dictionary.h"

#include <swmgr.h>
#include <swmodule.h>

#include <cctype>
#include <fstream>
#include <memory>

#include "import/text_wrap.h"
#include "platform/path_map.h"

namespace orv {

namespace {

constexpr char kPackage[] = "sword-dict-strongs-hebrew";
constexpr char kDefaultModule[] = "StrongsHebrew";

ImportResult WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) return ImportResult::Fail("cannot write " + path);
  return {};
}

// The Strong's number of a module key ("07225" or "H7225"); 0 for any other.
int KeyNumber(const std::string& key) {
  size_t i = !key.empty() && (key[0] == 'H' || key[0] == 'h') ? 1 : 0;
  if (i == key.size() || key.size() - i > 6) return 0;
  int n = 0;
  for (; i < key.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(key[i]))) return 0;
    n = n * 10 + (key[i] - '0');
  }
  return n;
}

// A definition line that began with '*' would read as an entry header, so
// such a line is shifted by a blank (and the text wrapped one narrower).
void AppendBody(std::vector<std::string>& lines, const std::string& text) {
  std::vector<std::string> body = WrapText(text, kDefColumns);
  bool star = false;
  for (const std::string& line : body) star = star || line.front() == '*';
  if (star) {
    body = WrapText(text, kDefColumns - 1);
    for (std::string& line : body) {
      if (line.front() == '*') line.insert(0, 1, ' ');
    }
  }
  lines.insert(lines.end(), body.begin(), body.end());
}

}  // namespace

std::vector<std::string> FormatDictEntry(int number, const DictEntry& entry) {
  // Appended: for "*" + std::to_string(...), or an insert at 0, GCC 12 at
  // -O3 reports a false -Wrestrict inside std::string (GCC bug 105651).
  std::string header = std::string("*").append(std::to_string(number));
  const std::string* parts[] = {&entry.hebrew, &entry.transliteration, &entry.pronunciation};
  bool first = true;
  for (const std::string* part : parts) {
    if (part->empty()) continue;
    header += first ? " " : "; ";
    header += *part;
    first = false;
  }
  // The header keeps "*" + number as its first word, so wrapping it leaves
  // the number on the first line; any overflow reads as definition text.
  std::vector<std::string> headerLines = WrapText(header, kDefColumns);
  std::vector<std::string> lines{headerLines.front()};
  if (headerLines.size() > 1) {
    std::string rest;
    for (size_t i = 1; i < headerLines.size(); ++i) rest += (i > 1 ? " " : "") + headerLines[i];
    AppendBody(lines, rest);
  }
  if (!entry.definition.empty()) AppendBody(lines, entry.definition);
  return lines;
}

ImportResult ImportDictionary(const std::string& outDir, const std::string& swordModule,
                              const std::string& swordDir) {
  const std::string name = swordModule.empty() ? kDefaultModule : swordModule;
  // Without an explicit folder the library reads the system configuration
  // (/etc/sword.conf, /usr/share/sword), where the Debian package installs.
  std::unique_ptr<sword::SWMgr> mgr =
      swordDir.empty()
          ? std::make_unique<sword::SWMgr>()
          : std::make_unique<sword::SWMgr>(swordDir.c_str(), true, nullptr, false, false);
  sword::SWModule* module = mgr->getModule(name.c_str());
  if (module == nullptr) {
    return ImportResult::Fail("Strong's Hebrew dictionary: SWORD module " + name +
                              " not found; install the Debian package " + kPackage +
                              " (apt-get install " + kPackage + ")");
  }
  // The module is walked once in its own key order; the numbers are then
  // written in ascending order whatever that order was. A key seen twice
  // keeps its first entry.
  std::vector<std::string> texts(kHebrewEntries + 1);
  std::vector<bool> seen(kHebrewEntries + 1, false);
  for (module->setPosition(sword::TOP); !module->popError(); (*module)++) {
    int n = KeyNumber(module->getKeyText());
    if (n < 1 || n > kHebrewEntries || seen[n]) continue;
    seen[n] = true;
    for (const std::string& line : FormatDictEntry(n, ParseDictEntry(module->getRawEntry()))) {
      texts[n] += line;
      texts[n] += "\r\n";
    }
  }
  std::string file;
  for (int n = 1; n <= kHebrewEntries; ++n) {
    if (!seen[n]) {
      return ImportResult::Fail("Strong's Hebrew dictionary: SWORD module " + name +
                                " has no entry " + std::to_string(n) +
                                "; reinstall the Debian package " + kPackage);
    }
    file += texts[n];
  }
  return WriteFile(JoinPath(outDir, "Hebrew.def"), file);
}

ImportResult WriteSupplement(const std::string& outDir) {
  // Our own summary of the verb system. Only lines that begin with a number
  // and a blank are read as supplement lines; the titles are skipped.
  static constexpr const char* kLines[] = {
      "Hebrew verb stems and forms (add -N to a Strong's number to see line N)",
      "",
      "Stems",
      "1 Qal: the simple stem; the plain active sense of the root (\"he broke\").",
      "2 Niphal: passive or reflexive of Qal (\"it was broken\", \"he hid himself\").",
      "3 Piel: intensive, or bringing about a state; middle letter doubled (\"smashed\").",
      "4 Pual: passive of Piel (\"it was smashed\").",
      "5 Hiphil: causative, with a prefixed he (\"he made it fall\").",
      "6 Hophal: passive of Hiphil (\"it was made to fall\").",
      "7 Hithpael: reflexive or reciprocal of Piel, prefix hith- (\"he hid himself\").",
      "8 Polel: Piel-like stem of hollow and doubled roots, last letter repeated.",
      "9 Polal: passive of Polel.",
      "10 Hithpolel: reflexive of Polel (\"he stirred himself up\").",
      "11 Pilpel: two-letter root said twice, a repeated or vivid action (\"he rolled\").",
      "12 Poel: Piel-like stem with o after the first letter of the root.",
      "13 Poal: passive of Poel.",
      "14 Hishtaphel: reflexive causative of \"bow down, worship\" (hishtachavah).",
      "15 Tiphel: causative with a prefixed tav; rare.",
      "16 Nithpael: passive reflexive, a blend of Niphal and Hithpael; rare.",
      "17 Hothpaal: passive of Hithpael; rare.",
      "18 Peal: Aramaic simple stem, as Qal.",
      "19 Pael: Aramaic intensive stem, as Piel.",
      "20 Haphel or Aphel: Aramaic causative stems, as Hiphil.",
      "21 Hithpeel or Ithpeel: Aramaic passive or reflexive of Peal.",
      "22 Hithpaal: Aramaic reflexive of Pael.",
      "",
      "Forms",
      "23 Perfect (qatal): a finished action or a state, mostly told as past.",
      "24 Imperfect (yiqtol): an unfinished action: future, habit, wish or purpose.",
      "25 Waw-consecutive imperfect (wayyiqtol): the narrative past, \"and he did\".",
      "26 Waw-consecutive perfect (weqatal): carries on a future or a command.",
      "27 Imperative: a command to the one addressed (\"break!\").",
      "28 Jussive: a wish or command for a third person, often a shortened imperfect.",
      "29 Cohortative: a first-person resolve or wish, often with -ah (\"let us go\").",
      "30 Infinitive absolute: verbal noun; stresses a verb (\"surely die\") or commands.",
      "31 Infinitive construct: verbal noun after prepositions and as a noun (\"to go\").",
      "32 Participle active: ongoing action or the one acting (\"going\", \"a keeper\").",
      "33 Participle passive: the state that results, mostly Qal (\"blessed\").",
  };
  std::string file;
  for (const char* line : kLines) {
    file += line;
    file += "\r\n";
  }
  return WriteFile(JoinPath(outDir, "OT.VRB"), file);
}

}  // namespace orv
