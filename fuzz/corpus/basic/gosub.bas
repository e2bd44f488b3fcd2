10 REM Guards end the run should a RETURN come back to the wrong place.
20 GOSUB 100: PRINT "after first": GOSUB 200: PRINT "after second"
30 g = g + 1: IF g > 1 THEN END
40 GOSUB 300: PRINT "back in main"
50 a = 5: a$ = "x": GOSUB 500: IF a = 0 AND a$ = "" THEN PRINT "cleared and returned"
60 END
100 PRINT "sub 100": RETURN
200 PRINT "sub 200": RETURN
300 PRINT "in 300": GOSUB 400: PRINT "back in 300": RETURN
400 PRINT "in 400": RETURN
500 CLEAR: RETURN
