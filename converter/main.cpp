// ostrew: converts a.ini in the current directory (or the file named on the
// command line) into XML.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "converter/osw.h"
#include "wspolne/status.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  // Under a file size limit a write that goes past it fails and is reported,
  // instead of the signal ending the run without a word.
  std::signal(SIGXFSZ, SIG_IGN);
  int status = ostrew::Osw(std::cout).uruchom(std::vector<std::string>(argv + 1, argv + argc));
  std::cout.flush();
  // A console that cannot take the report leaves nowhere to say so.
  if (!std::cout && status == wspolne::status_sukces) status = wspolne::status_awaria;
  return status;
}
