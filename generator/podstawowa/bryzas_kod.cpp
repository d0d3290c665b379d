#include "generator/podstawowa/bryzas_kod.h"

#include <string>

#include "wspolne/tekst.h"

namespace bryzas::podstawowa {

namespace {

bool nieterminal(const Token_Typ& t) { return t.Kod == Token_Kod::NAZWANT; }

}  // namespace

void Bryzas_Kod::gen_kod_wstawkod(const Token_Typ& tok_kod) {
  if (tok_kod.Kod != Token_Kod::KODSYM) return;
  p_.linia("-- wstawiony kod ");
  p_.linia(wspolne::usun_spacje(tok_kod.Wart));
  p_.linia("-- koniec kodu ");
}

void Bryzas_Kod::gen_kod_wyr1_nazwakod_1(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod) {
  const std::string nazwa(wspolne::usun_spacje(tok_nazwa.Wart));
  if (nieterminal(tok_nazwa)) {
    p_.linia(nazwa, ";");
    gen_kod_wstawkod(tok_kod);
    return;
  }
  p_.linia("if Tok.Kod=", nazwa, " then");
  {
    Wciecie wewnatrz(p_, krok_wciecia);
    // The user code comes before the token is consumed, so it can read Tok.Wart.
    gen_kod_wstawkod(tok_kod);
    p_.linia("-- tu wpisz obsluge tokena '", nazwa, "'");
    p_.linia("null;");
    p_.linia("Tok:=Skanuj;");
  }
  p_.linia("else Nr_Bledu_Pars:=", nr_bl_str({0, {tok_nazwa}, tok_nazwa.linia, tok_nazwa.kol}),
           "; raise Blad_Parsera;");
  p_.linia("end if;");
}

void Bryzas_Kod::gen_kod_opcjaw_nazwakod_1(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod) {
  const std::string nazwa(wspolne::usun_spacje(tok_nazwa.Wart));
  if (nieterminal(tok_nazwa)) {
    p_.linia("if not (Zawiera_Sie(Tok.Kod,First_", nazwa, ")) then exit;");
    p_.linia("end if;");
    p_.linia(nazwa, ";");
    gen_kod_wstawkod(tok_kod);
    return;
  }
  // A terminal that passed the exit test is there: no else branch, no null.
  p_.linia("if not(Tok.Kod=", nazwa, ") then exit; end if;");
  gen_kod_wstawkod(tok_kod);
  p_.linia("-- tu wpisz obsluge tokena '", nazwa, "'");
  p_.linia("Tok:=Skanuj;");
}

void Bryzas_Kod::gen_kod_opcjaw_nazwakod_2(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod) {
  gen_kod_wyr1_nazwakod_1(tok_nazwa, tok_kod);
}

Wciecie Bryzas_Kod::gen_kod_opcjaj_nazwakod_1(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod) {
  return otworz_wybor("if ", tok_nazwa, tok_kod, "'");
}

void Bryzas_Kod::gen_kod_opcjaj_nazwakod_2(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod) {
  gen_kod_wyr1_nazwakod_1(tok_nazwa, tok_kod);
}

Wciecie Bryzas_Kod::gen_kod_wyralbo_nazwakod_1(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod) {
  galezie_ = {tok_nazwa};
  return otworz_wybor("if ", tok_nazwa, tok_kod, "';");
}

void Bryzas_Kod::gen_kod_wyralbo_nazwakod_2(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod) {
  gen_kod_wyr1_nazwakod_1(tok_nazwa, tok_kod);
}

Wciecie Bryzas_Kod::gen_kod_wyralbo_nazwakod_3(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod) {
  galezie_.push_back(tok_nazwa);
  return otworz_wybor("elsif ", tok_nazwa, tok_kod, "';");
}

Wciecie Bryzas_Kod::otworz_wybor(std::string_view slowo, const Token_Typ& tok_nazwa,
                                 const Token_Typ& tok_kod, std::string_view koniec_komentarza) {
  const std::string nazwa(wspolne::usun_spacje(tok_nazwa.Wart));
  if (nieterminal(tok_nazwa)) {
    // A nonterminal is entered when the token may begin it.
    p_.linia(slowo, "Zawiera_Sie(Tok.Kod,First_", nazwa, ") then");
    Wciecie wewnatrz(p_, krok_wciecia);
    p_.linia(nazwa, ";");
    gen_kod_wstawkod(tok_kod);
    return wewnatrz;
  }
  p_.linia(slowo, "Tok.Kod=", nazwa, " then");
  Wciecie wewnatrz(p_, krok_wciecia);
  gen_kod_wstawkod(tok_kod);
  p_.linia("-- tu wpisz obsluge tokena '", nazwa, koniec_komentarza);
  p_.linia("null;");
  p_.linia("Tok:=Skanuj;");
  return wewnatrz;
}

std::string Bryzas_Kod::nr_bledu_alternatywy(int linia, int kol) {
  return nr_bl_str({0, std::move(galezie_), linia, kol});
}

std::string Bryzas_Kod::nr_bl_str(Blad_Kodu blad) {
  blad.nr = ++nr_bledu_gen_;
  bledy_.push_back(std::move(blad));
  return std::to_string(nr_bledu_gen_);
}

}  // namespace bryzas::podstawowa
