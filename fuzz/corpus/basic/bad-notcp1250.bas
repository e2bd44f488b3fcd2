10 PRINT "ž"
20 PRINT "šipka → vpravo"
