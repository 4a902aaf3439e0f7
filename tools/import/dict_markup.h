// Turns one entry of a SWORD dictionary module (TEI markup, as in Strong's
// Hebrew dictionary) into plain text: tags removed, entities decoded, blanks
// collapsed, and the module's stand-ins for commas ("{first} in" and
// "select6 feed" for "first, in" and "select, feed") written as commas.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orv {

struct DictEntry {
  std::string hebrew;           // the Hebrew word; several forms joined by " or "
  std::string transliteration;  // likewise
  std::string pronunciation;    // likewise
  std::string definition;
};

// Splits a TEI entry into its parts: the first <orth> is the Hebrew word,
// <orth type="trans"> the transliteration, <pron> the pronunciation, <def>
// the definition (a <lb/> inside it is a blank: the module puts it where the
// printed dictionary ran on). An entry with no <def> gives its whole
// stripped text as the definition. Every field is plain text (see
// StripMarkup). Never fails: a '<' without a closing '>' is kept as text.
DictEntry ParseDictEntry(std::string_view raw);

// Plain text of a marked-up fragment: tags removed, entities decoded (the five
// XML ones and numeric ones; an unknown entity stays as written), every run
// of white space one blank, no blank at either end, comma braces resolved.
std::string StripMarkup(std::string_view text);

// Decodes "&amp;", "&lt;", "&gt;", "&quot;", "&apos;", "&#N;" and "&#xH;"
// (as UTF-8); anything else beginning with '&' is copied unchanged.
std::string DecodeEntities(std::string_view text);

// Resolves the module's braces: "{word}" becomes "word," when more text of
// the same list follows, and plain "word" before a closing bracket,
// punctuation or the end. An unmatched brace is dropped.
std::string ResolveBraces(std::string_view text);

// The module writes some commas of a definition as a "6" right after a
// lower-case word ("select6 feed"): such a digit becomes ",", followed by
// a blank when a word follows at once, and is dropped before a closing
// bracket or punctuation ("(city6)"). Digits after anything else ("H6",
// "132:6") or before another digit stay.
std::string RestoreCommas(std::string_view text);

}  // namespace orv
