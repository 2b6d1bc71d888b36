#include "model/utf8.h"

namespace quarvel {

namespace {
constexpr char32_t ersatzzeichen = 0xFFFD;

// Decodes one code point at `pos` and advances it.
char32_t naechster(std::string_view text, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char b0 = byte(pos);
  int laenge = 0;
  char32_t c = 0;
  if (b0 < 0x80) {
    ++pos;
    return b0;
  } else if ((b0 & 0xE0) == 0xC0) {
    laenge = 2;
    c = b0 & 0x1Fu;
  } else if ((b0 & 0xF0) == 0xE0) {
    laenge = 3;
    c = b0 & 0x0Fu;
  } else if ((b0 & 0xF8) == 0xF0) {
    laenge = 4;
    c = b0 & 0x07u;
  } else {
    ++pos;
    return ersatzzeichen;
  }
  if (pos + static_cast<std::size_t>(laenge) > text.size()) {
    ++pos;
    return ersatzzeichen;
  }
  for (int i = 1; i < laenge; ++i) {
    const unsigned char b = byte(pos + static_cast<std::size_t>(i));
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return ersatzzeichen;
    }
    c = (c << 6) | (b & 0x3Fu);
  }
  pos += static_cast<std::size_t>(laenge);
  return c;
}
}  // namespace

std::vector<char32_t> codepunkte(std::string_view text) {
  std::vector<char32_t> ergebnis;
  ergebnis.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) ergebnis.push_back(naechster(text, pos));
  return ergebnis;
}

std::string utf8(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (c >> 18));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

std::string utf8(std::u32string_view zeichen) {
  std::string s;
  s.reserve(zeichen.size());
  for (char32_t c : zeichen) {
    if (c < 0x80) {
      s.push_back(static_cast<char>(c));
    } else {
      s += utf8(c);
    }
  }
  return s;
}

std::string utf8(const std::vector<char32_t>& zeichen) {
  return utf8(std::u32string_view(zeichen.data(), zeichen.size()));
}

std::u32string u32Text(std::string_view text) {
  const std::vector<char32_t> zeichen = codepunkte(text);
  return std::u32string(zeichen.begin(), zeichen.end());
}

char32_t ersterCodepunkt(std::string_view text) {
  if (text.empty()) return U'\0';
  std::size_t pos = 0;
  return naechster(text, pos);
}

}  // namespace quarvel
