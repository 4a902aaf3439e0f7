// Turns the book part of a typed citation into a book number.
#pragma once

#include <string_view>

namespace orv {

// Always a book number 1..39. The text is upper-cased (ASCII) and its blanks
// removed; then:
//  - a text equal to a book code ("GEN", "1SA", "PS") is that book;
//  - else the first book whose upper-case full name without blanks
//    ("1SAMUEL", "SONGOFSOLOMON") begins with the text, or with which the
//    text begins (the empty text matches Genesis);
//  - else the book whose name agrees with the text for the most leading
//    characters, the lowest number among equals (so "XYZ" gives Genesis).
int MatchBook(std::string_view text);

}  // namespace orv
