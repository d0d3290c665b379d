// The parser package of the extended notation, its productions: a sequence
// element by element, a terminal checked and taken, a nonterminal called,
// and each group decided on the tokens that take its branches.
#include "generator/rozszerzona/pakiet_parsera.h"

#include <algorithm>

namespace bryzas::rozszerzona {

using bryzas_analiza::Rodzaj_Elementu;

// What comes later in the production, as far as the rest of c, then what
// follows c, counts even where the rest cannot vanish: a token that closes
// or repeats the construct around is a place to go on from when the rest is
// missing.
void Pakiet_Parsera::ciag(Pisarz& w, const Ciag& c, std::size_t od, bool pewny, const Zbior& dalej,
                          const Reszta& za) {
  for (std::size_t i = od; i < c.size(); ++i) {
    bool pusty = false;
    Zbior po = zbiory_.first_ciagu(c, i + 1, pusty);
    po.dodaj(dalej);
    element(w, c[i], pewny && i == od, po, decyzje_.reszta(c, i, za));
  }
}

void Pakiet_Parsera::element(Pisarz& w, const Element& e, bool pewny, const Zbior& po, const Reszta& za) {
  if (e.rodzaj != Rodzaj_Elementu::symbol) {
    grupa(w, e, pewny, po, za);
    wstawka(w, e);
  } else if (e.symbol.terminal) {
    terminal(w, e, pewny, po);
  } else {
    wywolanie(w, e, po, za);
  }
}

// A terminal is checked (unless a decision already made sure of it), its
// insert runs while Tok still holds it, and the next token is read. A
// separator that a repetition went round for without it (separator: what
// follows the repetition) is reported with what could have come instead.
void Pakiet_Parsera::terminal(Pisarz& w, const Element& e, bool pewny, const Zbior& po, const Reszta* separator) {
  if (pewny) {
    wstawka(w, e);
    w.linia("Nastepny;");
    return;
  }
  const std::string& t = g_.terminale.nazwa(e.symbol.nr);
  Zbior z;
  z.dodaj(e.symbol.nr);
  Zbior oczekiwane = z;
  if (separator) oczekiwane.dodaj(separator->tokeny);
  const std::string nr = std::to_string(nr_bledu(oczekiwane, e.poz));
  if (!odtwarzanie_) {
    w.linia("Sprawdz (", t, ", ", nr, ");");
    wstawka(w, e);
    w.linia("Nastepny;");
    return;
  }
  // A token that is missing is not taken, and its insert does not run.
  z.dodaj(po);
  const std::string dodatkowo = separator && separator->wywolujacy ? ", Dodatkowo => Oczekiwane_Potem" : "";
  w.linia("if Tok.Kod = ", t, " or else Znaleziony (", t, ", ", nr, ", ", stop_z(z), dodatkowo, ") then");
  {
    Wciecie cialo(w, krok_wciecia);
    wstawka(w, e);
    w.linia("Nastepny;");
  }
  w.linia("end if;");
}

// The procedure of a nonterminal, handed with recovery the tokens its
// callers can go on with, and what follows it exactly where it needs that.
void Pakiet_Parsera::wywolanie(Pisarz& w, const Element& e, const Zbior& po, const Reszta& za) {
  std::string dodatek;
  if (odtwarzanie_) {
    dodatek = stop_z(po);
    if (decyzje_.z_oczekiwanymi_potem(e.symbol.nr)) dodatek += ", " + po_z(za);
  }
  naglowek_procedury(w, g_.nieterminale.nazwa(e.symbol.nr), e.parametry, e.poz_parametrow, dodatek, ", ", ";");
  wstawka(w, e);
}

// [ ] enters and { } repeats on the first tokens of their branches; ( | )
// takes the branch whose tokens hold the current one. Inside its branches
// the production goes on with what follows the group, and a repetition
// with its round once more.
void Pakiet_Parsera::grupa(Pisarz& w, const Element& e, bool pewny, const Zbior& po, const Reszta& za) {
  Zbior wnetrze_dalej = po;
  if (e.rodzaj == Rodzaj_Elementu::powtorzenie) {
    wnetrze_dalej.dodaj(wszystkie(e));
    wnetrze_dalej.dodaj(decyzje_.grupy(e).brak_separatora);
  }
  switch (e.rodzaj) {
    case Rodzaj_Elementu::opcja: opcja(w, e, wnetrze_dalej, za); return;
    case Rodzaj_Elementu::powtorzenie: powtorzenie(w, e, wnetrze_dalej, za); return;
    default: alternatywa(w, e, pewny, po, za);
  }
}

// An option that no token starts is never entered; one passed by leaves
// its tokens among those a message lists.
void Pakiet_Parsera::opcja(Pisarz& w, const Element& e, const Zbior& wnetrze_dalej, const Reszta& za) {
  const Zbior z = wszystkie(e);
  if (z.pusty()) return;
  if (e.galezie.size() > 1) {
    galezie(w, e, wnetrze_dalej, za, "");
    return;
  }
  w.linia("if ", warunek(decyzje(e)[0]), " then");
  {
    Wciecie cialo(w, krok_wciecia);
    ciag(w, e.galezie[0], 0, true, wnetrze_dalej, za);
  }
  w.linia("else");
  {
    Wciecie cialo(w, krok_wciecia);
    pominiete(w, z);
  }
  w.linia("end if;");
}

// A repetition goes round on its tokens, and with recovery on a token that
// can only follow a missing separator: that separator is then reported
// with what could have come instead of it (what follows the repetition).
void Pakiet_Parsera::powtorzenie(Pisarz& w, const Element& e, const Zbior& wnetrze_dalej, const Reszta& za) {
  const Zbior z = wszystkie(e);
  if (z.pusty()) return;
  const Zbior naprawa = decyzje_.grupy(e).brak_separatora;
  Zbior warunek_petli = z;
  warunek_petli.dodaj(naprawa);
  w.linia("while ", warunek(warunek_petli), " loop");
  {
    Wciecie cialo(w, krok_wciecia);
    const Reszta w_petli = decyzje_.wnetrze(e, za);
    if (e.galezie.size() > 1) {
      galezie(w, e, wnetrze_dalej, za, "null;");
    } else if (naprawa.pusty()) {
      ciag(w, e.galezie[0], 0, true, wnetrze_dalej, w_petli);
    } else {
      const Ciag& c = e.galezie[0];
      bool pusty = false;
      Zbior po = zbiory_.first_ciagu(c, 1, pusty);
      po.dodaj(wnetrze_dalej);
      terminal(w, c[0], false, po, &za);
      ciag(w, c, 1, false, wnetrze_dalej, w_petli);
    }
  }
  w.linia("end loop;");
  pominiete(w, z);
}

// An alternative none of whose branches can vanish rejects a token that
// takes none of them; one whose branch can vanish takes that branch on any
// other token, and a later check tells what could have come.
void Pakiet_Parsera::alternatywa(Pisarz& w, const Element& e, bool pewny, const Zbior& po, const Reszta& za) {
  if (e.galezie.size() == 1) {
    ciag(w, e.galezie[0], 0, false, po, za);
    return;
  }
  const bryzas_analiza::Decyzja_Grupy& d = decyzje_.grupy(e);
  const auto pusta = std::find(d.puste.begin(), d.puste.end(), true);
  if (pusta != d.puste.end()) {
    galezie(w, e, po, za, "", static_cast<std::size_t>(pusta - d.puste.begin()));
    return;
  }
  const Zbior z = wszystkie(e);
  if (!odtwarzanie_) {
    galezie(w, e, po, za, "Blad (" + std::to_string(nr_bledu(z, e.poz)) + ");");
    return;
  }
  // Where a decision already made sure of the token, no error is possible;
  // after the error the group is taken if the parser went on with one of
  // its tokens, and passed by otherwise.
  if (!pewny) {
    const std::string nr = std::to_string(nr_bledu(z, e.poz));
    w.linia("if Tok.Kod not in ", wybor(z), " then");
    {
      Wciecie blad(w, krok_wciecia);
      Zbior stop = z;
      stop.dodaj(po);
      w.linia("Blad (", nr, ", ", stop_z(stop), ");");
    }
    w.linia("end if;");
  }
  galezie(w, e, po, za, "null;");
}

void Pakiet_Parsera::galezie(Pisarz& w, const Element& e, const Zbior& wnetrze_dalej, const Reszta& za,
                             std::string_view inaczej, std::optional<std::size_t> domyslna) {
  const std::vector<Zbior> d = decyzje(e);
  const Reszta w_galezi = decyzje_.wnetrze(e, za);
  w.linia("case Tok.Kod is");
  {
    Wciecie przypadki(w, krok_wciecia);
    for (std::size_t i = 0; i < e.galezie.size(); ++i) {
      if (d[i].pusty() || i == domyslna) continue;
      w.linia("when ", wybor(d[i]), " =>");
      Wciecie cialo(w, krok_wciecia);
      ciag(w, e.galezie[i], 0, true, wnetrze_dalej, w_galezi);
    }
    w.linia("when others =>");
    Wciecie cialo(w, krok_wciecia);
    if (domyslna) {
      // The other branches passed by: their first tokens could have come.
      Zbior inne;
      for (std::size_t i = 0; i < e.galezie.size(); ++i) {
        bool pusty = false;
        if (i != *domyslna) inne.dodaj(zbiory_.first_ciagu(e.galezie[i], 0, pusty));
      }
      pominiete(w, inne);
      ciag(w, e.galezie[*domyslna], 0, false, wnetrze_dalej, w_galezi);
    } else if (e.rodzaj == Rodzaj_Elementu::opcja) {
      pominiete(w, wszystkie(e));
    } else {
      w.linia(inaczej);
    }
  }
  w.linia("end case;");
}

std::vector<bryzas_analiza::Zbior> Pakiet_Parsera::decyzje(const Element& e) const {
  std::vector<Zbior> d;
  Zbior zajete;
  for (const Zbior& przewidywane : decyzje_.grupy(e).przewidywane) {
    Zbior z = z_koncem(przewidywane).bez(zajete);
    zajete.dodaj(z);
    d.push_back(std::move(z));
  }
  return d;
}

bryzas_analiza::Zbior Pakiet_Parsera::wszystkie(const Element& e) const {
  Zbior z;
  for (const Zbior& d : decyzje(e)) z.dodaj(d);
  return z;
}

bryzas_analiza::Zbior Pakiet_Parsera::z_koncem(const Zbior& z) const {
  if (!z.ma_koniec() || nr_konca_ < 0) return z;
  Zbior wynik;
  for (int t : z.terminale()) wynik.dodaj(t);
  wynik.dodaj(nr_konca_);
  return wynik;
}

// Without an end token, Skanuj gives Pusty where the input ends.
std::vector<std::string> Pakiet_Parsera::nazwy(const Zbior& z) const {
  std::vector<std::string> w;
  for (int t : z.terminale()) w.push_back(g_.terminale.nazwa(t));
  if (z.ma_koniec()) w.push_back(koniec_.empty() ? std::string("Pusty") : koniec_);
  return w;
}

std::string Pakiet_Parsera::wybor(const Zbior& z) const {
  std::string s;
  for (const std::string& n : nazwy(z)) s += (s.empty() ? "" : " | ") + n;
  return s;
}

std::string Pakiet_Parsera::warunek(const Zbior& z) const {
  const std::size_t ile = z.terminale().size() + (z.ma_koniec() ? 1 : 0);
  return (ile == 1 ? "Tok.Kod = " : "Tok.Kod in ") + wybor(z);
}

void Pakiet_Parsera::pominiete(Pisarz& w, const Zbior& z) {
  if (z.pusty() && !z.ma_koniec())
    w.linia("null;");
  else
    w.linia("Pominiete := Pominiete or ", zbior(z), ";");
}

// "oczekiwano X", "oczekiwano X albo Y", "oczekiwano X, Y albo Z": the
// tokens spelt as the messages spell them, in the order given. The set
// goes to the table of what each error expects.
int Pakiet_Parsera::nr_bledu(const Zbior& oczekiwane, bryzas_analiza::Pozycja p) {
  std::vector<int> terminale = oczekiwane.terminale();
  std::stable_sort(terminale.begin(), terminale.end(), [&](int a, int b) {
    return plan_.kolejnosc[static_cast<std::size_t>(a)] < plan_.kolejnosc[static_cast<std::size_t>(b)];
  });
  std::vector<std::string> nazwy;
  for (int t : terminale)
    nazwy.push_back(t == nr_konca_ ? "konca wejscia" : plan_.pisownia[static_cast<std::size_t>(t)]);
  if (oczekiwane.ma_koniec() && (nr_konca_ < 0 || !oczekiwane.zawiera(nr_konca_))) nazwy.push_back("konca wejscia");
  std::string tekst = "oczekiwano";
  for (std::size_t i = 0; i < nazwy.size(); ++i)
    tekst += (i == 0 ? " " : i + 1 == nazwy.size() ? " albo " : ", ") + nazwy[i];
  const int nr = static_cast<int>(opisy_bledow_.size()) + 1;
  opisy_bledow_.push_back({nr, std::move(tekst), p.linia, p.kol});
  zbiory_bledow_.push_back(numer_zbioru(oczekiwane));
  return nr;
}

}  // namespace bryzas::rozszerzona
