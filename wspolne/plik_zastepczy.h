// A file written whole or not at all: a new file beside the one it is to
// replace, renamed over it once complete.
#pragma once

#include <string>

#include "wspolne/blad_pliku.h"

namespace wspolne {

// The new file is created empty in the directory of `cel` (of the file a
// link named `cel` points to), with the permissions of the file it replaces,
// or those a new file gets when there is none. zastap() puts it in that
// file's place; dropped before that, it is removed and `cel` stays as it was.
// Every failure throws Blad_Pliku naming `cel`.
class Plik_Zastepczy {
public:
  explicit Plik_Zastepczy(const std::string& cel);
  Plik_Zastepczy(const Plik_Zastepczy&) = delete;
  Plik_Zastepczy& operator=(const Plik_Zastepczy&) = delete;
  ~Plik_Zastepczy();

  // The open new file, handed over once: its writes and its close are the
  // caller's, before zastap().
  Deskryptor wez_plik() { return std::move(plik_); }
  // Renames the new file over the file it replaces.
  void zastap();

private:
  std::string cel_;     // as the caller named it, for the messages
  std::string miejsce_;  // the file replaced: cel_, or what its link names
  std::string nazwa_;    // the new file
  Deskryptor plik_;
  bool zostaje_ = false;  // the new file has taken its place
};

}  // namespace wspolne
