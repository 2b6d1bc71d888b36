#include "app/grafikdatei.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace quarvel {
namespace {

TEST(Grafikdatei, EndungDesFiltersNurWennKeineDasteht) {
  const struct {
    const char* name;
    Grafikformat format;
    const char* ergebnis;
  } faelle[] = {{"bild", Grafikformat::png, "bild.png"},
                {"ordner.d/bild", Grafikformat::svg, "ordner.d/bild.svg"},
                {"bild.", Grafikformat::pdf, "bild.pdf"},
                {"bild.PDF", Grafikformat::png, "bild.PDF"},
                {"bild.jpg", Grafikformat::png, "bild.jpg"},
                {".png", Grafikformat::png, ".png"},
                {"", Grafikformat::png, ""}};
  for (const auto& fall : faelle)
    EXPECT_EQ(mitEndung(fall.name, fall.format), fall.ergebnis) << fall.name;
}

TEST(Grafikdatei, FormatNachEndungUndZielPruefen) {
  const std::filesystem::path ordner =
      std::filesystem::temp_directory_path() / "quarvel_grafikdatei";
  std::filesystem::remove_all(ordner);
  std::filesystem::create_directories(ordner / "schon.png");
  std::ofstream(ordner / "alt.svg") << "alt";

  EXPECT_EQ(pruefeGrafikdatei((ordner / "alt.svg").string()).format, Grafikformat::svg);
  EXPECT_EQ(pruefeGrafikdatei((ordner / "schon.png").string()).grund,
            "Unter diesem Namen steht schon ein Ordner.");
  std::filesystem::remove_all(ordner);
}

}  // namespace
}  // namespace quarvel
