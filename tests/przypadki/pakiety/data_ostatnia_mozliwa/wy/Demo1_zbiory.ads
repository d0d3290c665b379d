-- pakiet Demo1_zbiory - specyfikacja
-- wygenerowano wg danych uzytkownia
-- dnia  31. 12. 9999, godz.  23: 59: 59

with  Demo1_Skan; use Demo1_Skan;

package Demo1_zbiory is

type Zbior_Tok is private;

procedure Zeruj(z: in out Zbior_Tok);
function "+"(l: Zbior_Tok; p: Token_Kod) return Zbior_Tok;
function "+"(l,p: Zbior_Tok) return Zbior_Tok;
function Zawiera_Sie(l: Token_Kod;p: Zbior_Tok) return Boolean;

private
  type Zbior_Tok is array(Token_Kod) of Boolean;

end Demo1_zbiory;
