#include "script/substitution.h"

#include <algorithm>

namespace zk {

namespace {

size_t CountPercent(const std::string& line) {
  return static_cast<size_t>(std::count(line.begin(), line.end(), '%'));
}

void SubstituteLine(std::string& line, const std::vector<std::string>& placeholders,
                    const std::vector<std::string>& values) {
  if (line.find('%') == std::string::npos) return;
  // Each proper replacement removes two "%" signs, so this budget only ever stops a value that
  // holds "%" (one that held its own placeholder would otherwise be found again for ever).
  size_t budget = CountPercent(line);
  const size_t count = std::min(placeholders.size(), values.size());
  for (size_t j = 0; j < count && budget > 0; ++j) {
    const std::string& name = placeholders[j];
    if (name.empty()) continue;  // an empty name would match everywhere
    size_t at;
    while (budget > 0 && (at = line.find(name)) != std::string::npos) {
      line.replace(at, name.size(), values[j]);
      --budget;
      if (line.find('%') == std::string::npos) return;
    }
  }
}

}  // namespace

void SubstitutePlaceholders(std::vector<std::string>& lines,
                            const std::vector<std::string>& placeholders,
                            const std::vector<std::string>& values) {
  for (std::string& line : lines) SubstituteLine(line, placeholders, values);
}

std::string RepeatText(const std::string& text, int count) {
  if (count <= 0) return {};
  std::string result = text;
  for (int i = 1; i < count; ++i) {
    result += ' ';
    result += text;
  }
  return result;
}

int ReleaseValue(int position) {
  if (position <= 0) return 0;
  return (position * 255 - 1) / 100;
}

TPreferences SortPreferences(TPreferences prefs) {
  for (int pass = 0; pass < 5; ++pass)
    for (size_t i = 0; i + 1 < prefs.size(); ++i)
      if (prefs[i].position > prefs[i + 1].position) std::swap(prefs[i], prefs[i + 1]);
  return prefs;
}

std::array<int, 4> PreferenceWeights(const TPreferences& sorted) {
  std::array<int, 4> weights{};
  long long rest = 0;
  for (size_t k = sorted.size(); k-- > 0;) {
    rest += sorted[k].position;
    if (k < weights.size())
      weights[k] = rest == 0 ? 0 : static_cast<int>(sorted[k].position * 255LL / rest);
  }
  return weights;
}

}  // namespace zk
