10 IF VAL("%x") OR 1 THEN PRINT "not reached"
