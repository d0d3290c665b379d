-- pakiet T_zbiory - specyfikacja
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with  T_Skan; use T_Skan;

package T_zbiory is

type Zbior_Tok is private;

procedure Zeruj(z: in out Zbior_Tok);
function "+"(l: Zbior_Tok; p: Token_Kod) return Zbior_Tok;
function "+"(l,p: Zbior_Tok) return Zbior_Tok;
function Zawiera_Sie(l: Token_Kod;p: Zbior_Tok) return Boolean;

private
  type Zbior_Tok is array(Token_Kod) of Boolean;

end T_zbiory;
