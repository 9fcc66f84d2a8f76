#include "platform/sysutils.h"

#include <cstdint>
#include <cwchar>
#include <cwctype>
#include <type_traits>

#ifdef _WIN32
#include "platform/win32/winapi.h"
#endif

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

std::string ExtractFilePath(const std::string& path) {
#ifdef _WIN32
  const std::size_t i = path.find_last_of("\\:");
#else
  const std::size_t i = path.rfind(PathDelim);
#endif
  return i == std::string::npos ? std::string() : path.substr(0, i + 1);
}

namespace {

// UTF-8 to wide characters and back; a byte that does not decode stands for itself, so no text
// is lost on the way.
std::wstring Widen(const std::string& text) {
  std::wstring wide;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead >= 0xF0 && lead < 0xF8 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    std::uint32_t code = extra == 0 ? lead : lead & (0x3Fu >> extra);
    bool ok = lead < 0x80 || extra > 0;
    for (int k = 1; ok && k <= extra; ++k) {
      const std::size_t at = i + static_cast<std::size_t>(k);
      ok = at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
      if (ok) code = (code << 6) | (static_cast<unsigned char>(text[at]) & 0x3Fu);
    }
    if (!ok) {
      wide.push_back(static_cast<wchar_t>(lead));
      ++i;
      continue;
    }
    if (sizeof(wchar_t) == 2 && code > 0xFFFF) {
      code -= 0x10000;
      wide.push_back(static_cast<wchar_t>(0xD800 + (code >> 10)));
      wide.push_back(static_cast<wchar_t>(0xDC00 + (code & 0x3FF)));
    } else {
      wide.push_back(static_cast<wchar_t>(code));
    }
    i += static_cast<std::size_t>(extra) + 1;
  }
  return wide;
}

void PutUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

std::uint32_t CodeOf(wchar_t c) {
  return static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<wchar_t>>(c));
}

std::string Narrow(const std::wstring& wide) {
  std::string out;
  for (std::size_t i = 0; i < wide.size(); ++i) {
    std::uint32_t code = CodeOf(wide[i]);
    if (sizeof(wchar_t) == 2 && code >= 0xD800 && code < 0xDC00 && i + 1 < wide.size()) {
      code = 0x10000 + ((code - 0xD800) << 10) + (CodeOf(wide[++i]) - 0xDC00);
    }
    PutUtf8(out, code);
  }
  return out;
}

}  // namespace

#ifdef _WIN32

std::string AnsiUpperCase(const std::string& text) {
  std::wstring wide = Widen(text);
  if (!wide.empty()) CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return Narrow(wide);
}

int AnsiCompareText(const std::string& a, const std::string& b) {
  const std::wstring wa = Widen(a);
  const std::wstring wb = Widen(b);
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.c_str(),
                        static_cast<int>(wa.size()), wb.c_str(), static_cast<int>(wb.size())) -
         CSTR_EQUAL;
}

#else

namespace {
std::wstring UpperWide(const std::string& text) {
  std::wstring wide = Widen(text);
  for (wchar_t& c : wide) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  return wide;
}
}  // namespace

std::string AnsiUpperCase(const std::string& text) {
  return Narrow(UpperWide(text));
}

int AnsiCompareText(const std::string& a, const std::string& b) {
  // The user's collation (set at start-up) over the upper-cased texts.
  return std::wcscoll(UpperWide(a).c_str(), UpperWide(b).c_str());
}

#endif

}  // namespace zk
