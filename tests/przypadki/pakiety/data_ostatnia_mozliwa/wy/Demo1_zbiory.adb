-- pakiet Demo1_zbiory - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  31. 12. 9999, godz.  23: 59: 59

package body Demo1_zbiory is

function "+" (l: Zbior_Tok; p: Token_Kod) return Zbior_Tok is
  z: Zbior_Tok:=l;
begin
  z(p) := True;
  return z;
end "+";

function "+" (l,p: Zbior_Tok) return Zbior_Tok is
  z: Zbior_Tok;
begin
  z := l or p;
  return z;
end "+";

function Zawiera_Sie(l: Token_Kod; p: Zbior_Tok) return Boolean is
begin
  if p(l)=True then return True;
  else return False;
  end if;
end Zawiera_Sie;

procedure Zeruj (z: in out Zbior_Tok) is
begin
  z := (others => False); 
end Zeruj;

end Demo1_zbiory;
