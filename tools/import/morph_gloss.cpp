#include "import/morph_gloss.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <vector>

namespace orv {
namespace {

// One letter of a code and its abbreviation; an empty abbreviation is a
// letter the code uses for "not given" ("x").
struct Entry {
  char letter;
  const char* text;
};

// Position-dependent letter tables, in the order the code gives them.
enum class Field { kPerson, kGender, kNumber, kState };

template <size_t N>
std::optional<std::string> Look(const std::array<Entry, N>& table, char c) {
  for (const Entry& e : table) {
    if (e.letter == c) return std::string(e.text);
  }
  return std::nullopt;
}

constexpr std::array<Entry, 5> kAdjective{
    {{'a', "adj"}, {'c', "card"}, {'g', "gent"}, {'o', "ord"}, {'x', "adj"}}};
constexpr std::array<Entry, 4> kNoun{{{'c', "noun"}, {'g', "gent"}, {'p', "name"}, {'x', "noun"}}};
constexpr std::array<Entry, 6> kPronoun{{{'d', "pron.dem"},
                                         {'f', "pron.indf"},
                                         {'i', "pron.interr"},
                                         {'p', "pron.pers"},
                                         {'r', "pron.rel"},
                                         {'x', "pron"}}};
constexpr std::array<Entry, 1> kPreposition{{{'d', "prep.art"}}};
constexpr std::array<Entry, 5> kSuffix{
    {{'d', "dir.he"}, {'h', "par.he"}, {'n', "par.nun"}, {'p', "sfx"}, {'x', "sfx"}}};
constexpr std::array<Entry, 11> kParticle{{{'a', "affirm"},
                                           {'d', "art"},
                                           {'e', "exhort"},
                                           {'i', "interr"},
                                           {'j', "interj"},
                                           {'m', "dem"},
                                           {'n', "neg"},
                                           {'o', "obj"},
                                           {'p', "prep.art"},
                                           {'r', "rel"},
                                           {'x', "part"}}};
constexpr std::array<Entry, 28> kHebrewStem{
    {{'q', "qal"},       {'N', "niphal"},     {'p', "piel"},     {'P', "pual"},
     {'h', "hiphil"},    {'H', "hophal"},     {'t', "hithpael"}, {'o', "polel"},
     {'O', "polal"},     {'r', "hithpolel"},  {'m', "poel"},     {'M', "poal"},
     {'k', "palel"},     {'K', "pulal"},      {'Q', "qal.pass"}, {'l', "pilpel"},
     {'L', "polpal"},    {'f', "hithpalpel"}, {'D', "nithpael"}, {'j', "pealal"},
     {'i', "pilel"},     {'u', "hothpaal"},   {'c', "tiphil"},   {'v', "hishtaphel"},
     {'w', "nithpalel"}, {'y', "nithpoel"},   {'z', "hithpoel"}, {'x', "verb"}}};
constexpr std::array<Entry, 28> kAramaicStem{
    {{'q', "peal"},      {'Q', "peil"},       {'u', "hithpeel"},  {'N', "niphal"},
     {'p', "pael"},      {'P', "ithpaal"},    {'M', "hithpaal"},  {'a', "aphel"},
     {'h', "haphel"},    {'s', "saphel"},     {'e', "shaphel"},   {'H', "hophal"},
     {'i', "ithpeel"},   {'t', "hishtaphel"}, {'v', "ishtaphel"}, {'w', "hithaphel"},
     {'o', "polel"},     {'z', "ithpoel"},    {'r', "hithpolel"}, {'f', "hithpalpel"},
     {'b', "hephal"},    {'c', "tiphel"},     {'m', "poel"},      {'l', "palpel"},
     {'L', "ithpalpel"}, {'O', "ithpolel"},   {'G', "ittaphal"},  {'x', "verb"}}};
constexpr std::array<Entry, 12> kAspect{{{'a', "inf.abs"},
                                         {'c', "inf.cstr"},
                                         {'h', "coh"},
                                         {'i', "impf"},
                                         {'j', "juss"},
                                         {'p', "perf"},
                                         {'q', "weqt"},
                                         {'r', "ptc"},
                                         {'s', "ptc.pass"},
                                         {'v', "impv"},
                                         {'w', "wayy"},
                                         {'x', ""}}};
constexpr std::array<Entry, 4> kPerson{{{'1', "1"}, {'2', "2"}, {'3', "3"}, {'x', ""}}};
constexpr std::array<Entry, 5> kGender{{{'b', "b"}, {'c', "c"}, {'f', "f"}, {'m', "m"}, {'x', ""}}};
constexpr std::array<Entry, 4> kNumber{{{'d', "d"}, {'p', "p"}, {'s', "s"}, {'x', ""}}};
constexpr std::array<Entry, 3> kState{{{'a', "abs"}, {'c', "cstr"}, {'d', "det"}}};

// Reads one part of a code (no language letter, no "/"); nullopt when a
// letter is not in its table or letters are left over.
class PartReader {
 public:
  PartReader(std::string_view part, bool aramaic) : rest_(part), aramaic_(aramaic) {}

