#include "platform/sysutils.h"

#include <QCollator>
#include <QLocale>
#include <cstdint>

namespace zk {

int StrToIntDef(const std::string& text, int def) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  bool hex = false;
  if (i < n && text[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= n) return def;
  // Accumulate in 64 bits and stop as soon as the 32-bit range is left, so long texts cannot
  // overflow.
  const int64_t limit = hex ? 0xFFFFFFFFLL : (negative ? 2147483648LL : 2147483647LL);
  int64_t value = 0;
  for (; i < n; ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (hex && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (hex && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return def;
    value = value * (hex ? 16 : 10) + digit;
    if (value > limit) return def;
  }
  if (hex) {
    const auto bits = static_cast<uint32_t>(value);
    const int64_t v = static_cast<int32_t>(bits);
    return static_cast<int32_t>(static_cast<uint32_t>(negative ? -v : v));
  }
  return static_cast<int>(negative ? -value : value);
}

QString ExtractFilePath(const QString& path) {
  const int i = path.lastIndexOf(QLatin1Char(PathDelim));
  return i < 0 ? QString() : path.left(i + 1);
}

QString AnsiUpperCase(const QString& text) {
  return QLocale().toUpper(text);
}

int AnsiCompareText(const QString& a, const QString& b) {
  QCollator collator{QLocale()};
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  return collator.compare(a, b);
}

}  // namespace zk
