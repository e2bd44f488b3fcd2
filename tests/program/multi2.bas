1000 PRINT "other file": RETURN
