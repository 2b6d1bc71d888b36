#include <gtest/gtest.h>

#include "term/klammerpotenzen.h"

namespace quarvel {
namespace {

TEST(Klammerpotenzen, EntfaltePotenzen) {
  struct Fall {
    const char* vorher;
    const char* nachher;  // nullptr: refused
  };
  const Fall faelle[] = {
      {"1*0+(x-1)^3*1", "1*0+(x-1)*(x-1)*(x-1)*1"},
      {"1*0+(x-1)^1*1", "1*0+(x-1)*1"},
      {"1*0+2*(x-1)^0*1", "1*0+2*1*1"},
      // Nested powers from the inside out.
      {"1*0+((x+1)^2)^3*1", "1*0+((x+1)*(x+1))*((x+1)*(x+1))*((x+1)*(x+1))*1"},
      // The caret of x^2 inside a bracket is no bracket power.
      {"1*0+(x^2+1)^2*(x-1)^3*1", "1*0+(x^2+1)*(x^2+1)*(x-1)*(x-1)*(x-1)*1"},
      // Only one digit is the exponent; the next stays for the reader to refuse.
      {"1*0+(x-1)^12*1", "1*0+(x-1)2*1"},
      {"1*0+x^2*1", "1*0+x^2*1"},
      // The power of a number is left alone.
      {"1*0+(x+1)*2^3*(x-1)^2*1", "1*0+(x+1)*2^3*(x-1)*(x-1)*1"},
      // A caret without exponent must not vanish into a "1".
      {"1*0+(x+1)^*1", nullptr},
      {"(x+1)^", nullptr},
      // Nested powers that would grow past the length bound.
      {"((((((x)^9)^9)^9)^9)^9)^9", nullptr},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.vorher);
    const Entfaltung e = entfaltePotenzen(f.vorher);
    EXPECT_EQ(e.ok, f.nachher != nullptr);
    if (f.nachher) {
      EXPECT_EQ(e.text, f.nachher);
    }
    EXPECT_EQ(e.fehlerMeldung, "");
  }
}

}  // namespace
}  // namespace quarvel
