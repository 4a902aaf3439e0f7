#include "model/books.h"

#include <array>

namespace orv {
namespace {

constexpr std::array<const char*, kBookCount> kCodes = {
    "GEN", "EX",   "LEV", "NUM", "DEU",  "JOS",  "JUD", "RUTH", "1SA", "2SA",
    "1KI", "2KI",  "1CH", "2CH", "EZRA", "NEH",  "EST", "JOB",  "PS",  "PR",
    "ECC", "SS",   "ISA", "JER", "LAM",  "EZ",   "DAN", "HOS",  "JOEL", "AMOS",
    "OBAD", "JON", "MIC", "NAH", "HAB",  "ZEP",  "HAG", "ZEC",  "MAL"};

constexpr std::array<const char*, kBookCount> kNames = {
    "Genesis",      "Exodus",        "Leviticus", "Numbers",      "Deuteronomy",
    "Joshua",       "Judges",        "Ruth",      "1 Samuel",     "2 Samuel",
    "1 Kings",      "2 Kings",       "1 Chronicles", "2 Chronicles", "Ezra",
    "Nehemiah",     "Esther",        "Job",       "Psalms",       "Proverbs",
    "Ecclesiastes", "Song of Solomon", "Isaiah",  "Jeremiah",     "Lamentations",
    "Ezekiel",      "Daniel",        "Hosea",     "Joel",         "Amos",
    "Obadiah",      "Jonah",         "Micah",     "Nahum",        "Habakkuk",
    "Zephaniah",    "Haggai",        "Zechariah", "Malachi"};

constexpr std::array<const char*, kBookCount> kCiteAbbrevs = {
    "Gen", "Ex ", "Lev", "Num", "Deu", "Jos", "Jud", "Rth", "1Sa", "2Sa", "1Ki", "2Ki", "1Ch",
    "2Ch", "Ezr", "Neh", "Est", "Job", "Ps ", "Pr ", "Ecc", "SS ", "Isa", "Jer", "Lam", "Ez ",
    "Dan", "Hos", "Joe", "Amo", "Oba", "Jon", "Mic", "Nah", "Hab", "Zep", "Hag", "Zec", "Mal"};

}  // namespace

std::string BookCode(int book) {
  return (book >= 1 && book <= kBookCount) ? kCodes[static_cast<size_t>(book - 1)] : "";
}

std::string BookName(int book) {
  return (book >= 1 && book <= kBookCount) ? kNames[static_cast<size_t>(book - 1)] : "UNKNOWN";
}

std::string BookCiteAbbrev(int book) {
  return (book >= 1 && book <= kBookCount) ? kCiteAbbrevs[static_cast<size_t>(book - 1)] : "";
}

}  // namespace orv
