#include "analyzer/analiza_uruchom.h"

#include <filesystem>
#include <sstream>
#include <string_view>

#include "analyzer/analiza_dojscie.h"
#include "analyzer/analiza_ll1.h"
#include "analyzer/analiza_nazwy.h"
#include "analyzer/analiza_wpis_first.h"
#include "analyzer/analiza_wstawki.h"
#include "analyzer/analiza_produkcje.h"
#include "analyzer/analiza_raport.h"
#include "analyzer/analiza_tokeny.h"
#include "analyzer/analiza_zbiory.h"
#include "analyzer/analiza_zdania.h"
#include "analyzer/analiza_model.h"
#include "gramatyka/bledy.h"
#include "gramatyka/bryzas_pars.h"
#include "gramatyka/bryzas_skan.h"
#include "gramatyka/nazwa_projektu.h"
#include "gramatyka/nazwy_projektu.h"
#include "wspolne/blad_pliku.h"
#include "wspolne/status.h"
#include "wspolne/wersja.h"

namespace bryzas_analiza {

namespace {

constexpr std::string_view pomoc[] = {
    "Sposob uzycia:  bryzas_analiza [--first | --first-w-miejscu] <nazwa_projektu>",
    " gramatyka w pliku <nazwa_projektu>.gpa",
    " --first  po komunikatach wypisuje sekcje FIRST obliczona z produkcji",
    " --first-w-miejscu  zapisuje te sekcje w <nazwa_projektu>.gpa w miejsce dawnej",
    " --help   wypisuje ten opis",
    " --version wypisuje wersje",
    "Status: 0 bez bledow, 1 zgloszono blad, 2 bledne wywolanie, 3 nie mozna odczytac pliku",
};

int odrzuc(std::ostream& os, std::string_view powod) {
  os << powod << '\n';
  for (std::string_view l : pomoc) os << l << '\n';
  return wspolne::status_bledne_wywolanie;
}

// The FIRST section computed from the productions, ready to stand at the end
// of the grammar: nonterminals and terminals in order of first appearance.
// A nonterminal that derives only the empty string gets no line, since a
// line must name at least one terminal.
void wypisz_sekcje_first(std::ostream& os, const Gramatyka& g, const analiza_ll1& ll1) {
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
  if (zdanie.empty()) return "(puste)";
  std::string w;
  for (int t : zdanie) {
    if (!w.empty()) w += ' ';
    w += cytat_terminala(g, t);
  }
  return w;
}

// The nonterminals quoted: "A", "A lub B", "A, B lub C", and past four
// the first three: "A", "B", "C" lub inne (razem 9).
std::string wyliczenie(const Gramatyka& g, const std::vector<int>& nieterminale, const std::string& spojnik) {
  const std::size_t n = nieterminale.size() > 4 ? 3 : nieterminale.size();
  std::string w;
  for (std::size_t i = 0; i < n; ++i)
    w += (i == 0 ? "" : i + 1 < n || n < nieterminale.size() ? ", " : " " + spojnik + " ") +
         cytat_nieterminala(g, nieterminale[i]);
  if (n < nieterminale.size()) w += " " + spojnik + " inne (razem " + std::to_string(nieterminale.size()) + ")";
  return w;
}

std::string dlaczego(Wada w) {
  switch (w) {
    case Wada::bez_produkcji: return "ktory nie ma produkcji";
    case Wada::nieproduktywny: return "ktory nie wyprowadza zadnego ciagu terminali";
    case Wada::lewostronna_rekursja: return "ktory jest w lewostronnej rekursji";
    case Wada::brak: break;
  }
  return "";
}

// Every error that blames a choice of the parser gets its proof: a sentence
// that the parser fails on, or, when no sentence up to the bound fails, the
// error becomes a warning that says what the parser does instead. Other
// errors stop nothing, but a nonterminal without a production, deriving
// nothing or left-recursive has no derivations fit for a proof: the search
// keeps to those that use none of them, and a choice that can go wrong
// only in the others keeps its error and says so.
void dowody(const Gramatyka& g, const analiza_ll1& ll1, const std::vector<Wada>& wady, analiza_raport& raport) {
  const auto& d = ll1.podejrzenia();
  if (d.empty()) return;
  std::vector<bool> wykluczone;
  for (Wada w : wady) wykluczone.push_back(w != Wada::brak);
  analiza_wad wadliwe(g, wykluczone);
  // The faulty nonterminals with sentences of their own, which the search leaves out.
  std::vector<int> omija;
  for (int n : wadliwe.spotykane())
    if (wady[static_cast<std::size_t>(n)] == Wada::lewostronna_rekursja) omija.push_back(n);

  std::vector<Podejrzenie> p;
  for (const auto& s : d) p.push_back(s.podejrzenie);
  analiza_zdania zdania(g, wykluczone);
  const std::vector<Kontrprzyklad> k = zdania.szukaj(p);
  const std::string granica = std::to_string(analiza_zdania::max_dlugosc);
  for (std::size_t i = 0; i < d.size(); ++i) {
    const std::vector<Strona>& strony = d[i].strony;
    const Zbior& tokeny = d[i].podejrzenie.tokeny;
    // Whether the choice can go wrong at all, once the faults are mended.
    const bool moze = wadliwe.mozliwe(strony, tokeny);
    if (k[i].znaleziony) {
      const std::size_t gdzie = k[i].gdzie;
      const std::string na = gdzie < k[i].zdanie.size() ? cytat_terminala(g, k[i].zdanie[gdzie]) : "";
      std::string jak = k[i].koniec == Koniec::przed_koncem ? "parser skonczy przed " + na
                        : gdzie < k[i].zdanie.size()          ? "parser odrzuci je na " + na
                                                              : "parser odrzuci je na koncu wejscia";
      raport.dodaj_uwage(d[i].komunikat,
                         "zdanie " + zdanie_tekst(g, k[i].zdanie) + " nalezy do jezyka, " + jak);
    } else if (moze && !wadliwe.spotykane().empty() && !wadliwe.bez_wad(strony, tokeny)) {
      // Those that all such derivations need, else those they can meet.
      const std::vector<int> konieczne = wadliwe.konieczne(strony, tokeny);
      raport.dodaj_uwage(d[i].komunikat, "zdania nie pokazano: ten wybor moze byc zly tylko w wyprowadzeniach przez " +
                                             (konieczne.empty() ? wyliczenie(g, wadliwe.spotykane(), "lub")
                                                                : wyliczenie(g, konieczne, "i")));
    } else if (k[i].wykluczony >= 0) {
      raport.dodaj_uwage(d[i].komunikat, "zdanie " + zdanie_tekst(g, k[i].zdanie) +
                                             " nalezy do jezyka, ale parser wywola na nim " +
                                             cytat_nieterminala(g, k[i].wykluczony) + ", " +
                                             dlaczego(wady[static_cast<std::size_t>(k[i].wykluczony)]));
    } else if (zdania.wszystkie()) {
      raport.na_ostrzezenie(d[i].komunikat);
      raport.dodaj_uwage(d[i].komunikat, "zadne zdanie do " + granica + " symboli" +
                                             (omija.empty() || !moze ? "" : ", ktorego wyprowadzenie omija " +
                                                                       wyliczenie(g, omija, "i") + ",") +
                                             " nie jest przez ten wybor odrzucone; " + d[i].co_robi);
    } else {
      raport.dodaj_uwage(d[i].komunikat, "nie znaleziono odrzuconego zdania, ale przeszukiwanie zdan do " +
                                             granica + " symboli zatrzymalo sie na granicy " +
                                             std::to_string(analiza_zdania::max_krokow) + " krokow");
    }
  }
}

struct Wywolanie {
  bool first = false;
  bool w_miejscu = false;
};

// The analysis of one grammar file that the scanner has opened. The
// messages and the summary go to os, the FIRST section (with first) to
// sekcja.
int analizuj(bryzas::bryzas_skan& skan, const bryzas::Nazwy_Projektu& n, bool first,
             std::ostream& os, std::ostream& sekcja) {
  Gramatyka g;
  analiza_raport raport;
  try {
    Budowa_Modelu budowa(g);
    bryzas::bryzas_pars(skan, budowa).parsuj();
  } catch (const bryzas::Blad_Skanera& b) {
    raport.blad({skan.nr_linii, skan.nr_kol}, std::string(bryzas::komunikat_skanera(b.nr)));
  } catch (const bryzas::Za_Duzo_Produkcji& b) {
    raport.blad(b.poz, "za duzo produkcji (max 200)");
  } catch (const bryzas::Blad_Parsera& b) {
    const int nr = raport.blad({skan.nr_linii, skan.nr_kol}, std::string(bryzas::komunikat_parsera(b.nr)));
    if (!b.uwaga.empty()) raport.dodaj_uwage(nr, b.uwaga, b.poz_uwagi);
  }
  if (raport.bledy() > 0) {
    raport.wypisz(os, n.plik_we);
    raport.wypisz_podsumowanie(os);
    return wspolne::status_blad_wejscia;
  }

  for (const Pozycja& p : g.zbedne_init_instr_po)
    raport.ostrzezenie(p, "ta wstawka ++init_instr_po nie zostanie uzyta: generator bierze tylko ostatnia");
  const analiza_zbiory zbiory(g);
  analiza_produkcje produkcje(g, zbiory, raport);
  produkcje.sprawdz();
  std::error_code blad_pliku;
  analiza_nazwy(g, n, std::filesystem::exists(n.plik_tok, blad_pliku), raport).sprawdz();
  sprawdz_wstawki(g, raport);
  analiza_ll1 ll1(g, zbiory, raport);
  ll1.sprawdz();
  dowody(g, ll1, produkcje.wady(), raport);
  analiza_raport tokeny;
  const Koniec_Wejscia koniec = sprawdz_tokeny(g, n.plik_tok, raport, tokeny);
  sprawdz_koniec_wejscia(g, koniec, n.plik_tok, raport);
  raport.wypisz(os, n.plik_we);
  tokeny.wypisz(os, n.plik_tok);
  if (first) wypisz_sekcje_first(sekcja, g, ll1);
  raport.wypisz_podsumowanie(os, tokeny);
  return raport.bledy() + tokeny.bledy() > 0 ? wspolne::status_blad_wejscia : wspolne::status_sukces;
}

// The analysis of one grammar file, as analizuj, with the file opened and
// closed around it; a file that cannot be read is reported to komunikaty.
int analizuj_plik(const bryzas::Nazwy_Projektu& n, bool first, std::ostream& komunikaty, std::ostream& sekcja) {
  try {
    bryzas::bryzas_skan skan(nullptr, nullptr);
    skan.otworz(n.plik_we);
    int status = analizuj(skan, n, first, komunikaty, sekcja);
    skan.zamknij();
    return status;
  } catch (const wspolne::Blad_Pliku& e) {
    komunikaty << e.opis() << '\n';
    return wspolne::status_awaria;
  }
}

// The computed section takes the place of the file's own, and the grammar so
// written is analysed as usual. When the syntax stops the analysis there is
// no section: the file stays as it was and the messages say why.
int first_w_miejscu(const bryzas::Nazwy_Projektu& n, std::ostream& os) {
  const std::string& plik_we = n.plik_we;
  std::ostringstream komunikaty, sekcja;
  const int status = analizuj_plik(n, true, komunikaty, sekcja);
  std::string powod;
  if (sekcja.str().empty()) {
    if (status == wspolne::status_awaria) {
      os << komunikaty.str();
      return status;
    }
    powod = "bledy skladni nie pozwalaja obliczyc sekcji FIRST";
  } else {
    try {
      powod = wpisz_sekcje_first(plik_we, sekcja.str());
    } catch (const wspolne::Blad_Pliku& e) {
      os << e.opis() << '\n';
      return wspolne::status_awaria;
    }
  }
  if (!powod.empty()) {
    os << "*** " << plik_we << " bez zmian: " << powod << '\n' << komunikaty.str();
    return wspolne::status_blad_wejscia;
  }
  os << "*** sekcja FIRST zapisana w " << plik_we << '\n';
  return analizuj_plik(n, false, os, os);
}

}  // namespace

int bryzas_analiza_uruchom(const std::vector<std::string>& argumenty, std::ostream& wyjscie,
                           std::ostream& bledy) {
  Wywolanie w;
  std::vector<std::string> nazwy;
  for (const std::string& a : argumenty) {
    if (a == "--help") {
      for (std::string_view l : pomoc) wyjscie << l << '\n';
      return wspolne::status_sukces;
    }
    if (a == "--version") {
      wyjscie << "bryzas_analiza " << wspolne::wersja << '\n';
      return wspolne::status_sukces;
    }
    if (a == "--first")
      w.first = true;
    else if (a == "--first-w-miejscu")
      w.w_miejscu = true;
    else if (!a.empty() && a[0] == '-')
      return odrzuc(wyjscie, "Nieznana opcja [" + a + "] !!");
    else
      nazwy.push_back(a);
  }
  if (nazwy.empty()) return odrzuc(wyjscie, "Brak parametru z nazwa projektu !!");
  if (nazwy.size() > 1) return odrzuc(wyjscie, "Za duzo parametrow !!");
  // The generator's own check of the project name.
  const bryzas::Nazwa_Projektu projekt = bryzas::sprawdz_nazwe_projektu(nazwy[0]);
  if (!projekt.odrzucenie.empty()) return odrzuc(wyjscie, projekt.odrzucenie);
  const bryzas::Nazwy_Projektu n(projekt.nazwa);
  if (w.w_miejscu) return first_w_miejscu(n, wyjscie);
  // With --first standard output holds the section alone, so that it can be
  // appended to the grammar; everything else goes to standard error.
  return analizuj_plik(n, w.first, w.first ? bledy : wyjscie, wyjscie);
}

}  // namespace bryzas_analiza
