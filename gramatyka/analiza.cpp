#include "gramatyka/analiza.h"

#include <filesystem>
#include <string>

#include "gramatyka/analiza_dojscie.h"
#include "gramatyka/analiza_nazwy.h"
#include "gramatyka/analiza_produkcje.h"
#include "gramatyka/analiza_tokeny.h"
#include "gramatyka/analiza_wstawki.h"
#include "gramatyka/analiza_zdania.h"
#include "gramatyka/bledy.h"
#include "gramatyka/bryzas_pars.h"
#include "gramatyka/komunikaty_analizy.h"

namespace bryzas_analiza {

namespace {

using K = Komunikat_Analizy;

// The FIRST section computed from the productions, ready to stand at the end
// of the grammar: nonterminals and terminals in order of first appearance.
// A nonterminal that derives only the empty string gets no line, since a
// line must name at least one terminal.
void sekcja_first(std::ostream& os, const Gramatyka& g, const Analiza_Ll1& ll1) {
  os << "%%\n";
  const std::vector<int> produkcja_dla = g.produkcja_dla();
  for (int n = 0; n < g.nieterminale.licz(); ++n) {
    const Zbior z = ll1.potrzebny_first(n);
    if (produkcja_dla[static_cast<std::size_t>(n)] < 0 || z.terminale().empty()) continue;
    os << cytat_nieterminala(g, n) << " : " << cytaty_terminali(g, z) << " .\n";
  }
}

// "'a' 'b'", or "(puste)" for a sentence of no tokens.
std::string zdanie_tekst(const Gramatyka& g, const std::vector<int>& zdanie) {
  if (zdanie.empty()) return tresc(K::puste_zdanie);
  std::string w;
  for (int t : zdanie) {
    if (!w.empty()) w += ' ';
    w += cytat_terminala(g, t);
  }
  return w;
}

enum class Spojnik { lub, i };

// The nonterminals quoted: "A", "A lub B", "A, B lub C", and past four
// the first three: "A", "B", "C" lub inne (razem 9).
std::string wyliczenie(const Gramatyka& g, const std::vector<int>& nieterminale, Spojnik spojnik) {
  if (nieterminale.empty()) return "";
  const bool reszta = nieterminale.size() > 4;
  const std::size_t n = reszta ? 3 : nieterminale.size();
  // Those before the conjunction, separated by commas.
  std::string w;
  for (std::size_t i = 0; i < (reszta ? n : n - 1); ++i)
    w += (i == 0 ? "" : ", ") + cytat_nieterminala(g, nieterminale[i]);
  const bool lub = spojnik == Spojnik::lub;
  if (reszta)
    return tresc(lub ? K::wyliczenie_lub_inne : K::wyliczenie_i_inne, {w, std::to_string(nieterminale.size())});
  const std::string ostatni = cytat_nieterminala(g, nieterminale[n - 1]);
  return n == 1 ? ostatni : tresc(lub ? K::wyliczenie_lub : K::wyliczenie_i, {w, ostatni});
}

// The note of a sentence on which the parser calls a faulty nonterminal.
Komunikat_Analizy wywolany(Wada w) {
  switch (w) {
    case Wada::nieproduktywny: return K::zdanie_przez_nieproduktywny;
    case Wada::lewostronna_rekursja: return K::zdanie_przez_rekursje;
    case Wada::bez_produkcji:
    case Wada::brak: break;  // an excluded nonterminal has a fault
  }
  return K::zdanie_przez_bez_produkcji;
}

// Every error that blames a choice of the parser gets its proof: a sentence
// that the parser fails on, or, when no sentence up to the bound fails, the
// error becomes a warning that says what the parser does instead. Other
// errors stop nothing, but a nonterminal without a production, deriving
// nothing or left-recursive has no derivations fit for a proof: the search
// keeps to those that use none of them, and a choice that can go wrong
// only in the others keeps its error and says so. A parser that checks
// the end of the input rejects a sentence whose start symbol ends early.
void dowody(const Gramatyka& g, const Analiza_Decyzje& decyzje, const Analiza_Ll1& ll1, const std::vector<Wada>& wady,
            bool sprawdza_koniec, Analiza_Raport& raport) {
  const auto& d = ll1.podejrzenia();
  if (d.empty()) return;
  std::vector<bool> wykluczone;
  for (Wada w : wady) wykluczone.push_back(w != Wada::brak);
  Analiza_Wad wadliwe(g, wykluczone);
  // The faulty nonterminals with sentences of their own, which the search leaves out.
  std::vector<int> omija;
  for (int n : wadliwe.spotykane())
    if (wady[static_cast<std::size_t>(n)] == Wada::lewostronna_rekursja) omija.push_back(n);

  std::vector<Podejrzenie> p;
  for (const auto& s : d) p.push_back(s.podejrzenie);
  Analiza_Zdania zdania(g, decyzje, wykluczone);
  const std::vector<Kontrprzyklad> k = zdania.szukaj(p);
  const std::string granica = std::to_string(Analiza_Zdania::max_dlugosc);
  for (std::size_t i = 0; i < d.size(); ++i) {
    const std::vector<Strona>& strony = d[i].strony;
    const Zbior& tokeny = d[i].podejrzenie.tokeny;
    // Whether the choice can go wrong at all, once the faults are mended.
    const bool moze = wadliwe.mozliwe(strony, tokeny);
    if (k[i].znaleziony) {
      const std::size_t gdzie = k[i].gdzie;
      const std::string na = gdzie < k[i].zdanie.size() ? cytat_terminala(g, k[i].zdanie[gdzie]) : "";
      const bool przed = k[i].koniec == Koniec::przed_koncem && !sprawdza_koniec;
      const std::string zdanie = zdanie_tekst(g, k[i].zdanie);
      raport.dodaj_uwage(d[i].komunikat, przed ? tresc(K::zdanie_przed_koncem, {zdanie, na})
                                         : gdzie < k[i].zdanie.size() ? tresc(K::zdanie_odrzucone_na, {zdanie, na})
                                                                      : tresc(K::zdanie_odrzucone_na_koncu, {zdanie}));
    } else if (moze && !wadliwe.spotykane().empty() && !wadliwe.bez_wad(strony, tokeny)) {
      // Those that all such derivations need, else those they can meet.
      const std::vector<int> konieczne = wadliwe.konieczne(strony, tokeny);
      raport.dodaj_uwage(d[i].komunikat, tresc(K::zdania_nie_pokazano,
                                               {konieczne.empty() ? wyliczenie(g, wadliwe.spotykane(), Spojnik::lub)
                                                                  : wyliczenie(g, konieczne, Spojnik::i)}));
    } else if (k[i].wykluczony >= 0) {
      raport.dodaj_uwage(d[i].komunikat, tresc(wywolany(wady[static_cast<std::size_t>(k[i].wykluczony)]),
                                               {zdanie_tekst(g, k[i].zdanie), cytat_nieterminala(g, k[i].wykluczony)}));
    } else if (zdania.wszystkie()) {
      raport.na_ostrzezenie(d[i].komunikat);
      raport.dodaj_uwage(d[i].komunikat, omija.empty() || !moze
                                             ? tresc(K::wybor_nieszkodliwy, {granica, d[i].co_robi})
                                             : tresc(K::wybor_nieszkodliwy_omija,
                                                     {granica, wyliczenie(g, omija, Spojnik::i), d[i].co_robi}));
    } else {
      raport.dodaj_uwage(d[i].komunikat, tresc(K::przeszukiwanie_przerwane,
                                               {granica, std::to_string(Analiza_Zdania::max_krokow)}));
    }
  }
}

}  // namespace

Analiza::Analiza(bryzas::Bryzas_Skan& skan, const bryzas::Nazwy_Projektu& n) {
  czytaj(skan);
  if (raport_.bledy() == 0) sprawdz(n);
}

Analiza::Analiza(Gramatyka g, const bryzas::Nazwy_Projektu& n) : g_(std::move(g)) { sprawdz(n); }

void Analiza::czytaj(bryzas::Bryzas_Skan& skan) {
  try {
    Budowa_Modelu budowa(g_);
    bryzas::Bryzas_Pars(skan, budowa).parsuj();
  } catch (const bryzas::Blad_Skanera& b) {
    raport_.blad({skan.nr_linii, skan.nr_kol}, std::string(bryzas::komunikat_skanera(b.nr)));
  } catch (const bryzas::Za_Duzo_Produkcji& b) {
    raport_.blad(b.poz, tresc(K::za_duzo_produkcji));
  } catch (const bryzas::Blad_Parsera& b) {
    const int nr = raport_.blad({skan.nr_linii, skan.nr_kol}, std::string(bryzas::komunikat_parsera(b.nr)));
    if (!b.uwaga.empty()) raport_.dodaj_uwage(nr, b.uwaga, b.poz_uwagi);
  }
}

void Analiza::sprawdz(const bryzas::Nazwy_Projektu& n) {
  for (const Pozycja& p : g_.zbedne_init_instr_po)
    raport_.ostrzezenie(p, tresc(K::zbedne_init_instr_po));
  zbiory_ = std::make_unique<Analiza_Zbiory>(g_);
  Analiza_Produkcje produkcje(g_, *zbiory_, raport_);
  produkcje.sprawdz();
  std::error_code blad_pliku;
  decyzje_ = std::make_unique<Analiza_Decyzje>(g_, *zbiory_);
  Analiza_Nazwy(g_, *decyzje_, n, std::filesystem::exists(n.plik_tok, blad_pliku), raport_).sprawdz();
  sprawdz_wstawki(g_, raport_);
  ll1_ = std::make_unique<Analiza_Ll1>(g_, *zbiory_, *decyzje_, raport_);
  ll1_->sprawdz();
  // The proofs add no messages, only notes, so the token file's come in
  // the same order before them.
  tokeny_pliku_ = czytaj_tokeny(g_, n.plik_tok, tokeny_, blad_pliku_tokenow_);
  const Koniec_Wejscia koniec =
      sprawdz_tokeny(g_, tokeny_pliku_.get(), blad_pliku_tokenow_.has_value(), n.plik_tok, raport_, tokeny_);
  dowody(g_, *decyzje_, *ll1_, produkcje.wady(), sprawdza_koniec(g_, koniec), raport_);
  sprawdz_koniec_wejscia(g_, koniec, n.plik_tok, raport_);
}

void Analiza::wypisz_sekcje_first(std::ostream& os) const { sekcja_first(os, g_, *ll1_); }

}  // namespace bryzas_analiza
