10 GOSUB 40: PRINT "returned": RETURN: PRINT "after the extra return"
20 PRINT "next line"
30 END
40 RETURN