  std::optional<std::string> Read() {
    if (rest_.empty()) return std::nullopt;
    const char pos = Take();
    bool ok = true;
    switch (pos) {
      case 'C':
        Add("conj");
        break;
      case 'D':
        Add("adv");
        break;
      case 'A':
        ok = Typed(kAdjective, "adj") && Fields({Field::kGender, Field::kNumber, Field::kState});
        break;
      case 'N':
        ok = Typed(kNoun, "noun") && Fields({Field::kGender, Field::kNumber, Field::kState});
        break;
      case 'P':
        ok = Typed(kPronoun, "pron") && Fields({Field::kPerson, Field::kGender, Field::kNumber});
        break;
      case 'S':
        ok = Typed(kSuffix, "sfx") && Fields({Field::kPerson, Field::kGender, Field::kNumber});
        break;
      case 'R':
        ok = Typed(kPreposition, "prep");
        break;
      case 'T':
        ok = Typed(kParticle, "part");
        break;
      case 'V':
        ok = Verb();
        break;
      default:
        return std::nullopt;
    }
    if (!ok || !rest_.empty()) return std::nullopt;
    FlushPgn();
    return out_;
  }

 private:
  char Take() {
    const char c = rest_.front();
    rest_.remove_prefix(1);
    return c;
  }
  void Add(const std::string& text) {
    if (text.empty()) return;
    if (!out_.empty()) out_ += '.';
    out_ += text;
  }
  // Person, gender and number stand together as one abbreviation ("3ms").
  void FlushPgn() {
    Add(pgn_);
    pgn_.clear();
  }

  // The type letter after the part of speech, or `bare` when the code
  // stops after it.
  template <size_t N>
  bool Typed(const std::array<Entry, N>& table, const char* bare) {
    if (rest_.empty()) {
      Add(bare);
      return true;
    }
    std::optional<std::string> t = Look(table, Take());
    if (!t) return false;
    Add(*t);
    return true;
  }

  // Optional trailing fields: the code may stop after any of them.
  bool Fields(std::initializer_list<Field> fields) {
    for (Field f : fields) {
      if (rest_.empty()) return true;
      const char c = Take();
      std::optional<std::string> t;
      switch (f) {
        case Field::kPerson:
          t = Look(kPerson, c);
          break;
        case Field::kGender:
          t = Look(kGender, c);
          break;
        case Field::kNumber:
          t = Look(kNumber, c);
          break;
        case Field::kState:
          t = Look(kState, c);
          break;
      }
      if (!t) return false;
      if (f == Field::kState) {
        FlushPgn();
        Add(*t);
      } else {
        pgn_ += *t;
      }
    }
    return true;
  }

  bool Verb() {
    if (rest_.empty()) {
      Add("verb");
      return true;
    }
    std::optional<std::string> stem =
        aramaic_ ? Look(kAramaicStem, Take()) : Look(kHebrewStem, Take());
    if (!stem) return false;
    Add(*stem);
    if (rest_.empty()) return true;
    const char aspect = Take();
    std::optional<std::string> a = Look(kAspect, aspect);
    if (!a) return false;
    Add(*a);
    if (aspect == 'r' || aspect == 's')
      return Fields({Field::kGender, Field::kNumber, Field::kState});
    if (aspect == 'a' || aspect == 'c') return true;
    return Fields({Field::kPerson, Field::kGender, Field::kNumber});
  }

  std::string_view rest_;
  bool aramaic_;
  std::string out_;
  std::string pgn_;
};

}  // namespace

std::string MorphGloss(std::string_view code) {
  if (code.empty()) return std::string();
  const char language = code.front();
  if (language != 'H' && language != 'A') return std::string(code);
  std::string_view rest = code.substr(1);
  std::string out;
  while (true) {
    const size_t slash = rest.find('/');
    std::optional<std::string> part = PartReader(rest.substr(0, slash), language == 'A').Read();
    if (!part) return std::string(code);
    if (!out.empty()) out += '+';
    out += *part;
    if (slash == std::string_view::npos) break;
    rest.remove_prefix(slash + 1);
  }
  return out;
}

}  // namespace orv
