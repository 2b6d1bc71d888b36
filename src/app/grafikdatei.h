#pragma once

#include <optional>
#include <string>

namespace quarvel {

// The formats the graph can be written in, named by the file's extension.
enum class Grafikformat { png, pdf, svg };

// The extension of a format, with its dot: ".png".
std::string endung(Grafikformat format);

// What a file name for the graph says before anything is written: its format, or why it
// cannot be used (a German sentence without the file's name).
struct Grafikdateiwahl {
  std::optional<Grafikformat> format;
  std::string grund;
};

// Checks the name (any case of extension), that its folder exists and that the folder,
// or an existing file of that name, may be written.
Grafikdateiwahl pruefeGrafikdatei(const std::string& datei);

// The name with the format's extension appended when it has none (what a save dialog's
// chosen filter implies).
std::string mitEndung(const std::string& datei, Grafikformat format);

}  // namespace quarvel
