10 REM Ukázka: několik řádků, smyčka, podprogram, porovnání textů a konec.
20 PRINT "ukázka přeloženého programu."
30 PRINT "počítám:";
40 FOR i = 1 TO 5
50 PRINT " " + CHR$(48 + i);
60 NEXT i
70 PRINT
80 GOSUB 200
90 a$ = "inventář"
100 IF a$ = "Inventář" THEN PRINT "velké písmeno nehraje roli.": GOTO 120
110 PRINT "velké písmeno mění slovo."
120 PRINT "konec ukázky."
130 END
200 PRINT "podprogram běží."
210 RETURN
