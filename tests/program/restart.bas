10 REM First run: leave a GOSUB pending. Second run: RETURN at once.
20 IF PEEK(1000) = 1 THEN 50
30 POKE 1000, 1: GOSUB 60
40 PRINT "stale return"
50 POKE 1000, 0: RETURN
60 END
