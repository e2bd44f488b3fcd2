31000 REM R31 great hall (poison below 2: not drunk, too weak for the dumbbell)
31010 PRINT "jsi v místnosti, která je hrozně moc velká. na severní straně je činka."
31020 IF poison < 2 THEN PRINT "ale ty jí stejně neuzvedneš.": GOTO 31500
31030 IF poison = 2 THEN PRINT "můžeš jí uzvednout, proto žes vypil jed. lze jít směrem sever, západ."
31500 PRINT " ": INPUT cmd$
31510 IF cmd$ = "s" THEN 32000
31520 IF cmd$ = "z" THEN 30000
31530 IF cmd$ = "vezmi činku" OR cmd$ = "ber činku" THEN 31700
31540 IF cmd$ = "prozkoumej činku" THEN 31750
31550 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 31500
31560 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 31500
31590 GOSUB 62000: GOTO 31500
31700 PRINT "musíš jít blíž, na sever."
31710 IF poison < 2 THEN PRINT "stejně ji nevezmeš."
31720 GOTO 31500
31750 IF poison < 2 THEN PRINT "musíš jít na sever."
31760 IF poison = 2 THEN PRINT "nejprve musíš jít na sever a potom ji musíš nejprve vzít."
31770 GOTO 31500

32000 REM R32 at the dumbbell
32010 PRINT "stojíš u činky."
32020 IF poison < 2 THEN PRINT "nemůžeš jí vzít."
32030 IF poison = 2 THEN PRINT "můžeš jí vzít.": IF hasdumbbell <> 1 THEN PRINT "protože vypils jed."
32040 PRINT "lze jít směrem jich, západ."
32500 PRINT " ": INPUT cmd$
32510 IF cmd$ = "j" THEN 33000
32520 IF cmd$ = "z" THEN 31000
32530 IF cmd$ = "vezmi činku" AND poison < 2 THEN PRINT "skusil jsi vzít činku. nemáš sílu, abys jí udržel.": CLICK 19: PRINT "rozbil sis hravu.": GOTO 63000
32540 IF cmd$ = "vezmi činku" AND hasdumbbell = 0 THEN PRINT "vzal jsi činku.": hasdumbbell = 1: GOTO 32500
32550 IF cmd$ = "prozkoumej činku" AND hasdumbbell = 1 THEN PRINT "je to pěkná činka. je hrozně těžká.": GOTO 32500
32560 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 32500
32570 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 32500
32590 GOSUB 62000: GOTO 32500

33000 REM R33 at the window
33010 PRINT "stojíš u okna."
33020 IF windowseen <> 1 THEN PRINT "můžeš tohle okno vzít."
33030 PRINT "lze jít směrem východ, západ."
33500 PRINT " ": INPUT cmd$
33510 IF cmd$ = "v" THEN 34000
33520 IF cmd$ = "z" THEN 32000
33530 IF cmd$ = "vezmi okno" AND windowseen = 1 OR cmd$ = "ber okno" AND windowseen = 1 THEN PRINT "opřel ses o sklo, abys to okno vzal. jenže sklo prasklo a ty ostré střepy ti vlétly přímo do očí.": GOTO 63000
33540 IF cmd$ = "vezmi okno" AND windowseen = 0 OR cmd$ = "ber okno" AND windowseen = 0 THEN PRINT "napřed ho prozkoumej a potom ho vezmi.": GOTO 33500
33550 IF cmd$ = "prozkoumej okno" AND windowseen = 0 THEN PRINT "okno je velice pevné. v žádném případě bys ho nemohl rozbít.": windowseen = 1: GOTO 33500
33560 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 33500
33570 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 33500
33590 GOSUB 62000: GOTO 33500

34000 REM R34 end of the room
34010 PRINT "jsi na konci místnosti.": PRINT "můžeš": PRINT "jít": PRINT "na": PRINT "východ."
34500 PRINT " ": INPUT cmd$
34510 IF cmd$ = "v" THEN 35000
34520 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 34500
34530 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 34500
34590 GOSUB 62000: GOTO 34500

35000 REM R35 room with the key (the key can be taken again and again)
35010 PRINT "jsi v další místnosti."
35020 IF haskey <> 1 THEN PRINT "je zde klíč."
35030 PRINT "můžeš jít na východ a na západ."
35500 PRINT " ": INPUT cmd$
35510 IF cmd$ = "v" THEN 36000
35530 IF cmd$ = "vezmi klíč" THEN PRINT "vzal jsi klíč.": haskey = 1: GOTO 35500
35540 IF cmd$ = "ber klíč" AND haskey = 0 THEN PRINT "vzal jsi klíč.": haskey = 1: GOTO 35500
35550 IF cmd$ = "prozkoumej klíč" AND haskey = 1 THEN PRINT "klíč je drsný až hrůza. na spodu klíče je napsáno .l.": GOTO 35500
35560 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 35500
35570 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 35500
35590 GOSUB 62000: GOTO 35500

