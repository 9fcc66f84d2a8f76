#pragma once
// Filling a text template: placeholders replaced by their values, and the small pure
// computations behind the game script's values. Plain C++, no window and no files.

#include <array>
#include <string>
#include <vector>

namespace zk {

// Replaces, line by line, every occurrence of placeholder j by value j. Placeholders are taken in
// list order; all occurrences of one are replaced before the next is looked for, each search
// starting at the beginning of the line's current text. Matching is byte for byte and
// case-sensitive; the number of lines never changes. A line sees at most as many replacements
// as it held "%" signs, so the routine ends whatever the lists hold; with placeholders that hold
// "%" and values that hold none that bound is never reached.
void SubstitutePlaceholders(std::vector<std::string>& lines,
                            const std::vector<std::string>& placeholders,
                            const std::vector<std::string>& values);

// count copies of text with single blanks between them; empty for a count of 0 or less.
std::string RepeatText(const std::string& text, int count);

// The trigger release value of a chance position 0..100: (p * 255 - 1) / 100, and 0 for 0.
int ReleaseValue(int position);

// A weapon preference slider as the ordering sees it.
struct TPreference {
  int position;
  int tag;
};
using TPreferences = std::array<TPreference, 5>;

// Ascending by position; equal positions keep their order (neighbour exchanges, five passes).
TPreferences SortPreferences(TPreferences prefs);

// Weight k of the sorted preferences: position k * 255 / (position k + ... + position 5).
// A sum of 0 (only possible outside the sliders' range) gives 0.
std::array<int, 4> PreferenceWeights(const TPreferences& sorted);

}  // namespace zk
