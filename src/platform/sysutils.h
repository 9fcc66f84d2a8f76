#pragma once
// Small text and path helpers that the window and the subsystems share. Texts are UTF-8.

#include <string>

namespace zk {

// The path delimiter of this system.
#ifdef _WIN32
inline constexpr char PathDelim = '\\';
#else
inline constexpr char PathDelim = '/';
#endif

// What a file name typed by the user may not hold, lest it lead out of its folder: the
// delimiters of this system (on Windows both "\" and "/", and the drive's ":").
#ifdef _WIN32
inline constexpr char FolderEscapes[] = "\\/:";
#else
inline constexpr char FolderEscapes[] = "/";
#endif

// Integer conversion with a default: optional leading blanks, an optional sign, then decimal
// digits, or hexadecimal digits after "$" or "0x"/"0X". Anything else, an empty text, or a
// number outside the 32-bit range gives def. Hexadecimal takes up to 32 bits and wraps to
// signed, as the old conversion did ("$FFFFFFFF" is -1).
int StrToIntDef(const std::string& text, int def);

// The directory part of a path: its text up to and including the last delimiter (or, on
// Windows, drive colon), or empty.
std::string ExtractFilePath(const std::string& path);

// Locale-aware upper case of a text.
std::string AnsiUpperCase(const std::string& text);

// Locale-aware comparison that ignores case: <0, 0 or >0.
int AnsiCompareText(const std::string& a, const std::string& b);

}  // namespace zk
