#pragma once
#include <span>

namespace tq {

struct AutocorrectPair {
    const char *word;
    const char *replacement;
};

// The common misspellings the budget hands to its spell checker when the window
// opens, in their fixed order ("reccomend" appears twice, as it always has).
std::span<const AutocorrectPair> autocorrectList();

} // namespace tq
