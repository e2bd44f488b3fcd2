60000 REM inventory: what the player carries, on one line
60010 itemtext1$ = "": IF hasletter = 1 THEN itemtext1$ = "dopis,"
60020 itemtext2$ = "": IF hasgrid = 1 THEN itemtext2$ = "kódovací mřížku,"
60030 itemtext3$ = "": IF hasgasmask = 1 THEN itemtext3$ = "plynovou masku,"
60040 itemtext4$ = "": IF hassuit = 1 THEN itemtext4$ = "skafandr,"
60050 itemtext5$ = "": IF hasdagger = 1 THEN itemtext5$ = "dýku,"
60060 itemtext6$ = "": IF hasnote = 1 THEN itemtext6$ = "lístek,"
60070 itemtext7$ = "": IF haskey = 1 THEN itemtext7$ = "klíč,"
60080 itemtext8$ = "": IF hasdumbbell = 1 THEN itemtext8$ = "činku,"
60090 itemtext9$ = "": IF hasmask2 = 1 THEN itemtext9$ = "další masku,"
60100 itemtext10$ = "": IF hashammer = 1 THEN itemtext10$ = "malé kladívečko,"
60110 itemtext11$ = "": IF hasfilter = 1 THEN itemtext11$ = "díravý dýchací filtr,"
60120 itemtext12$ = "": IF hasrifle = 1 THEN itemtext12$ = "pušku,"
60130 itemtext13$ = "": IF hascrate = 1 THEN itemtext13$ = "velkou bednu,"
60140 itemtext14$ = "": IF hasmessage = 1 THEN itemtext14$ = "zprávu,"
60150 itemtext15$ = "": IF hasscrewdriver = 1 THEN itemtext15$ = "šroubovák,"
60200 IF hasletter = 0 AND hasgrid = 0 AND hasgasmask = 0 AND hassuit = 0 AND hasdagger = 0 AND hasnote = 0 AND haskey = 0 AND hasdumbbell = 0 THEN 60220
60210 GOTO 60300
