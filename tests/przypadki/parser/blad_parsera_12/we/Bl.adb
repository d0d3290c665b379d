-- moja procedura glowna
procedure Bl is begin null; end Bl;
