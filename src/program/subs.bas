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
60220 IF hasmask2 = 0 AND hashammer = 0 AND hasfilter = 0 AND hasrifle = 0 AND hascrate = 0 AND hasmessage = 0 AND hasscrewdriver = 0 THEN PRINT ";nic sebou neneseš.": RETURN
60300 PRINT ";neseš sebou ";
60310 PRINT itemtext1$; " "; itemtext2$; " "; itemtext3$; " "; itemtext4$; " "; itemtext5$; " ";
60320 PRINT itemtext6$; " "; itemtext7$; " "; itemtext8$; " "; itemtext9$; " "; itemtext10$; " ";
60330 PRINT itemtext11$; " "; itemtext12$; " "; itemtext13$; " "; itemtext14$; " "; itemtext15$; " ";
60340 RETURN

61000 REM dictionary: the moves and the words the game knows
61010 PRINT ";příkazy pro pohyb .s=sever, .j=jich, .v=východ, .z=západ, .n=nahoru, .d=dolů,.p=doprava, .l=doleva, .s, .z=severozápad, .j, .z=jihozápad, .s, .v=severovýchod, .j, .v=jihovýchod."
61020 PRINT ";"
61030 GOSUB 61500
61040 PRINT ";slovní příkazy, vezmi, prozkoumej, polož, nastup, vystup, vyber."
61050 PRINT ";"
61060 GOSUB 61500
61070 PRINT ";"
61080 RETURN
61500 REM the dictionary jingle
61510 PLAY 200; 140; 0: PLAY 249; 140; 0: PLAY 300; 140; 0: PLAY 150; 140; 0: PLAY 200; 200; 0
61520 RETURN

62000 REM a command the room does not know
62010 PRINT "nelze provést."
62020 RETURN

63000 REM death, then the replay, list and exit questions
63010 PITCH 70: PRINT "jsi mrtev.": PITCH 56: PAUSE 500
63020 CLEAR
63030 GOSUB 64000
63040 PAUSE 300
63050 PLAY 261, 348, 414; 750; 3: PLAY 261, 348, 414; 250; 3: PLAY 261, 311, 391; 250; 3
63060 PAUSE 500: POKE 44500, 0
63100 PRINT "chceš hrát znovu? napiš a, jako ano, nebo y, jako ano, nebo něco jiného.": INPUT cmd$
63110 IF cmd$ = "a" OR cmd$ = "y" OR cmd$ = "an" OR cmd$ = "ano" THEN 10
63120 IF cmd$ = "n" OR cmd$ = "ne" THEN PRINT ";nechceš.": PAUSE 1000: GOTO 63200
63130 GOSUB 62000: PRINT ";znovu.": GOTO 63100
63200 REM shall the program be listed
63210 PRINT ";chceš vypsat tento program? ano, nebo ne?"
63220 PRINT " ": INPUT cmd$
63230 IF cmd$ = "a" OR cmd$ = "y" OR cmd$ = "an" OR cmd$ = "ano" THEN PRINT ";vypisuji": GOTO 63250
63240 IF cmd$ <> "n" AND cmd$ <> "ne" THEN GOSUB 62000: GOTO 63220
63250 PRINT ";nechceš.": PAUSE 1000
63300 REM shall the program be left, asked up to three times
63310 PRINT ";chceš opustit tento program? ano, nebo ne?"
63320 PRINT " ": INPUT cmd$
63330 IF cmd$ = "a" OR cmd$ = "y" OR cmd$ = "an" OR cmd$ = "ano" THEN PRINT ";opravdu jej chceš opustit? ano, nebo ne?": GOTO 63400
63340 IF cmd$ = "n" OR cmd$ = "ne" THEN 63900
63350 GOSUB 62000: GOTO 63320
63400 PRINT " ": INPUT cmd$
63410 IF cmd$ = "a" OR cmd$ = "y" OR cmd$ = "an" OR cmd$ = "ano" THEN PRINT ";ještě jednou se tě ptám.": PRINT ";chceš opustit tento program? ano, nebo ne?": GOTO 63500
63420 IF cmd$ = "n" OR cmd$ = "ne" THEN 63900
63430 GOSUB 62000: GOTO 63400
63500 PRINT " ": INPUT cmd$
63510 IF cmd$ = "a" OR cmd$ = "y" OR cmd$ = "an" OR cmd$ = "ano" THEN PRINT ";tak dobře.": PRINT ";opouštím tento program.": POKE 44720, 0: END
63520 IF cmd$ = "n" OR cmd$ = "ne" THEN 63900
63530 GOSUB 62000: GOTO 63500
63900 REM the player stays: the author says goodbye
63910 PRINT ";tak ahoj. já, autor této hry, se s tebou loučím."
63920 POKE 44720, 0: CLEAR: END

64000 REM funeral march
64010 PLAY 261, 311, 391, 524; 1000; 3
64020 PLAY 261, 348, 414, 524; 750; 10
64030 PLAY 261, 348, 414, 524; 250; 10
64040 PLAY 261, 311, 391, 524; 1000; 10
64050 PLAY 261, 311, 391, 621; 750; 10
64060 PLAY 261, 311, 391, 587; 250; 10
64070 PLAY 292, 391, 495, 587; 750; 10
64080 PLAY 292, 391, 495, 524; 250; 10
64090 PLAY 292, 348, 391, 524; 750; 3
64100 PLAY 292, 348, 391, 495; 250; 10
64110 PLAY 261, 311, 391, 524; 750; 10
64120 RETURN

64500 REM falling sweep
64510 FOR fallnote = 1000 TO 200 STEP -20: PLAY fallnote; 10; 1: NEXT
64520 RETURN

65000 REM greeting by the hour of the day: greeting = 1 the first time, 2 the second time (only the evening differs)
65010 hour = VAL(LEFT$(TIME$, 2))
65020 IF hour > 8 AND hour < 18 THEN PRINT "dobrý den;": RETURN
65030 IF hour > 2 AND hour < 9 THEN PRINT "dobré ráno;": RETURN
65040 IF greeting = 1 THEN PRINT "dobrý večer;": RETURN
65050 PRINT "dobrý večer.": RETURN
