#include "generator/wspolne/teksty_bledow.h"

#include "generator/wspolne/pisarz.h"
#include "generator/wspolne/skaner.h"

namespace bryzas {

void pisz_teksty_bledow(Pisarz& w, const std::vector<Opis_Bledu>& opisy,
                        const std::function<std::string(const Opis_Bledu&)>& tekst) {
  w.linia("case Nr is");
  {
    Wciecie galezie(w, krok_wciecia);
    for (const Opis_Bledu& o : opisy) w.linia("when ", std::to_string(o.nr), " => return ", tekst(o), ";");
    w.linia("when others => return \"nieznany blad\";");
  }
  w.linia("end case;");
}

// A character that begins no token is shown as it is, or by its code; a
// token begun and not finished as the messages spell it.
void pisz_opis_skanera(Pisarz& w, std::string_view skaner) {
  w.blok(R"ada(
function Opis_Skanera (Nr : Integer) return String is
  Kod : constant String := Integer'Image (Character'Pos (Znak));
begin
  case Nr is
)ada");
  {
    Wciecie galezie(w, 2 * krok_wciecia);
    for (const Blad_Skanera_Ady& b : bledy_skanera_ady) {
      const std::string tekst(b.tekst);
      if (b.nr != zly_znak_ady.nr) {
        w.linia("when ", std::to_string(b.nr), " => return \"", tekst, "\";");
        continue;
      }
      w.linia("when ", std::to_string(b.nr), " =>");
      Wciecie galaz(w, krok_wciecia);
      w.linia("if Znak in ' ' .. '~' then");
      {
        Wciecie znak(w, krok_wciecia);
        w.linia("return \"", tekst, " '\" & Znak & \"'\";");
      }
      w.linia("end if;");
      w.linia("return \"", tekst, " #\" & Kod (Kod'First + 1 .. Kod'Last);");
    }
  }
  if (!skaner.empty()) {
    Wciecie galezie(w, 2 * krok_wciecia);
    w.linia("when ", std::to_string(niedokonczony_ady.nr), " =>");
    Wciecie galaz(w, krok_wciecia);
    w.linia("return \"", niedokonczony_ady.tekst, " \" & Pisownia (", skaner, ".Token_Kod'Val (Niedokonczony));");
  }
  w.blok(R"ada(
    when others => return "nieznany blad skanera";
  end case;
end Opis_Skanera;

)ada");
}

}  // namespace bryzas
