// Open Scriptures Hebrew Bible markup for the Hebrew import tests: pointed
// words and the book, word and segment elements around them.
#pragma once

#include <string>

namespace orv::test {

// Pointed Hebrew used by the fixtures (UTF-8).
inline const std::string kBereshit = "בְּ/רֵאשִׁ֖ית";  // b/rasyt, shin dot after a vowel
inline const std::string kBara = "בָּרָ֣א";
inline const std::string kSin = "יַעֲשֶׂ֨ה";       // sin dot
inline const std::string kShinNoDot = "אשר";  // unpointed, as a ketiv is written
inline const std::string kEretz = "הָ/אָֽרֶץ";    // final tsade
inline const std::string kLarge = "אֶחָ֑<seg type=\"x-large\">ד</seg>";

// A book file (Genesis) around `body`.
inline std::string Osis(const std::string& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<osis xmlns=\"http://www.bibletechnologies.net/2003/OSIS/namespace\">\n"
         "<osisText><div type=\"book\" osisID=\"Gen\">\n" +
         body + "\n</div></osisText></osis>\n";
}

// A word with its lemma, and its type when given.
inline std::string W(const std::string& lemma, const std::string& text,
                     const std::string& type = "") {
  return "<w lemma=\"" + lemma + "\"" + (type.empty() ? "" : " type=\"" + type + "\"") + ">" +
         text + "</w>";
}

// A segment: a maqqef, a paseq, a pe or samekh break, the end of a verse.
inline std::string Seg(const std::string& type, const std::string& text) {
  return "<seg type=\"" + type + "\">" + text + "</seg>";
}

}  // namespace orv::test
