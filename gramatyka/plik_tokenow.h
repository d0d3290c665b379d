// The token file P.tok as one run reads it, once: its lines for the
// listing, its description, and the scanner of the terminals the grammar
// names, built once and handed on to whoever needs it (the analysis, the
// scanner's writer); or the first error, where it stands.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gramatyka/bryzas_tok.h"
#include "gramatyka/bryzas_tok_automat.h"

namespace bryzas {

class Plik_Tokenow {
public:
  // Which definitions the scanner recognises: those of the terminals the
  // grammar names (and of its end token).
  using Uzywany = std::function<bool(const std::string&)>;

  // The file read whole; nullptr when there is none. A file that exists but
  // cannot be read throws Blad_Pliku. For the extended notation the end
  // token is recognised whether the grammar names it or not (the notation
  // declares it as a token kind of its own), and the automaton's bounds
  // grow with the file.
  static std::unique_ptr<const Plik_Tokenow> czytaj(const std::string& nazwa, const Uzywany& uzywany,
                                                    bool rozszerzona);

  Plik_Tokenow(const Plik_Tokenow&) = delete;
  Plik_Tokenow& operator=(const Plik_Tokenow&) = delete;

  const std::vector<std::string>& linie() const { return linie_; }
  // The syntax error that stopped the reading: then nothing else is known.
  const std::optional<Blad_Tokenow>& blad_skladni() const { return blad_skladni_; }
  const Opis_Tokenow& opis() const { return opis_; }
  // Of a file read without a syntax error: the scanner, or its error (an
  // automaton too big).
  const Skaner_Tokenow& skaner() const { return skaner_; }
  // The first error of either kind.
  std::optional<Blad_Tokenow> blad() const { return blad_skladni_ ? blad_skladni_ : skaner_.blad; }

private:
  Plik_Tokenow() = default;

  std::vector<std::string> linie_;
  std::optional<Blad_Tokenow> blad_skladni_;
  Opis_Tokenow opis_;
  Skaner_Tokenow skaner_;  // points into opis_
};

}  // namespace bryzas
