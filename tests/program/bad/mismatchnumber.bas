10 a$ = "x"
20 IF a$ = "x" THEN n = a$
