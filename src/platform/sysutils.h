#pragma once
// Small text and path helpers that the window and the subsystems share.

#include <QString>
#include <string>

namespace zk {

// The path delimiter of this system ("/" here, "\" on Windows).
inline constexpr char PathDelim = '/';

// Integer conversion with a default: optional leading blanks, an optional sign, then decimal
// digits, or hexadecimal digits after "$" or "0x"/"0X". Anything else, an empty text, or a
// number outside the 32-bit range gives def. Hexadecimal takes up to 32 bits and wraps to
// signed, as the old conversion did ("$FFFFFFFF" is -1).
int StrToIntDef(const std::string& text, int def);

// The directory part of a path: its text up to and including the last delimiter, or empty.
QString ExtractFilePath(const QString& path);

// Locale-aware upper case of a text.
QString AnsiUpperCase(const QString& text);

// Locale-aware comparison that ignores case: <0, 0 or >0.
int AnsiCompareText(const QString& a, const QString& b);

}  // namespace zk
