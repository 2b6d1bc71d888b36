#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/zustand.h"

namespace quarvel {

// The document: everything a user built (functions, the current function, points, splines,
// deleted terms, the graph window and switches, decimals, protocol and field texts) as
// UTF-8 JSON. Numbers are written in the shortest form that reads back bit for bit.

inline constexpr std::string_view dokumentFormat = "quarvel-dokument";
inline constexpr int dokumentVersion = 1;
inline constexpr std::string_view dokumentEndung = ".quarvel";
// Larger files and more points are refused rather than read.
inline constexpr std::size_t maxDokumentBytes = 20u * 1024u * 1024u;
inline constexpr std::size_t maxDokumentPunkte = 10000;

// The document text of the state's work.
std::string dokumentText(const Zustand& z);
// The same without the field texts: two states whose work is alike give equal texts,
// whatever their fields show. The window compares these to tell unsaved changes.
std::string arbeitsstand(const Zustand& z);

// Reads a document into `z`. On success the state's work is replaced as a whole and the
// result is empty; otherwise the result says in German what is wrong and `z` is unchanged.
std::string dokumentLesen(Zustand& z, std::string_view text);

// The same for files. Both return an empty text on success, else the German message
// that names the file and the reason; a refused file leaves the state as it was.
std::string dokumentOeffnen(Zustand& z, const std::string& datei);
std::string dokumentSpeichern(const Zustand& z, const std::string& datei);

}  // namespace quarvel
