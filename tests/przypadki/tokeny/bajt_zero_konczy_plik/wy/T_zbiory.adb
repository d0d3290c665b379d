-- pakiet T_zbiory - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package body T_zbiory is

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

end T_zbiory;
