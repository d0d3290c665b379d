// Writes the INI inputs on which the two converters are compared: a fixed
// set of edge cases (file names beginning "stale_") and a seeded series of
// random files ("los_"), part of them damaged on purpose.
// Usage: generuj_ini DIR [RANDOM_COUNT]
#include <cstdint>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using Przypadek = std::pair<std::string, std::string>;  // name, bytes

std::string razy(const std::string& s, int n) {
  std::string w;
  for (int i = 0; i < n; ++i) w += s;
  return w;
}

// Inputs that each aim at one rule of the converter's scanner or parser.
std::vector<Przypadek> stale() {
  using namespace std::string_literals;
  const std::string n100 = "n" + razy("a", 99);
  const std::string c100 = "1" + razy("0", 99);
  return {
      {"przyklad", "[serwer]\nport = 80\nnazwa = \"glowny\"\nopcje = 1, 2, tryb\n"},
      {"pusty", ""},
      {"same_komentarze", "; tylko komentarz\n\n   \n;[a]\n"},
      {"klucz_przed_sekcja", "k = 1\n[a]\nm = 2\n"},
      {"sekcja_bez_elementow", "[a]\n[b]\nk = 1\n"},
      {"trzy_wartosci", "[a]\nk = 1, \"dwa\", trzy\n"},
      {"powtorzenia", "[a]\nk=1\nk=2\n[a]\nk=3\n"},
      {"smieci_po_ostatniej_sekcji", "[a]\nk = 1\n=\n"},
      {"przecinek_po_ostatniej_sekcji", "[a]\nk = 1\n,\n"},
      {"nazwa_na_koncu_linii", "[a]\nk = v\nm = w\n"},
      {"liczba_na_koncu_linii", "[a]\nk = 12\n34 = w\n"},
      {"crlf", "[a]\r\nk = 1\r\nm = \"x\"\r\n"},
      {"bez_konca_linii", "[a]\nk = wartosc"},
      {"samotne_cr", "[a]\nk = 1\r2\n"},
      {"cr_na_koncu_pliku", "[a]\nk = 1\r"},
      {"cr_cr_lf", "[a]\r\nk = 1\r\r\n"},
      {"tabulator", "[a]\n\tk = 1\n"},
      {"myslnik_w_nazwie", "[a]\nk-1 = 1\n"},
      {"kropka_w_liczbie", "[a]\nk = 1.5\n"},
      {"minus_przed_liczba", "[a]\nk = -1\n"},
      {"spacja_w_napisie", "[a]\nk = \"a b\"\n"},
      {"pusty_napis", "[a]\nk = \"\"\n"},
      {"napis_od_cyfry", "[a]\nk = \"1a\"\n"},
      {"podwojny_cudzyslow", "[a]\nk = \"a\"\"b\"\n"},
      {"napis_otwarty_na_koncu_linii", "[a]\nk = \"abc\nm = 1\n"},
      {"napis_otwarty_na_koncu_pliku", "[a]\nk = \"abc"},
      {"cudzyslow_na_koncu_pliku", "[a]\nk = \""},
      {"srednik_w_napisie", "[a]\nk = \"a;b\"\n"},
      {"srednik_po_nazwie", "[a]\nk = v;komentarz\nm=1\n"},
      {"nul_w_linii", "[a]\nk = 1\0 smieci [\n"s},
      {"nul_w_napisie", "[a]\nk = \"ab\0c\"\n"s},
      {"nul_na_poczatku", "\0[a]\nk=1\n"s},
      {"zera_wiodace", "[a]\nk = 007, 0\n"},
      {"najwieksza_liczba", "[a]\nk = 2147483647, 0002147483647\n"},
      {"liczba_za_duza", "[a]\nk = 2147483648\n"},
      {"liczba_bardzo_duza", "[a]\nk = 99999999999999\n"},
      {"liczba_100_cyfr", "[a]\nk = " + razy("0", 99) + "7\n"},
      {"liczba_100_cyfr_za_duza", "[a]\nk = " + c100 + "\n"},
      {"liczba_101_cyfr", "[a]\nk = " + razy("0", 100) + "7\n"},
      {"nazwa_100", "[" + n100 + "]\n" + n100 + " = " + n100 + "\n"},
      {"nazwa_101", "[a]\n" + n100 + "b = 1\n"},
      {"napis_100", "[a]\nk = \"" + n100 + "\"\n"},
      {"napis_101", "[a]\nk = \"" + n100 + "b\"\n"},
      {"latin1", "[gr\xf3" "d]\nz\xe9ro = \"\xe9t\xe9\", \xc0\xff\xd8\n"},
      {"latin1_nie_litera", "[a]\nk\xd7 = 1\n"},
      {"latin1_dzielenie", "[a]\nk = 1\xf7\n"},
      {"bom", "\xef\xbb\xbf[a]\nk = 1\n"},
      {"nazwa_przez_granice_1000", "[a]\nk = " + razy(" ", 994) + "abcdef\nm = 1\n"},
      {"linia_1000", "[a]\nk = " + razy(" ", 995) + "x\nm = 1\n"},
      {"linia_2000", "[a]\n" + razy(" ", 1999) + "k\n= 1\n"},
      {"komentarz_dluzszy_niz_1000", "[a]\nk = 1\n;" + razy(" ", 999) + "[b] m = 2\n"},
      {"napis_przez_granice_1000", "[a]\nk = " + razy(" ", 996) + "\"abcdef\"\n"},
      {"puste_linie_przed_bledem", "\n\n[a]\n\n\tk=1\n"},
      {"wiele_tokenow_w_linii", "[a] k=1 m=2 [b] n=3\n"},
      {"wartosci_w_kilku_liniach", "[a]\nk = 1,\n  2,\n\n  3\n"},
      {"brak_wartosci", "[a]\nk =\n"},
      {"brak_nawiasu_zamykajacego", "[a\nk = 1\n"},
      {"pusta_nazwa_sekcji", "[]\nk = 1\n"},
      {"brak_rownosci", "[a]\nk 1\n"},
      {"przecinek_na_koncu", "[a]\nk = 1,\n"},
      {"podkreslenia", "[_a]\nA_1 = _b, \"_c\"\n"},
      {"puste_linie_na_koncu", "[a]\nk = 1\n\n\n"},
      {"tylko_crlf", "\r\n\r\n"},
  };
}

