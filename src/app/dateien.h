#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quarvel {

// Writes `inhalt` to a temporary file in the folder of `datei`, forces it to disk and then
// renames it over `datei`. A failure at any step leaves a previous `datei` untouched and
// removes the temporary file. Returns an empty text on success, else the German reason.
std::string schreibeDateiSicher(const std::string& datei, std::string_view inhalt);

// Reads a whole file of at most `maxBytes` bytes into `inhalt`. Returns an empty text on
// success, else the German reason (missing, unreadable, too large).
std::string leseDatei(const std::string& datei, std::size_t maxBytes, std::string& inhalt);

}  // namespace quarvel
