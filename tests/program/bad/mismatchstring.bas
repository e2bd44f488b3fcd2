10 a = 1
20 PRINT a
