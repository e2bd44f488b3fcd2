65000 REM greeting by the hour of the day: greeting = 1 the first time, 2 the second time (only the evening differs)
65010 hour = VAL(LEFT$(TIME$, 2))
65020 IF hour > 8 AND hour < 18 THEN PRINT "dobrý den;": RETURN
65030 IF hour > 2 AND hour < 9 THEN PRINT "dobré ráno;": RETURN
65040 IF greeting = 1 THEN PRINT "dobrý večer;": RETURN
65050 PRINT "dobrý večer.": RETURN
