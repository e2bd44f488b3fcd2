10 PRINT "a"
20 PRINT "nedokončený text