36000 REM R36 small corridor
36010 PRINT "jsi v chodbyčce, která je hrozně malá."
36020 IF hashammer <> 1 THEN PRINT "je zde kladívko."
36030 PRINT "můžeš jít na východ a na západ."
36500 PRINT " ": INPUT cmd$
36510 IF cmd$ = "v" THEN 37000
36520 IF cmd$ = "z" THEN 35000
36530 IF cmd$ = "vezmi kladívko" AND hashammer = 0 THEN PRINT "vzal jsi malé kladívečko.": hashammer = 1: GOTO 36500
36540 IF cmd$ = "prozkoumej kladívko" AND hashammer = 1 THEN PRINT "je to malé kladívečko.": GOTO 36500
36550 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 36500
36560 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 36500
36590 GOSUB 62000: GOTO 36500

37000 REM R37 room with fragile walls (only the poison's strength holds the wall; no dictionary here)
37010 PRINT "vešel jsi do místnosti, která má zdi hrozně křehké. najednou se zeď zatřásla"
37020 IF poison < 2 THEN PRINT "a tebe rozdrtila.": GOTO 63000
37030 IF poison = 2 THEN PRINT "ale tys ji v rychlosti narovnal spátky. můžeš"
37040 PRINT "jít": PRINT "na": PRINT "východ."
37500 PRINT " ": INPUT cmd$
37510 IF cmd$ = "v" THEN 38000
37520 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 37500
37590 GOSUB 62000: GOTO 37500

38000 REM R38 end of the small corridor
38010 PRINT "jsi nakonci malé chodbyčky.": PRINT "můžeš": PRINT "jít": PRINT "na": PRINT "východ a na západ."
38500 PRINT " ": INPUT cmd$
38510 IF cmd$ = "v" THEN 39000
38520 IF cmd$ = "z" THEN 37000
38530 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 38500
38540 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 38500
38590 GOSUB 62000: GOTO 38500

39000 REM R39 room with the cable
39010 PRINT "jsi v další místnosti."
39020 PRINT "je zde kabel."
39030 PRINT "můžeš jít na východ a na západ."
39500 PRINT " ": INPUT cmd$
39510 IF cmd$ = "vezmi kabel" OR cmd$ = "ber kabel" THEN PRINT "chtěl jsi vzít kabel, ale sotva ses ho dotkl, dostals ránu 26000,800000 voltů.": GOTO 63000
39520 IF cmd$ = "prozkoumej kabel" THEN PRINT "kabel je kabel.": GOTO 39500
39530 IF cmd$ = "v" THEN 40000
39540 IF cmd$ = "z" THEN 38000
39550 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 39500
39560 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 39500
39590 GOSUB 62000: GOTO 39500

40000 REM R40 end of the room
40010 PRINT "jsi na konci místnosti.": PRINT "můžeš": PRINT "jít": PRINT "na": PRINT "východ a na západ."
40500 PRINT " ": INPUT cmd$
40510 IF cmd$ = "v" THEN PRINT "zakopl jsi o kabel a spadl jsi na něho. a dostals ránu 26000,80000 voltů.": GOTO 63000
40520 IF cmd$ = "z" THEN 41000
40530 IF cmd$ = "vezmi místnost" OR cmd$ = "ber místnost" THEN PRINT "je vidět, že to v té svojí paličce nemáš v pořádku. místnost přece vzít nemůžeš.": GOTO 40500
40540 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 40500
40550 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 40500
40590 GOSUB 62000: GOTO 40500

41000 REM R41 room with a staircase
41010 PRINT "jsi v další místnosti. je zde schodiště.": PRINT "můžeš": PRINT "jít": PRINT "na": PRINT "východ a na západ."
41500 PRINT " ": INPUT cmd$
41510 IF cmd$ = "v" THEN 42000
41520 IF cmd$ = "z" THEN 40000
41530 IF cmd$ = "prozkoumej schodiště" THEN PRINT "schodiště je velice špatné, a proto se brzo pod tebou propadne.": GOTO 41500
41540 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 41500
41550 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 41500
41590 GOSUB 62000: GOTO 41500

42000 REM R42 on the decrepit staircase (it only threatens, it never falls)
42010 PRINT "jsi na starém a hrozně schátralém schodišti. měl bys rychle utíkat, protože se to schodiště brzo pod tebou propadne."
42020 PRINT "můžeš": PRINT "jít": PRINT "na": PRINT "horu."
42500 PRINT " ": INPUT cmd$
42510 IF cmd$ = "n" THEN 43000
42520 IF cmd$ = "prozkoumej schodiště" THEN PRINT "schodiště je úplně schátralé a staré.": GOTO 42500
42530 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 42500
42540 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 42500
42590 GOSUB 62000: GOTO 42500

43000 REM R43 landing (the door leads to the room of stale air)
43010 PRINT "jsi na mezipatře.": PRINT "jsou zde dveře.": PRINT "lze jít směrem nahoru."
43500 PRINT " ": INPUT cmd$
43510 IF cmd$ = "n" THEN 44000
43520 IF cmd$ = "prozkoumej dveře" THEN PRINT "dveře vedou do jakési místnosti.": GOTO 43500
43530 IF cmd$ = "otevři dveře" THEN 24000
43540 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 43500
43550 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 43500
43590 GOSUB 62000: GOTO 43500

44000 REM R44 top of the stairs
44010 PRINT "stojíš úplně nahoře. lze jít na východ a dolů."
44500 PRINT " ": INPUT cmd$
44510 IF cmd$ = "v" THEN 45000
44520 IF cmd$ = "d" THEN 43000
44530 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 44500
44540 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 44500
44590 GOSUB 62000: GOTO 44500

45000 REM R45 corridor with doors
45010 PRINT "jsi v chodbě. lze jít směrem sever, východ, jich, západ."
45500 PRINT " ": INPUT cmd$
45510 IF cmd$ = "s" THEN 46000
45520 IF cmd$ = "j" THEN 47000
45530 IF cmd$ = "v" THEN 44000
45540 IF cmd$ = "z" THEN 24000
45550 IF cmd$ = "prozkoumej chodbu" THEN PRINT "je to normální chodba. na severní, jižní a západní straně sou dveře.": GOTO 45500
45560 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 45500
45570 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 45500
45590 GOSUB 62000: GOTO 45500

46000 REM R46 room full of tools
46010 PRINT "vstoupil jsi do místnosti, kde je plno šroubků, prostě různé nářadí."
46020 IF hasscrewdriver <> 1 THEN PRINT "jako například šroubovák."
46030 PRINT "lze jít směrem západ."
46500 PRINT " ": INPUT cmd$
46510 IF cmd$ = "z" THEN 45000
46520 IF cmd$ = "vezmi šroubovák" THEN PRINT "vzal jsi šroubovák.": hasscrewdriver = 1: GOTO 46500
46530 IF cmd$ = "ber šroubovák" AND hasscrewdriver = 0 THEN PRINT "vzal jsi šroubovák.": hasscrewdriver = 1: GOTO 46500
46540 IF cmd$ = "prozkoumej šroubovák" AND hasscrewdriver = 1 THEN PRINT "je to obyčejný šroubovák. ": GOTO 46500
46550 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 46500
46560 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 46500
46590 GOSUB 62000: GOTO 46500

47000 REM R47 room south of the corridor, the breathing filter
47010 PRINT "jsi v místnosti, která je na jižní straně chodby."
47020 IF hasfilter <> 1 THEN PRINT "vidíš filtr."
47030 PRINT "můžeš jít na západ."
47500 PRINT " ": INPUT cmd$
47510 IF cmd$ = "z" THEN 45000
47520 IF cmd$ = "vezmi filtr" AND hasfilter = 0 THEN PRINT "vzal jsi filtr.": hasfilter = 1: GOTO 47500
47530 IF cmd$ = "prozkoumej filtr" AND hasfilter = 1 THEN PRINT "filtr je hrozně díravý.": GOTO 47500
47540 IF cmd$ = "polož filtr" AND hasfilter = 1 THEN PRINT "položen.": hasfilter = 0: GOTO 47500
47550 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 47500
47560 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 47500
47590 GOSUB 62000: GOTO 47500

48000 REM R48 the rather interesting room (without the letter from the forest the game is over)
48010 PRINT "jsi v místnosti, která je dost zajímavá."
48020 IF hasletter = 0 THEN PRINT "už budeš muset končit. takže končíme.": END
48030 IF hasletter = 1 THEN PRINT "můžeš jít na východ a na západ."
48500 PRINT " ": INPUT cmd$
48510 IF cmd$ = "z" THEN 24000
48520 IF cmd$ = "v" THEN 49000
48530 IF cmd$ = "polož filtr" AND hasfilter = 1 THEN PRINT "položen.": hasfilter = 0: GOTO 48500
48540 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 48500
48550 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 48500
48590 GOSUB 62000: GOTO 48500

49000 REM R49 corridor
49010 PRINT "jsi v chodbě.": PRINT "můžeš": PRINT "jít": PRINT "na": PRINT "východ a na západ."
49500 PRINT " ": INPUT cmd$
49510 IF cmd$ = "z" THEN 48000
49520 IF cmd$ = "v" THEN 50000
49530 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 49500
49540 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 49500
49590 GOSUB 62000: GOTO 49500

50000 REM R50 room with three planes (no prompt: the plane questions follow)
50010 PRINT "jsi v místnosti, která je velice zajímavá."
50020 PRINT "jsou zde 3 letadla."
50030 GOTO 51000
