// The computed FIRST section written into the grammar file itself: all that
// stands before the file's "%%" (the whole file when it has none) stays byte
// for byte, and the new section replaces the old one to the end of the file,
// comments after it included, since nothing else may follow a section.
#pragma once

#include <string>
#include <string_view>

namespace bryzas_analiza {

// Writes `sekcja` (its "%%" line and the lines after it) into `plik` in place
// of the file's FIRST section: into a new file beside it (beside the file a
// link points to), then renamed over it, so that a failure leaves the
// grammar as it was. Returns why it left the file alone (a section without
// lines, a NUL byte that ends the grammar before the file ends), or an empty
// text; a file that cannot be read or written throws Blad_Pliku naming
// `plik`.
std::string wpisz_sekcje_first(const std::string& plik, std::string_view sekcja);

}  // namespace bryzas_analiza
