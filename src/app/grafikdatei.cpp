#include "app/grafikdatei.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>
#include <utility>

namespace quarvel {

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::pair<Grafikformat, const char*>, 3> formate{
    {{Grafikformat::png, ".png"}, {Grafikformat::pdf, ".pdf"}, {Grafikformat::svg, ".svg"}}};

const char* const moeglicheFormate = "möglich sind PNG (.png), PDF (.pdf) und SVG (.svg).";

std::string klein(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  });
  return text;
}

bool beschreibbar(const fs::path& pfad) {
  return ::access(pfad.c_str(), W_OK) == 0;
}

// ".png": a format's extension with no name before it.
bool nurEndung(const fs::path& name) {
  const std::string text = klein(name.string());
  return std::any_of(formate.begin(), formate.end(),
                     [&](const auto& f) { return text == f.second; });
}

}  // namespace

std::string endung(Grafikformat format) {
  for (const auto& [f, e] : formate) {
    if (f == format) return e;
  }
  return {};
}

Grafikdateiwahl pruefeGrafikdatei(const std::string& datei) {
  if (datei.empty()) return {std::nullopt, "Es fehlt ein Dateiname."};
  const fs::path pfad(datei);
  const fs::path name = pfad.filename();
  if (name.empty())
    return {std::nullopt, "Der Name endet mit einem Schrägstrich; es fehlt der Dateiname."};
  if (nurEndung(name)) return {std::nullopt, "Vor der Endung fehlt der Name der Datei."};
  const std::string art = klein(name.extension().string());
  if (art.empty() || art == ".") {
    return {std::nullopt, std::string("Der Name hat keine Endung; ") + moeglicheFormate};
  }
  std::optional<Grafikformat> format;
  for (const auto& [f, e] : formate) {
    if (art == e) format = f;
  }
  if (!format) {
    return {std::nullopt, "Das Format „" + art + "“ kennt Quarvel nicht; " + moeglicheFormate};
  }

  std::error_code fehler;
  const fs::path ordner = pfad.has_parent_path() ? pfad.parent_path() : fs::path(".");
  if (!fs::is_directory(ordner, fehler)) {
    return {std::nullopt, "Den Ordner „" + ordner.string() + "“ gibt es nicht."};
  }
  const fs::file_status status = fs::status(pfad, fehler);
  if (fs::is_directory(status)) return {std::nullopt, "Unter diesem Namen steht schon ein Ordner."};
  // A device or pipe is never replaced by a picture (the file is written beside it and
  // renamed over it).
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    return {std::nullopt, "Unter diesem Namen steht keine gewöhnliche Datei."};
  }
  if (fs::exists(status) && !beschreibbar(pfad)) {
    return {std::nullopt, "Die vorhandene Datei darf nicht überschrieben werden."};
  }
  if (!beschreibbar(ordner)) {
    return {std::nullopt, "In den Ordner „" + ordner.string() + "“ darf nicht geschrieben werden."};
  }
  return {format, {}};
}

std::string mitEndung(const std::string& datei, Grafikformat format) {
  const fs::path name = fs::path(datei).filename();
  if (datei.empty() || name.extension().string().size() > 1 || nurEndung(name)) return datei;
  // "bild." takes the extension without a second dot.
  return datei.back() == '.' ? datei + endung(format).substr(1) : datei + endung(format);
}

}  // namespace quarvel
