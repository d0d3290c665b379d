#include "gramatyka/bryzas_skan.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <utility>

#include "wspolne/tekst.h"

namespace bryzas {

namespace {

// The end of the input, as the character reader delivers it.
constexpr char NUL = '\0';

using wspolne::cyfra;
using wspolne::litera;

// Characters that may follow the first one of a name, by code: one look-up
// for each character of the many names of a grammar.
constexpr auto znaki_nazwy = [] {
  std::array<bool, 256> t{};
  for (int c = 0; c < 256; ++c) {
    const char z = static_cast<char>(c);
    t[static_cast<std::size_t>(c)] = litera(z) || cyfra(z) || z == '_';
  }
  return t;
}();

bool znak_nazwy(char c) { return znaki_nazwy[static_cast<unsigned char>(c)]; }

struct Slowo_Sekcji {
  std::string_view slowo;
  Token_Kod kod;
};

constexpr Slowo_Sekcji slowa_sekcji[] = {
    {"with_use", Token_Kod::WITHUSEKOD},
    {"init_dekl", Token_Kod::INITDEKLKOD},
    {"init_instr", Token_Kod::INITINSTRKOD},
    {"init_instr_przed", Token_Kod::INITINSTRPRZEDKOD},
    {"init_instr_po", Token_Kod::INITINSTRPOKOD},
    {"pak_dekl", Token_Kod::PAKDEKLKOD},
    {"except_skan", Token_Kod::EXCEPTSKANKOD},
    {"except_pars", Token_Kod::EXCEPTPARSKOD},
};

// The extended notation's own keywords; its marker is known only as the
// first token of a file.
constexpr Slowo_Sekcji slowa_rozszerzone[] = {
    {"with", Token_Kod::WITHKOD},
    {"koniec", Token_Kod::KONIECKOD},
    {"bez_odtwarzania", Token_Kod::BEZODTWARZANIAKOD},
};
constexpr std::string_view znacznik_rozszerzonej = "rozszerzona";


}  // namespace

Bryzas_Skan::Bryzas_Skan(Tablice_Symboli* symbole) : symbole_(symbole) {
  tekst_.reserve(dl_tok);
}

Bryzas_Skan::~Bryzas_Skan() = default;

void Bryzas_Skan::otworz(const std::string& plik_we) { pl_we_.otworz(plik_we); }

void Bryzas_Skan::zamknij() { pl_we_.zamknij(); }

void Bryzas_Skan::listuj(wspolne::Plik_Wy& pl_lst) {
  pl_lst_ = &pl_lst;
  for (std::size_t i = 0; i < linie_.size(); ++i) listuj_linie(static_cast<int>(i) + 1, linie_[i]);
  linie_.clear();
}

void Bryzas_Skan::czytaj_reszte() {
  while (!pl_we_.koniec()) {
    dlug_ = static_cast<int>(pl_we_.czytaj(linia_));
    linie_.emplace_back(linia_.data(), static_cast<std::size_t>(dlug_));
  }
  koniec_we_ = true;
}

Token_Kod Bryzas_Skan::pierwszy() {
  try {
    pierwszy_ = czytaj_token();
    return pierwszy_->Kod;
  } catch (...) {
    blad_pierwszego_ = std::current_exception();
    return Token_Kod::PUSTY;
  }
}

[[noreturn]] void Bryzas_Skan::blad(int nr) { throw Blad_Skanera{nr}; }

// The reader's way past the end of the current line (or of the input).
char Bryzas_Skan::znak_z_nowej_linii(bool nowa_linia) {
  if (koniec_we_) return NUL;
  if (poz_ == dlug_ || nowa_linia) {
    // Every line read is counted and listed; empty ones are then skipped.
    do {
      if (pl_we_.koniec() || linia_z_nul_) {
        koniec_we_ = true;
        return NUL;
      }
      pocz_linii_ = pl_we_.polozenie();
      dlug_ = static_cast<int>(pl_we_.czytaj(linia_));
      // A NUL byte ends the input where it stands, even inside a comment
      // that drops the rest of its line: no later line is read.
      linia_z_nul_ = std::memchr(linia_.data(), NUL, static_cast<std::size_t>(dlug_)) != nullptr;
      ++nr_linii;
      listuj_linie();
    } while (dlug_ == 0);
    poz_ = 0;
  }
  return podaj_znak(false);
}

// The line just read, after its number in the form of an integer image
// (obraz), written without building a string for every line; kept as it is
// while there is no listing yet.
void Bryzas_Skan::listuj_linie() {
  const std::string_view linia(linia_.data(), static_cast<std::size_t>(dlug_));
  if (pl_lst_ == nullptr)
    linie_.emplace_back(linia);
  else
    listuj_linie(nr_linii, linia);
}

void Bryzas_Skan::listuj_linie(int nr, std::string_view linia) {
  std::array<char, 16> numer{' '};
  const auto [koniec, ec] = std::to_chars(numer.data() + 1, numer.data() + numer.size(), nr);
  pl_lst_->pisz(std::string_view(numer.data(), static_cast<std::size_t>(koniec - numer.data())));
  pl_lst_->pisz(": ");
  pl_lst_->pisz_linie(linia);
}

// Appends a character to the token text; the text holds at most dl_tok,
// but for the extended notation.
void Bryzas_Skan::dopisz(char c) {
  if (tekst_.size() == dl_tok && !rozszerzona_) blad(bledy_skanera::za_dlugi_tekst);
  tekst_.push_back(c);
}

// Takes the characters after the one just appended, as long as they pass
// `pasuje`, in one step instead of one podaj_znak and dopisz each. The run
// stays within the current line and the room of the token text, so a line
// end, the end of the input and the character that does not fit all reach
// the caller's own checks through podaj_znak.
template <class Warunek>
void Bryzas_Skan::dopisz_bieg(Warunek pasuje) {
  const std::size_t wolne = rozszerzona_ ? dlug_ - poz_ : dl_tok - tekst_.size();
  const char* const pocz = linia_.data() + poz_;
  const char* const kon = pocz + std::min(wolne, static_cast<std::size_t>(dlug_ - poz_));
  const char* p = pocz;
  while (p != kon && pasuje(*p)) ++p;
  tekst_.append(pocz, p);
  poz_ += static_cast<int>(p - pocz);
  nr_kol = poz_;
}

// separatory = { " " | "--" komentarz_do_konca_linii }
void Bryzas_Skan::pomin_separatory() {
  for (;;) {
    while (zn_ == ' ' || zn_ == '\n') zn_ = podaj_znak(false);
    if (zn_ != '-') return;
    zn_ = podaj_znak(false);
    if (zn_ != '-') blad(bledy_skanera::brak_minusa);
    zn_ = podaj_znak(true);
  }
}

// nazwa = ogranicznik (litera | "_") { litera | cyfra | "_" } ogranicznik
void Bryzas_Skan::nazwa(char ogranicznik, int nr_bledu, Tablica_Symboli* tablica) {
  zn_ = podaj_znak(false);
  if (zn_ == NUL) blad(bledy_skanera::koniec_pliku);
  if (!litera(zn_) && zn_ != '_') blad(nr_bledu);
  for (;;) {
    dopisz(zn_);
    dopisz_bieg(znak_nazwy);
    zn_ = podaj_znak(false);
    if (zn_ == ogranicznik) break;
    if (zn_ == NUL) blad(bledy_skanera::koniec_pliku);
    if (!znak_nazwy(zn_)) blad(nr_bledu);
  }
  zn_ = podaj_znak(false);
  if (tablica != nullptr) tablica->wstaw_token(tekst_);
}

// slowo_sekcji = "++" litera { litera | cyfra | "_" }
Token_Kod Bryzas_Skan::slowo_sekcji() {
  zn_ = podaj_znak(false);
  if (zn_ == NUL) blad(bledy_skanera::koniec_pliku);
  if (zn_ != '+') blad(bledy_skanera::slowo_sekcji);
  zn_ = podaj_znak(false);
  if (!litera(zn_)) blad(bledy_skanera::slowo_sekcji);
  do {
    dopisz(zn_);
    zn_ = podaj_znak(false);
  } while (znak_nazwy(zn_));
  for (const auto& s : slowa_sekcji)
    if (wspolne::rowne_bez_wielkosci(tekst_, s.slowo)) return s.kod;
  if (rozszerzona_)
    for (const auto& s : slowa_rozszerzone)
      if (wspolne::rowne_bez_wielkosci(tekst_, s.slowo)) return s.kod;
  if (pierwszy_token_ && wspolne::rowne_bez_wielkosci(tekst_, znacznik_rozszerzonej)) {
    rozszerzona_ = true;
    // The extended notation's tables hold any number of names; none is in
    // them yet, the marker being the first token.
    if (symbole_ != nullptr)
      *symbole_ = {Tablica_Symboli(Tablica_Symboli::bez_granic), Tablica_Symboli(Tablica_Symboli::bez_granic)};
    return Token_Kod::ROZSZERZONA;
  }
  blad(bledy_skanera::slowo_sekcji);
}

// wstawka = "#$" { znak } "$#"      parametry = "<$" { znak } "$>"
// A "$" not followed by the closing character belongs to the text, and so
// does the character after it, even when that is the "$" of a following
// closing pair.
void Bryzas_Skan::wstawka(char zamkniecie, int brak_dolara) {
  const int linia_otwarcia = nr_linii, kol_otwarcia = nr_kol;
  zn_ = podaj_znak(false);
  if (zn_ == NUL) blad(bledy_skanera::koniec_pliku);
  if (zn_ != '$') blad(brak_dolara);
  granice_.clear();
  int linia = nr_linii;
  // The end of the file inside the text: in the extended notation an error
  // where the text opens, today's where the file ends.
  auto bez_konca = [&] {
    if (!rozszerzona_) blad(bledy_skanera::koniec_pliku);
    nr_linii = linia_otwarcia;
    nr_kol = kol_otwarcia;
    blad(zamkniecie == '#' ? bledy_skanera::wstawka_bez_konca : bledy_skanera::parametry_bez_konca);
  };
  // Where the text goes on in a new line: the joints that the text keeps no
  // trace of; in the extended notation the line ends themselves, empty
  // lines too.
  auto nastepny_znak = [&] {
    zn_ = podaj_znak(false);
    if (nr_linii == linia) return;
    if (rozszerzona_)
      tekst_.append(static_cast<std::size_t>(nr_linii - linia), '\n');
    else
      granice_.push_back({tekst_.size(), nr_linii});
    linia = nr_linii;
  };
  for (;;) {
    nastepny_znak();
    if (zn_ == '$') {
      const int linia_dolara = nr_linii;
      const int kol_dolara = nr_kol;
      nastepny_znak();
      if (zn_ == NUL) bez_konca();
      if (zn_ == zamkniecie) break;
      if (tekst_.size() == dl_tok) {
        // The "$" itself is the character that does not fit.
        nr_linii = linia_dolara;
        nr_kol = kol_dolara;
        blad(bledy_skanera::za_dlugi_tekst);
      }
      tekst_.push_back('$');
    }
    if (zn_ == NUL) bez_konca();
    dopisz(zn_);
    dopisz_bieg([](char c) { return c != '$' && c != NUL; });
  }
  zn_ = podaj_znak(false);
}

Token_Typ Bryzas_Skan::Skanuj() {
  if (blad_pierwszego_) std::rethrow_exception(std::exchange(blad_pierwszego_, nullptr));
  if (pierwszy_) return *std::exchange(pierwszy_, std::nullopt);
  return czytaj_token();
}

// token = nazwa_nt | nazwa_t | slowo_sekcji | wstawka | parametry | "(" | "%%" | "|" | ":"
//       | "=" | "{" | "}" | "[" | "]" | ")" | "." | koniec_pliku
Token_Typ Bryzas_Skan::czytaj_token() {
  tekst_.clear();
  pomin_separatory();
  Token_Typ t;
  t.linia = nr_linii;
  t.kol = nr_kol;
  // The lookahead is the character before poz_ (none before the first line).
  t.bajt = pocz_linii_ + static_cast<std::size_t>(std::max(poz_ - 1, 0));
  auto znak = [&](Token_Kod kod) {
    zn_ = podaj_znak(false);
    return kod;
  };
  switch (zn_) {
    case '"':
      nazwa('"', bledy_skanera::znak_nieterminala, symbole_ ? &symbole_->tablsymnterm : nullptr);
      t.Kod = Token_Kod::NAZWANT;
      break;
    case '\'':
      nazwa('\'', bledy_skanera::znak_terminala, symbole_ ? &symbole_->tablsymterm : nullptr);
      t.Kod = Token_Kod::NAZWAT;
      break;
    case '+': t.Kod = slowo_sekcji(); break;
    case '#':
      wstawka('#', bledy_skanera::brak_dolara);
      t.Kod = Token_Kod::KODSYM;
      t.granice = std::move(granice_);
      break;
    case '<':
      if (!rozszerzona_) blad(bledy_skanera::niedozwolony_znak);
      wstawka('>', bledy_skanera::brak_dolara_parametrow);
      t.Kod = Token_Kod::PARAMSYM;
      break;
    case '(': t.Kod = znak(Token_Kod::LNAW); break;
    case '%':
      zn_ = podaj_znak(false);
      if (zn_ == NUL) blad(bledy_skanera::koniec_pliku);
      if (zn_ != '%') blad(bledy_skanera::brak_procentu);
      t.Kod = znak(Token_Kod::PROCENT2);
      break;
    case '|': t.Kod = znak(Token_Kod::KRESKAPION); break;
    case ':': t.Kod = znak(Token_Kod::DWUKROPEK); break;
    case '=': t.Kod = znak(Token_Kod::ROWNA); break;
    case '{': t.Kod = znak(Token_Kod::LNAWKL); break;
    case '}': t.Kod = znak(Token_Kod::PNAWKL); break;
    case '[': t.Kod = znak(Token_Kod::LNAWKW); break;
    case ']': t.Kod = znak(Token_Kod::PNAWKW); break;
    case ')': t.Kod = znak(Token_Kod::PNAW); break;
    case '.': t.Kod = znak(Token_Kod::KROPKA); break;
    case NUL: t.Kod = znak(Token_Kod::KONIECPL); break;
    default: blad(bledy_skanera::niedozwolony_znak);
  }
  t.Wart = tekst_;
  pierwszy_token_ = false;
  return t;
}

}  // namespace bryzas
