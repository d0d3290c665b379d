--  Set by the test scanner once it has returned the end of the input.
package Slowa_Stan is
   Na_Koncu : Boolean := False;
end Slowa_Stan;
