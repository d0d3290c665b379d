-- pakiet B_Skan - specyfikacja
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with  Ada.Text_IO; use Ada.Text_IO;

package B_Skan is

Dl_Tok: constant Integer:=100;

Nr_Bledu_Skan: Integer:=0;

-- deklaracje typow
type Token_Kod is (t_1,t_2,t_3,t_4,t_5,t_6,
                   t_7,t_8,t_9,t_10,t_11,t_12,
                   t_13,t_14,t_15,t_16,t_17,t_18,
                   t_19,t_20,t_21,t_22,t_23,t_24,
                   t_25,t_26,t_27,t_28,t_29,t_30,
                   t_31,t_32,t_33,t_34,t_35,t_36,
                   t_37,t_38,t_39,t_40,t_41,t_42,
                   t_43,t_44,t_45,t_46,t_47,t_48,
                   t_49,t_50,t_51,t_52,t_53,t_54,
                   t_55,t_56,t_57,t_58,t_59,t_60,
                   t_61,t_62,t_63,t_64,t_65,t_66,
                   t_67,t_68,t_69,t_70,t_71,t_72,
                   t_73,t_74,t_75,t_76,t_77,t_78,
                   t_79,t_80,t_81,t_82,t_83,t_84,
                   t_85,t_86,t_87,t_88,t_89,t_90,
                   t_91,t_92,t_93,t_94,t_95,t_96,
                   t_97,t_98,t_99,t_100,t_101,t_102,
                   t_103,t_104,t_105,t_106,t_107,t_108,
                   t_109,t_110,t_111,t_112,t_113,t_114,
                   t_115,t_116,t_117,t_118,t_119,t_120,
                   t_121,t_122,t_123,t_124,t_125,t_126,
                   t_127,t_128,t_129,t_130,t_131,t_132,
                   t_133,t_134,t_135,t_136,t_137,t_138,
                   t_139,t_140,t_141,t_142,t_143,t_144,
                   t_145,t_146,t_147,t_148,t_149,t_150,
                   t_151,t_152,t_153,t_154,t_155,t_156,
                   t_157,t_158,t_159,t_160,t_161,t_162,
                   t_163,t_164,t_165,t_166,t_167,t_168,
                   t_169,t_170,t_171,t_172,t_173,t_174,
                   t_175,t_176,t_177,t_178,t_179,t_180,
                   t_181,t_182,t_183,t_184,t_185,t_186,
                   t_187,t_188,t_189,t_190,t_191,t_192,
                   t_193,t_194,t_195,t_196,t_197,t_198,
                   t_199,t_200,Pusty);


type Token_Typ is record
    Kod : Token_Kod;
    Wart: String(1..Dl_Tok); 
  end record;

function Skanuj return Token_Typ;

Blad_Skanera: exception;

end  B_Skan;
