#include "import/dict_markup.h"

#include <cstdint>
#include <cstdlib>

#include "import/xml_entities.h"

namespace orv {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// One blank for every run of white space, none at the ends. With
// `forms` set, a run of two or more blanks (the module's separator
// between alternative forms of a word) becomes ", " instead.
std::string Collapse(std::string_view text, bool forms) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    if (!IsBlank(text[i])) {
      out += text[i++];
      continue;
    }
    size_t run = 0;
    while (i < text.size() && IsBlank(text[i])) ++i, ++run;
    if (out.empty() || i == text.size()) continue;
    out += forms && run >= 2 ? ", " : " ";
  }
  return out;
}

std::string Clean(std::string_view text, bool forms) {
  return Collapse(ResolveBraces(DecodeEntities(text)), forms);
}

bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Tag {
  std::string_view name;
  std::string_view attrs;
  bool closing = false;
  bool selfClosing = false;
};

// Reads the tag whose '<' is at text[pos]; false when no '>' follows or the
// '<' does not start a name, so that the '<' is taken as text.
bool ReadTag(std::string_view text, size_t pos, Tag& tag, size_t& after) {
  size_t close = text.find('>', pos);
  if (close == std::string_view::npos) return false;
  std::string_view inner = text.substr(pos + 1, close - pos - 1);
  tag = Tag{};
  if (!inner.empty() && inner.front() == '/') {
    tag.closing = true;
    inner.remove_prefix(1);
  }
  if (!inner.empty() && inner.back() == '/') {
    tag.selfClosing = true;
    inner.remove_suffix(1);
  }
  size_t nameEnd = 0;
  while (nameEnd < inner.size() && !IsBlank(inner[nameEnd])) ++nameEnd;
  tag.name = inner.substr(0, nameEnd);
  tag.attrs = inner.substr(nameEnd);
  if (tag.name.empty()) return false;
  after = close + 1;
  return true;
}

bool HasTransType(std::string_view attrs) {
  return attrs.find("type=\"trans\"") != std::string_view::npos ||
         attrs.find("type='trans'") != std::string_view::npos;
}

}  // namespace

std::string DecodeEntities(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&') {
      size_t semi = text.find(';', i + 1);
      if (semi != std::string_view::npos && semi - i <= 12 &&
          AppendEntity(out, text.substr(i + 1, semi - i - 1))) {
        i = semi;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

std::string ResolveBraces(std::string_view text) {
  static constexpr std::string_view kListEnd = ")]},;:.!?";
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '{') {
      size_t close = text.find('}', i + 1);
      size_t nested = text.find('{', i + 1);
      if (close == std::string_view::npos || nested < close) continue;  // unmatched
      out.append(text.substr(i + 1, close - i - 1));
      size_t next = close + 1;
      while (next < text.size() && IsBlank(text[next])) ++next;
      // Braces stand for the commas of a list: the last item of a list
      // (before a bracket, punctuation or the end) takes none.
      if (next < text.size() &&
          (text[next] == '{' || kListEnd.find(text[next]) == std::string_view::npos)) {
        out += ',';
      }
      i = close;
    } else if (text[i] != '}') {
      out += text[i];
    }
  }
  return out;
}

std::string RestoreCommas(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    bool comma = text[i] == '6' && i > 0 && IsLower(text[i - 1]) &&
                 (i + 1 == text.size() || !IsDigit(text[i + 1]));
    if (!comma) {
      out += text[i];
      continue;
    }
    // Before a closing bracket or other punctuation the comma is dropped.
    if (i + 1 < text.size() &&
        std::string_view(")];:,.").find(text[i + 1]) != std::string_view::npos)
      continue;
    out += ',';
    if (i + 1 < text.size() && (IsLower(text[i + 1]) || (text[i + 1] >= 'A' && text[i + 1] <= 'Z')))
      out += ' ';
  }
  return out;
}

std::string StripMarkup(std::string_view text) {
  std::string plain;
  plain.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    Tag tag;
    size_t after = 0;
    if (text[i] == '<' && ReadTag(text, i, tag, after)) {
      if (tag.selfClosing) plain += ' ';  // a break such as <lb/> parts words
      i = after;
    } else {
      plain += text[i++];
    }
  }
  return Clean(plain, false);
}

DictEntry ParseDictEntry(std::string_view raw) {
  enum Field { kNone, kHebrew, kTrans, kPron, kDef };
  std::string fields[5];
  Field field = kNone;
  std::string_view fieldTag;
  bool sawDef = false;
  for (size_t i = 0; i < raw.size();) {
    Tag tag;
    size_t after = 0;
    if (raw[i] != '<' || !ReadTag(raw, i, tag, after)) {
      if (field != kNone) {
        fields[field] += raw[i];
      }
      ++i;
      continue;
    }
    i = after;
    if (field == kNone && !tag.closing && !tag.selfClosing) {
      if (tag.name == "orth") {
        field = HasTransType(tag.attrs) ? kTrans : kHebrew;
      } else if (tag.name == "pron") {
        field = kPron;
      } else if (tag.name == "def") {
        field = kDef;
        sawDef = true;
      }
      if (field != kNone) {
        // A second form in its own element joins the first as a form.
        if (field != kDef && !fields[field].empty()) fields[field] += "  ";
        fieldTag = tag.name;
      }
    } else if (field != kNone && tag.closing && tag.name == fieldTag) {
      field = kNone;
    } else if (field == kDef && tag.selfClosing) {
      fields[kDef] += ' ';
    }
    // Inline markup (<hi>, <ref>) just disappears: a superscript joins its
    // word ("t<hi>e</hi>shurah"), so no blank takes its place.
  }
  DictEntry entry;
  entry.hebrew = Clean(fields[kHebrew], true);
  entry.transliteration = Clean(fields[kTrans], true);
  entry.pronunciation = Clean(fields[kPron], true);
  entry.definition = sawDef ? Clean(RestoreCommas(fields[kDef]), false) : StripMarkup(raw);
  return entry;
}

}  // namespace orv
