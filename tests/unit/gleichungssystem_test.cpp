#include "construction/gleichungssystem.h"

#include <gtest/gtest.h>

namespace quarvel {
namespace {

Matrix aus(int zeilen, int spalten, std::initializer_list<double> werte) {
  Matrix m(zeilen, spalten);
  m.grid.assign(werte);
  return m;
}

TEST(Gleichungssystem, LoestUndLehntSingulaereUndFalschGeformteSystemeAb) {
  const Loesung l = loeseGleichungssystem(aus(2, 3, {2, 1, 5, 1, -1, 1}));  // 2x + y = 5, x − y = 1
  ASSERT_TRUE(l.ok);
  EXPECT_EQ(l.werte, aus(1, 2, {2, 1}));
  // x + 10y + z = 12, 2x + y + z = 4, x + y + 5z = 7: the largest pivot lies off the diagonal.
  const Loesung eins = loeseGleichungssystem(aus(3, 4, {1, 10, 1, 12, 2, 1, 1, 4, 1, 1, 5, 7}));
  ASSERT_TRUE(eins.ok);
  for (double w : eins.werte.grid) EXPECT_NEAR(w, 1.0, 1e-14);
  EXPECT_FALSE(loeseGleichungssystem(aus(2, 3, {1, 2, 3, 2, 4, 6})).ok);
  EXPECT_FALSE(loeseGleichungssystem(aus(2, 3, {1, 1, 0, 1, 1 + 1e-16, 1})).ok);
  EXPECT_TRUE(loeseGleichungssystem(aus(1, 2, {1e-16, 1})).ok) << "small, but not singular";
  EXPECT_FALSE(loeseGleichungssystem(aus(2, 2, {1, 0, 0, 1})).ok);  // no right-hand side
  EXPECT_FALSE(loeseGleichungssystem(aus(2, 4, {1, 0, 0, 0, 0, 1, 0, 0})).ok);
}

}  // namespace
}  // namespace quarvel
