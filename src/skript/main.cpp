// quarvel-skript: runs command scripts without Qt, so a build without the window still runs
// every script. Writing the graph to a file needs the painter of the window program:
// scripts with "printB DATEI" run through "quarvel --skript".

#include <iostream>

#include "app/aufruf.h"

int main(int argc, char* argv[]) {
  const quarvel::Aufruf aufruf = quarvel::liesAufruf(argc, argv, quarvel::DateiOhneSchalter::ja);
  if (aufruf.hilfe || aufruf.fehlerhaft || !aufruf.skript) {
    std::cerr << "Aufruf: quarvel-skript DATEI|- [--seed N]\n";
    return aufruf.hilfe ? 0 : 2;
  }
  std::ios::sync_with_stdio(false);
  return quarvel::skriptStarten(*aufruf.skript, aufruf.seed, std::cin, std::cout, std::cerr);
}
