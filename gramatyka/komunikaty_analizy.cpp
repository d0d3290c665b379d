#include "gramatyka/komunikaty_analizy.h"

#include <stdexcept>

#include "wspolne/tekst.h"

namespace bryzas_analiza {

namespace {

using K = Komunikat_Analizy;
using R = Rodzaj_Komunikatu;

// Arguments: N, M a nonterminal and X, Y a name of either kind as the
// grammar writes them (in quotes), T a terminal, T... terminals separated
// by blanks, A, B a name or a word without quotes, I, J, L, D, K numbers,
// Z a sentence, W nonterminals listed, R what the parser does, P the token
// file, E a text as the token file writes it, C a conflict, S a header
// keyword.
constexpr Wzor_Komunikatu wzory[] = {
    {K::za_duzo_produkcji, R::blad, "za duzo produkcji (max 200)", {}},
    {K::zbedne_init_instr_po, R::ostrzezenie,
     "ta wstawka ++init_instr_po nie zostanie uzyta: generator bierze tylko ostatnia", {}},

    {K::naglowek_za_produkcjami, R::uwaga, "sekcje naglowka stoja przed produkcjami", {}},
    {K::wstawka_bez_slowa_raz, R::uwaga, "wstawka bez slowa stoi w naglowku tylko raz", {}},
    {K::sekcja_raz, R::uwaga, "sekcja ++{1} moze wystapic tylko raz", {"S"}},
    {K::kolejnosc_naglowka, R::uwaga,
     "sekcje naglowka stoja w kolejnosci: ++with_use, ++pak_dekl, wstawka bez slowa, ++init_dekl, "
     "++init_instr i ++init_instr_przed, ++init_instr_po, ++except_skan, ++except_pars",
     {}},
    {K::kolejnosc_naglowka_rozszerzonej, R::uwaga,
     "sekcje naglowka stoja w kolejnosci: ++with_use i ++with, ++pak_dekl, wstawka bez slowa, "
     "++init_dekl, ++init_instr i ++init_instr_przed, ++init_instr_po, ++except_skan, ++except_pars; "
     "++koniec i ++bez_odtwarzania gdziekolwiek",
     {}},
    {K::wstawka_w_naglowku, R::uwaga,
     "w naglowku po slowie sekcji stoi jedna wstawka, a wstawka bez slowa tylko raz, po sekcjach ++pak_dekl", {}},
    {K::kreska_w_opcji, R::uwaga,
     "'|' stoi tylko w ( | ): wybor wewnatrz [ ] lub { } musi byc osobna produkcja", {}},
    {K::grupa_w_grupie, R::uwaga,
     "grupy [ ], { } i ( | ) zawieraja tylko nazwy i nie zagniezdzaja sie: "
     "grupa wewnatrz grupy musi byc osobna produkcja",
     {}},
    {K::parametry_terminala, R::uwaga, "terminal {1} nie przyjmuje parametrow <$ $>", {"A"}},

    {K::terminal_ponad_limit, R::blad, "{1} ponad limit 200 terminali generatora", {"T"}},
    {K::nieterminal_ponad_limit, R::blad, "{1} ponad limit 200 nieterminali generatora", {"N"}},
    {K::bez_produkcji, R::blad, "nieterminal {1} nie ma produkcji", {"N"}},
    {K::nieosiagalny, R::ostrzezenie, "nieterminal {1} jest nieosiagalny z {2}", {"N", "M"}},
    {K::nieproduktywny, R::blad, "nieterminal {1} nie wyprowadza zadnego ciagu terminali", {"N"}},
    {K::rekursja_lewostronna, R::blad, "lewostronna rekursja: {1}", {"N -> ... -> N"}},
    {K::uzycie_bez_parametrow, R::blad, "{1} ma parametry, a to uzycie ich nie podaje", {"N"}},
    {K::uzycie_z_parametrami, R::blad, "{1} nie ma parametrow, a to uzycie je podaje", {"N"}},
    {K::parametry_startowego, R::ostrzezenie,
     "parametry symbolu startowego ma procedura Parsuj: generator nie pisze procedury glownej, napisz ja sam", {}},

    {K::koniec_token_w_pliku, R::ostrzezenie,
     "parser nie sprawdza, czy wejscie konczy sie po {1}: nazwij token konca w {2} (++koniec)", {"N", "P"}},
    {K::koniec_token_w_gramatyce, R::ostrzezenie,
     "parser nie sprawdza, czy wejscie konczy sie po {1}: nazwij token konca w gramatyce (++koniec)", {"N"}},
    {K::koniec_zakoncz_tokenem, R::ostrzezenie,
     "parser nie sprawdza, czy wejscie konczy sie po {1}: zakoncz te produkcje tokenem '{2}'", {"N", "A"}},
    {K::koniec_nazwij_i_zakoncz, R::ostrzezenie,
     "parser nie sprawdza, czy wejscie konczy sie po {1}: nazwij token konca w {2} (++koniec) "
     "i zakoncz nim te produkcje",
     {"N", "P"}},
    {K::koniec_zakoncz_ostatnim, R::ostrzezenie,
     "parser nie sprawdza, czy wejscie konczy sie po {1}: zakoncz te produkcje tokenem, "
     "ktory skaner daje tylko na koncu wejscia",
     {"N"}},

    {K::nazwa_od_podkreslenia, R::blad, "{1} nie moze byc nazwa Ady: zaczyna sie od '_'", {"X"}},
    {K::nazwa_na_podkreslenie, R::blad, "{1} nie moze byc nazwa Ady: konczy sie na '_'", {"X"}},
    {K::nazwa_dwa_podkreslenia, R::blad, "{1} nie moze byc nazwa Ady: ma dwa '_' z rzedu", {"X"}},
    {K::slowo_zastrzezone, R::blad, "{1} jest slowem zastrzezonym Ady", {"X"}},
    {K::nazwa_wygenerowana, R::blad, "{1} nazywa to, co deklaruja pakiety wygenerowane przez bryzas", {"X"}},
    {K::nazwa_standardu, R::blad, "{1} przeslania predefiniowana nazwe Ady", {"T"}},
    {K::wielkosc_liter, R::blad, "{1} i {2} roznia sie tylko wielkoscia liter, a Ada ich nie rozroznia",
     {"X", "Y"}},

    {K::wstawka_komentarz, R::ostrzezenie,
     "wstawka w kilku liniach laczy je bez odstepu: '--' w linii {1} zamienia w komentarz reszte wstawki", {"L"}},
    {K::wstawka_sklejenie, R::ostrzezenie,
     "wstawka w kilku liniach laczy je bez odstepu: '{1}' i '{2}' skleja sie w '{1}{2}'", {"A", "B"}},

    {K::pusty_na_poczatku_galezi, R::ostrzezenie, "{1} moze byc pusty na poczatku galezi", {"N"}},
    {K::pusty_na_poczatku_grupy, R::ostrzezenie, "{1} moze byc pusty na poczatku grupy", {"N"}},
    {K::galaz_nie_wybrana, R::blad_wyboru,
     "{1} moze byc pusty na poczatku galezi; galaz nie zostanie wybrana dla {2}", {"N", "T..."}},
    {K::grupa_nie_wybrana, R::blad_wyboru,
     "{1} moze byc pusty na poczatku grupy; grupa nie zostanie wybrana dla {2}", {"N", "T..."}},
    {K::konflikt_opcji, R::blad_wyboru,
     "konflikt LL(1): opcja [ ] i to, co po niej, zaczynaja sie od {1} (parser wejdzie w opcje)", {"T..."}},
    {K::konflikt_powtorzenia, R::blad_wyboru,
     "konflikt LL(1): powtorzenie { } i to, co po nim, zaczynaja sie od {1} (parser powtorzy petle)", {"T..."}},
    {K::konflikt_galezi, R::blad_wyboru,
     "konflikt LL(1): galezie {1} i {2} zaczynaja sie od {3} (wybrana bedzie galaz {1})", {"I", "J", "T..."}},
    {K::skutek_zbednych, R::czesc, "{1}; skutek zbednych terminali w FIRST", {"C"}},
    {K::first_bez_produkcji, R::ostrzezenie_lub_blad, "linia FIRST dla {1}, ktory nie ma produkcji", {"N"}},
    {K::brak_linii_first_grupy, R::blad, "brak linii FIRST dla {1}, ktory zaczyna grupe", {"N"}},
    {K::brak_linii_first, R::blad, "brak linii FIRST dla {1}", {"N"}},
    {K::first_nie_zawiera, R::blad_wyboru, "FIRST {1} nie zawiera {2}", {"N", "T..."}},
    {K::first_nie_zawiera_nieuzywany, R::ostrzezenie, "FIRST {1} nie zawiera {2} (zbior nieuzywany w parserze)",
     {"N", "T..."}},
    {K::first_zbedne, R::ostrzezenie_lub_blad, "FIRST {1} zawiera zbedne {2}", {"N", "T..."}},
    {K::tokeny_i_koniec, R::czesc, "{1} i konca wejscia", {"T..."}},
    {K::koniec_wejscia, R::czesc, "konca wejscia", {}},

    {K::robi_nie_wybiera_galezi, R::czesc, "parser nigdy nie wybiera galezi tam, gdzie by jej potrzebowal", {}},
    {K::robi_nie_wchodzi_w_grupe, R::czesc, "parser nigdy nie wchodzi w grupe tam, gdzie by jej potrzebowal", {}},
    {K::robi_wybiera_opcje, R::czesc, "parser zawsze wybiera opcje", {}},
    {K::robi_powtarza_petle, R::czesc, "parser zawsze powtarza petle", {}},
    {K::robi_wybiera_galaz, R::czesc, "parser zawsze wybiera galaz {1}", {"I"}},
    {K::robi_bez_brakujacych, R::czesc, "parser nie potrzebuje tu brakujacych terminali", {}},

    {K::zdanie_odrzucone_na, R::uwaga, "zdanie {1} nalezy do jezyka, parser odrzuci je na {2}", {"Z", "T"}},
    {K::zdanie_odrzucone_na_koncu, R::uwaga, "zdanie {1} nalezy do jezyka, parser odrzuci je na koncu wejscia",
     {"Z"}},
    {K::zdanie_przed_koncem, R::uwaga, "zdanie {1} nalezy do jezyka, parser skonczy przed {2}", {"Z", "T"}},
    {K::zdanie_przez_bez_produkcji, R::uwaga,
     "zdanie {1} nalezy do jezyka, ale parser wywola na nim {2}, ktory nie ma produkcji", {"Z", "N"}},
    {K::zdanie_przez_nieproduktywny, R::uwaga,
     "zdanie {1} nalezy do jezyka, ale parser wywola na nim {2}, ktory nie wyprowadza zadnego ciagu terminali",
     {"Z", "N"}},
    {K::zdanie_przez_rekursje, R::uwaga,
     "zdanie {1} nalezy do jezyka, ale parser wywola na nim {2}, ktory jest w lewostronnej rekursji", {"Z", "N"}},
    {K::zdania_nie_pokazano, R::uwaga,
     "zdania nie pokazano: ten wybor moze byc zly tylko w wyprowadzeniach przez {1}", {"W"}},
    {K::wybor_nieszkodliwy, R::uwaga, "zadne zdanie do {1} symboli nie jest przez ten wybor odrzucone; {2}",
     {"D", "R"}},
    {K::wybor_nieszkodliwy_omija, R::uwaga,
     "zadne zdanie do {1} symboli, ktorego wyprowadzenie omija {2}, nie jest przez ten wybor odrzucone; {3}",
     {"D", "W", "R"}},
    {K::przeszukiwanie_przerwane, R::uwaga,
     "nie znaleziono odrzuconego zdania, ale przeszukiwanie zdan do {1} symboli zatrzymalo sie na granicy "
     "{2} krokow",
     {"D", "K"}},
    {K::puste_zdanie, R::czesc, "(puste)", {}},
    {K::wyliczenie_lub, R::czesc, "{1} lub {2}", {"N, ...", "M"}},
    {K::wyliczenie_i, R::czesc, "{1} i {2}", {"N, ...", "M"}},
    {K::wyliczenie_lub_inne, R::czesc, "{1} lub inne (razem {2})", {"N, ...", "I"}},
    {K::wyliczenie_i_inne, R::czesc, "{1} i inne (razem {2})", {"N, ...", "I"}},

    {K::token_nieuzywany, R::ostrzezenie, "gramatyka nie uzywa tokenu '{1}': generator pomija jego definicje",
     {"A"}},
    {K::koniec_nieuzywany, R::ostrzezenie,
     "gramatyka nie uzywa tokenu '{1}': koniec wejscia bedzie tokenem Pusty", {"A"}},
    {K::token_pusty, R::blad, "definicja tokenu '{1}' pasuje do pustego tekstu", {"A"}},
    {K::token_bez_definicji, R::blad, "token '{1}' nie ma definicji w {2}", {"A", "P"}},
    {K::ten_sam_tekst, R::ostrzezenie,
     "'{1}' i '{2}' pasuja do tego samego tekstu, np. {3}: powstanie tylko '{2}'", {"A", "B", "E"}},
    {K::slowo_nie_nazwa, R::ostrzezenie,
     "slowo kluczowe \"{1}\" nie pasuje do zadnego innego tokenu: nie bedzie tez rozpoznane jako nazwa", {"A"}},
};

// Each entry at the place of its name, so that a name finds its text at once.
constexpr bool w_kolejnosci() {
  for (std::size_t i = 0; i < std::size(wzory); ++i)
    if (static_cast<std::size_t>(wzory[i].nazwa) != i) return false;
  return true;
}
static_assert(w_kolejnosci(), "the table of messages follows the order of their names");

std::size_t liczba_argumentow(const Wzor_Komunikatu& w) {
  std::size_t n = 0;
  while (n < w.argumenty.size() && !w.argumenty[n].empty()) ++n;
  return n;
}

}  // namespace

std::span<const Wzor_Komunikatu> wzory_komunikatow() { return wzory; }

const Wzor_Komunikatu& wzor_komunikatu(Komunikat_Analizy k) {
  const auto i = static_cast<std::size_t>(k);
  if (i >= std::size(wzory)) throw std::logic_error("komunikat analizy bez tekstu");
  return wzory[i];
}

std::string wypelnij(std::string_view tekst, std::span<const std::string_view> argumenty) {
  std::string w;
  for (std::size_t i = 0; i < tekst.size(); ++i) {
    // A place is "{", digits, "}"; any other brace is text ("{ }").
    std::size_t j = i + 1;
    std::size_t nr = 0;
    if (tekst[i] == '{')
      while (j < tekst.size() && wspolne::cyfra(tekst[j])) nr = nr * 10 + static_cast<std::size_t>(tekst[j++] - '0');
    if (j == i + 1 || j == tekst.size() || tekst[j] != '}') {
      w += tekst[i];
      continue;
    }
    if (nr == 0 || nr > argumenty.size())
      throw std::logic_error("komunikat analizy bez argumentu {" + std::to_string(nr) + "}");
    w += argumenty[nr - 1];
    i = j;
  }
  return w;
}

std::string tresc(Komunikat_Analizy k, std::initializer_list<std::string_view> argumenty) {
  const Wzor_Komunikatu& w = wzor_komunikatu(k);
  if (argumenty.size() != liczba_argumentow(w))
    throw std::logic_error("komunikat analizy \"" + std::string(w.tekst) + "\": zla liczba argumentow");
  return wypelnij(w.tekst, std::span(argumenty.begin(), argumenty.size()));
}

}  // namespace bryzas_analiza
