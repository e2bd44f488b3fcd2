10 a$ = "inventář"
20 IF a$ = "Inventář" THEN PRINT "wrong"
30 IF a$ <> "Inventář" THEN PRINT "capital differs"
40 IF a$ = "inventář" THEN PRINT "same word"
50 IF "č" > "z" AND "Z" < "a" THEN PRINT "unsigned bytes"
60 IF "ab" < "abc" AND "" < "a" AND b$ = "" THEN PRINT "shorter first"
70 c$ = CHR$(65) + CHR$(66): PRINT c$
80 PRINT LEFT$("abcdef", 3) + LEFT$(c$, 1)
90 PRINT "ab"; "c", "d"
100 PRINT "příliš ??= \"
