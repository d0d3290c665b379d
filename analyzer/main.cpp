// bryzas_analiza: locates the LL(1) problems of a grammar before any Ada is
// generated, and computes its FIRST section.
#include <csignal>
#include <cstdlib>
#include <iostream>

#include "analyzer/analiza_uruchom.h"
#include "wspolne/status.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  // Under a file size limit a write past it fails and ends in status 3,
  // instead of the signal ending the run without a word.
  std::signal(SIGXFSZ, SIG_IGN);
  std::vector<std::string> argumenty(argv + 1, argv + argc);
  int status = bryzas_analiza::bryzas_analiza_uruchom(argumenty, std::cout, std::cerr, std::getenv("SOURCE_DATE_EPOCH"));
  // Output that could not be written fully is a failure, never a success.
  std::cout.flush();
  std::cerr.flush();
  if (!std::cout || !std::cerr) return wspolne::status_awaria;
  return status;
}
