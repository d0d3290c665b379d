// bryzas: LL(1) parser generator writing a recursive-descent parser in Ada.
#include <csignal>
#include <cstdlib>
#include <iostream>

#include "generator/bryzas_uruchom.h"
#include "wspolne/status.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  // Under a file size limit a write that goes past it fails and is reported,
  // instead of the signal ending the run without a word.
  std::signal(SIGXFSZ, SIG_IGN);
  std::vector<std::string> argumenty(argv + 1, argv + argc);
  int status = bryzas::bryzas_uruchom(argumenty, std::cout, std::getenv("SOURCE_DATE_EPOCH"));
  std::cout.flush();
  // A console that could not take the report must not end as a success.
  if (!std::cout && status == wspolne::status_sukces) status = wspolne::status_awaria;
  return status;
}
