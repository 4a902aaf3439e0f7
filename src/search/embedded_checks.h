// The checks of the embedded word search dialog (TEmbedded): the search
// term and the skip factor as typed, with the messages to show.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "search/search_state.h"

namespace orv {

inline constexpr char kInvalidSkipFactor[] = "** Invalid skip factor";
inline constexpr char kInvalidSearchTerm[] =
    "** The search term may hold only the 22 Hebrew letters";

// The largest skip factor accepted: more than the letters of the whole
// text (about 1.2 million), so every skip at which a term's second letter
// can still lie in the text is allowed, while a number such as
// 2,000,000,000 is refused before any scan.
inline constexpr int32_t kMaxSkipFactor = 1'500'000;

// The term as the filter reads it: Unicode Hebrew turned into storage
// letters, ASCII lowered, blanks around it dropped. Sets `term` and returns
// "" when every character left is one of the 22 storage letters (an empty
// term is accepted and finds nothing); else returns kInvalidSearchTerm and
// leaves `term` unchanged.
std::string ReadSearchTerm(std::string_view typed, std::string& term);

// The skip factor: a whole number from 0 to kMaxSkipFactor. Sets `skip` and
// returns "", or returns kInvalidSkipFactor and leaves it unchanged.
std::string ReadSkipFactor(std::string_view typed, int32_t& skip);

// The dialog's OK: the skip factor first, then the term; the first failure's
// message, or "" with both stored in `params`.
std::string CheckEmbeddedFields(std::string_view term, std::string_view skip,
                                EmbeddedParams& params);

}  // namespace orv
