// quarvel-skript: runs command scripts without Qt, so a build without the window still runs
// every script. Writing the graph to a file needs the painter of the window program:
// scripts with "printB DATEI" run through "quarvel --skript".

#include <iostream>

#include "app/skript.h"
#include "app/skriptaufruf.h"

int main(int argc, char* argv[]) {
  const quarvel::Skriptaufruf aufruf = quarvel::liesSkriptaufruf(argc, argv);
  constexpr const char* gebrauch = "Aufruf: quarvel-skript [--seed N] DATEI|-\n";
  if (aufruf.hilfe) {
    std::cout << gebrauch;
    return 0;
  }
  if (!aufruf.fehler.empty()) {
    std::cerr << "quarvel-skript: " << aufruf.fehler << "\n" << gebrauch;
    return 2;
  }
  std::ios::sync_with_stdio(false);
  return quarvel::fuehreSkriptdateiAus(*aufruf.skript, std::cin, std::cout, std::cerr, aufruf.seed);
}
