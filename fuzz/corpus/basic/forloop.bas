10 REM A start beyond the limit still runs the body once, and the step comes before the test.
20 n = 0: FOR i = 5 TO 1: n = n + 1: NEXT i
30 IF n = 1 AND i = 6 THEN PRINT "once past the limit"
40 s$ = "": FOR j = 3 TO 1 STEP -1: s$ = s$ + CHR$(48 + j): NEXT
50 PRINT s$: IF j = 0 THEN PRINT "down to 0"
60 REM The limit and the step are taken once, when the FOR runs.
70 lim = 3: st = 1: n = 0
80 FOR k = 1 TO lim STEP st: lim = 10: st = 5: n = n + 1: NEXT
90 IF n = 3 THEN PRINT "limit taken once"
100 n = 0: FOR k = 1 TO 5 STEP 0: n = n + 1: IF n > 9 THEN 120
110 NEXT k: IF n = 1 THEN PRINT "step 0 runs once"
120 s$ = ""
130 FOR a = 1 TO 2
140 FOR b = 1 TO 2: s$ = s$ + CHR$(48 + a) + CHR$(48 + b) + " ": NEXT b
150 NEXT a
160 PRINT s$
170 n = 0: FOR x = 0 TO 1 STEP .25: n = n + 1: NEXT: IF n = 5 THEN PRINT "fractional step"
