// bryzas: LL(1) parser generator writing a recursive-descent parser in Ada.
#include <cstdlib>
#include <iostream>

#include "bryzas_uruchom.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string> argumenty(argv + 1, argv + argc);
  int status = bryzas::bryzas_uruchom(argumenty, std::cout, std::getenv("SOURCE_DATE_EPOCH"));
  std::cout.flush();
  return status;
}
