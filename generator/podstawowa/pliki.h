// The files that the stages of today's notation share: the parser package
// and the listing, written as the grammar is read, the log and the scanner
// specification. A stage that stops at an error leaves its file open with
// what it wrote; the road flushes and closes them all at the end.
#pragma once

#include "wspolne/plik_wy.h"

namespace bryzas::podstawowa {

struct Pliki {
  wspolne::Plik_Wy wys;     // P_pars.ads
  wspolne::Plik_Wy wyb;     // P_pars.adb
  wspolne::Plik_Wy lst;     // P.lst
  wspolne::Plik_Wy log;     // P.log
  wspolne::Plik_Wy skan_t;  // P_skan_t.ads

  // Closes every file still open, flushing it; throws the first failure
  // once all are closed.
  void zamknij();
};

}  // namespace bryzas::podstawowa
