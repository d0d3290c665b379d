-- moja wersja
with  Demo1_Pars; use Demo1_Pars;

procedure Demo1 is
begin
  Parsuj;
  Parsuj;
end  Demo1;