class Losowanie {
public:
  explicit Losowanie(std::uint32_t ziarno) : gen_(ziarno) {}
  // A number in 0 .. n-1; the raw generator output is the same everywhere.
  unsigned operator()(unsigned n) { return gen_() % n; }
  bool szansa(unsigned procent) { return (*this)(100) < procent; }

private:
  std::mt19937 gen_;
};

const std::string litery = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_";
const std::string cyfry = "0123456789";

std::string nazwa(Losowanie& los) {
  std::string w;
  // Now and then a letter from the upper half of ISO 8859-1.
  w += los.szansa(8) ? static_cast<char>(0xC0 + los(23)) : litery[los(litery.size())];
  const unsigned dl = los(10);
  for (unsigned i = 0; i < dl; ++i) {
    const std::string znaki = litery + cyfry;
    w += los.szansa(4) ? static_cast<char>(0xE0 + los(23)) : znaki[los(znaki.size())];
  }
  return w;
}

std::string liczba(Losowanie& los) {
  switch (los(60)) {
    case 0: return "2147483647";
    case 1: return "2147483648";
    case 2: return "000" + std::to_string(los(1000));
    default: break;
  }
  std::string w(1, cyfry[1 + los(9)]);
  const unsigned dl = los(9);
  for (unsigned i = 0; i < dl; ++i) w += cyfry[los(10)];
  return w;
}

std::string wartosc(Losowanie& los) {
  switch (los(3)) {
    case 0: return "\"" + nazwa(los) + "\"";
    case 1: return liczba(los);
    default: return nazwa(los);
  }
}

std::string odstep(Losowanie& los) { return std::string(los(3), ' '); }

std::string komentarz(Losowanie& los) { return los.szansa(15) ? " ; uwaga = [x]" : ""; }

// A well-formed file in varied layout.
std::string plik(Losowanie& los) {
  const std::string kl = los.szansa(25) ? "\r\n" : "\n";
  std::string w;
  const unsigned sekcje = 1 + los(4);
  for (unsigned s = 0; s < sekcje; ++s) {
    if (los.szansa(20)) w += ";" + nazwa(los) + kl;
    if (los.szansa(15)) w += kl;
    w += odstep(los) + "[" + odstep(los) + nazwa(los) + odstep(los) + "]" + komentarz(los) + kl;
    const unsigned elementy = 1 + los(4);
    for (unsigned e = 0; e < elementy; ++e) {
      // A line longer than 1000 characters, read in pieces.
      if (los.szansa(4)) w += std::string(990 + los(20), ' ');
      w += odstep(los) + nazwa(los) + odstep(los) + "=" + odstep(los) + wartosc(los);
      const unsigned dalsze = los(3);
      for (unsigned d = 0; d < dalsze; ++d) {
        w += odstep(los) + ",";
        w += los.szansa(20) ? kl + "  " : odstep(los);
        w += wartosc(los);
      }
      w += komentarz(los);
      w += los.szansa(10) ? " " : kl;
    }
  }
  if (los.szansa(15) && !w.empty()) w.resize(w.size() - kl.size());
  return w;
}

// One damage of a random kind at a random place.
void usterka(Losowanie& los, std::string& w) {
  if (w.empty()) return;
  const std::string zle = std::string("\t-.\"\r#\xd7;=,[]") + '\0';
  const std::size_t gdzie = los(w.size());
  switch (los(5)) {
    case 0: w.insert(gdzie, 1, zle[los(zle.size())]); break;
    case 1: w.erase(gdzie, 1); break;
    case 2: w.resize(gdzie); break;
    case 3: w += los.szansa(50) ? "= 5\n" : "klucz\n"; break;
    default: w.insert(gdzie, w.substr(gdzie, los(20))); break;
  }
}

bool zapisz(const std::string& katalog, const std::string& nazwa_pliku, const std::string& tresc) {
  const std::string sciezka = katalog + "/" + nazwa_pliku + ".ini";
  std::ofstream f(sciezka, std::ios::binary);
  f.write(tresc.data(), static_cast<std::streamsize>(tresc.size()));
  f.close();
  if (!f) std::cerr << "cannot write " << sciezka << "\n";
  return static_cast<bool>(f);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: generuj_ini DIR [RANDOM_COUNT]\n";
    return 2;
  }
  const std::string katalog = argv[1];
  const int ile = argc > 2 ? std::stoi(argv[2]) : 80;
  bool dobrze = true;
  for (const auto& [nazwa_pliku, tresc] : stale()) dobrze = zapisz(katalog, "stale_" + nazwa_pliku, tresc) && dobrze;
  Losowanie los(20261205);
  for (int i = 0; i < ile; ++i) {
    std::string tresc = plik(los);
    if (los.szansa(40)) usterka(los, tresc);
    const std::string numer = std::to_string(1000 + i).substr(1);
    dobrze = zapisz(katalog, "los_" + numer, tresc) && dobrze;
  }
  return dobrze ? 0 : 1;
}
