1 REM states that play cannot reach, set up before the game's own rooms and subroutines run
2 REM (this file stands in for start.bas; line 10 and 20 are where the game restarts)
10 INPUT seed$
20 IF seed$ = "rifle" THEN hasrifle = 1: GOSUB 60000: PRINT " ": END
30 IF seed$ = "r7" THEN hasgasmask = 1: hasmask2 = 1: GOTO 7000
40 IF seed$ = "r8" THEN poison = 1: GOTO 8000
50 IF seed$ = "r48" THEN 48000
60 END
