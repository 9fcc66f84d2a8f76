#pragma once
// The fuzzing entry point of the template substitution. The input holds a mode byte, then the
// template, the placeholders and the values, separated by NULs, each split into lines. In the
// strict mode the lists keep to what the script writer hands over (each placeholder "%NAME%"
// with no other "%", values without "%", one value per placeholder); otherwise they hold
// anything. It checks what must hold and aborts when it fails.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_common.h"
#include "script/substitution.h"

namespace zk::fuzz {

using TTexts = std::vector<std::string>;

// Beyond this the prefix checks would make each input slow.
constexpr std::size_t kMaxPlaceholders = 32;

inline TTexts SplitAt(const std::string& text, char delimiter) {
  TTexts parts(1);
  for (const char c : text) {
    if (c == delimiter)
      parts.emplace_back();
    else
      parts.back() += c;
  }
  return parts;
}

inline std::string WithoutPercent(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '%'), text.end());
  return text;
}

inline std::size_t PercentCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '%'));
}

inline bool Contains(const TTexts& lines, const std::string& text) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

inline int FuzzSubstitution(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool strict = (data[0] & 1) != 0;
  const TTexts parts =
      SplitAt(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), '\0');
  const TTexts templateLines = SplitAt(parts[0], '\n');
  TTexts placeholders = parts.size() > 1 ? SplitAt(parts[1], '\n') : TTexts();
  TTexts values = parts.size() > 2 ? SplitAt(parts[2], '\n') : TTexts();
  if (placeholders.size() > kMaxPlaceholders) placeholders.resize(kMaxPlaceholders);

  if (!strict) {
    TTexts lines = templateLines;
    SubstitutePlaceholders(lines, placeholders, values);
    Require(lines.size() == templateLines.size(), "the number of lines never changes");
    return 0;
  }

  for (std::string& p : placeholders) p = "%" + WithoutPercent(p) + "%";
  for (std::string& v : values) v = WithoutPercent(v);
  values.resize(placeholders.size());

  TTexts lines = templateLines;
  SubstitutePlaceholders(lines, placeholders, values);
  Require(lines.size() == templateLines.size(), "the number of lines never changes");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t before = PercentCount(templateLines[i]);
    const std::size_t after = PercentCount(lines[i]);
    Require(after <= before && (before - after) % 2 == 0,
            "each replacement takes away exactly the placeholder's two \"%\" signs");
    if (before == 0) Require(lines[i] == templateLines[i], "a line without \"%\" is unchanged");
  }
  // Once its turn is over, a placeholder is gone from every line: its own value, which holds
  // no "%", cannot bring it back. (Later placeholders may form it anew; that is by design.)
  for (std::size_t n = 1; n <= placeholders.size(); ++n) {
    TTexts prefixLines = templateLines;
    SubstitutePlaceholders(prefixLines, TTexts(placeholders.begin(), placeholders.begin() + n),
                           TTexts(values.begin(), values.begin() + n));
    Require(!Contains(prefixLines, placeholders[n - 1]),
            "a replaced placeholder does not come back through its value");
  }
  return 0;
}

}  // namespace zk::fuzz
