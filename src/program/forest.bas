1000 REM R1 forest
1010 PRINT "stojíš v lese. je zde skála."
1020 IF hasletter <> 1 THEN PRINT "vidíš dopis."
1030 PRINT "můžeš jít na východ a na západ."
1500 PRINT " ": INPUT cmd$
1510 IF cmd$ = "vezmi dopis" AND hasletter = 0 AND hasgrid = 0 THEN PRINT "nelze vzít tento dopis.": GOTO 1500
1520 IF cmd$ = "vezmi dopis" AND hasletter = 0 THEN PRINT "vzal jsi dopis.": hasletter = 1: GOTO 1500
1530 IF cmd$ = "prozkoumej dopis" AND hasletter = 1 THEN 1600
1540 IF cmd$ = "v" THEN PRINT "běžel jsi na východ tak rychle, že jsi neviděl na cestu. vrazil jsi hlavou přímo do stromu a zlomil sis vaz.": GOTO 63000
1550 IF cmd$ = "z" THEN 2000
1580 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 1500
1590 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 1500
1599 GOSUB 62000: GOTO 1500
1600 REM the letter of the dying friend
1610 PRINT "je to dopis od tvého kamaráda. píše v něm."
1620 PRINT "milý kamaráde. až budeš číst tento dopis, tak už budu mrtvý. zabil mě ten vrah, o kterém se všude mluví. umírám a nemám moc času. ten vrah bydlí v lipové ulici, v domě číslo 13. prosím tě, pomsti mě. tvůj kamarád."
1630 PRINT "teď už tomu konečně věříš. tvůj nejlepší kamarád je opravdu mrtvý a zabil ho ten vrah. řekl sis, že ho musíš najít, i kdyby tě to mělo stát život."
1640 GOTO 1500

2000 REM R2 west side of the forest
2010 PRINT "jsi na západní straně lesa. je zde bránka. můžeš jít na východ a na západ."
2500 PRINT " ": INPUT cmd$
2510 IF cmd$ = "prozkoumej bránku" AND gateseen = 0 THEN PRINT "je to bránka do jakési chodby. zkus ji vyrazit třeba ti to pomůže.": gateseen = 1: GOTO 2500
2520 IF cmd$ = "vyraz bránku" AND gateseen = 1 THEN PRINT "vzal jsi rozběh a vrazil jsi do bránky. jenže máš obrovskou sílu, takže bránka to nevydržela a spadla přímo na tebe.": GOTO 63000
2530 IF cmd$ = "v" THEN PRINT "šel jsi na východ a vrazil jsi do bránky. bránka se utrhla a spadla rovnou na tebe.": GOTO 63000
2540 IF cmd$ = "z" THEN 3000
2580 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 2500
2590 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 2500
2599 GOSUB 62000: GOTO 2500

3000 REM R3 corridor with bones and blood
3010 PRINT "jsi v chodbě, kde jsou na zemi lidské kosti a krev. kosti nejsou jedovaté. krve se můžeš napít. lze jít na sever a dolů."
3500 PRINT " ": INPUT cmd$
3510 IF cmd$ = "s" THEN 4000
3520 IF cmd$ = "d" THEN PRINT "šel jsi dolů. bylo tam zábradlí, ale žádné schody. přelezl jsi zábradlí a spadl jsi do sklepa, kde všechno hořelo. a tak jsi uhořel.": GOTO 63000
3530 IF cmd$ = "pij krev" THEN 3600
3580 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 3500
3590 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 3500
3599 GOSUB 62000: GOTO 3500
3600 REM the bad blood
3610 PRINT "napil jsi se krve. jenže ta krev byla nějakého cizího člověka a byla hrozně špatná. chytil jsi od ní nějakou hroznou nemoc."
3620 PITCH 99: PRINT "ajc.": PITCH 56
3630 PRINT "přišla smrt.": GOTO 63000

4000 REM R4 north end of the corridor
4010 PRINT "jsi na severním konci chodby."
4020 IF hasgrid <> 1 THEN PRINT "je zde kódovací mřížka."
4030 PRINT "můžeš jít na sever a na východ."
4500 PRINT " ": INPUT cmd$
4510 IF cmd$ = "vezmi mřížku" AND hasgrid = 0 THEN PRINT "vzal jsi mřížku.": hasgrid = 1: GOTO 4500
4520 IF cmd$ = "prozkoumej mřížku" AND hasgrid = 1 THEN 4600
4530 IF cmd$ = "v" THEN PRINT "vešel jsi do místnosti, která je plná elektrických drátů. zakopl jsi o jeden drát a dostal jsi ránu 20000,38000 voltů. to nemohl nikdo přežít.": GOTO 63000
4540 IF cmd$ = "s" THEN 5000
4580 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 4500
4590 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 4500
4599 GOSUB 62000: GOTO 4500
4600 REM the grid offers the flight back to the forest
4610 PRINT "je to kódovací mřížka, se kterou se luští dopisy. trochu o tom přemýšlej. chceš přenést na začátek hry? ano nebo ne?"
4620 cmd$ = INKEY$: IF cmd$ = "" THEN 4620
4630 IF cmd$ <> "y" AND cmd$ <> "a" THEN PRINT "dobře. nechám tě tam, kde si.": GOTO 4500
4640 PRINT "přenáším tě na začátek hry."
4650 PITCH 70: PRINT "letí"
4660 PITCH 69: PRINT "í"
4670 PITCH 68: PRINT "í"
4680 PITCH 67: PRINT "í"
4690 PITCH 45: PRINT "íš"
4700 PITCH 56: PRINT "až doletěls.": GOTO 1000

5000 REM R5 room full of corpses
5010 PRINT "jsi v místnosti, která je plná mrtvol."
5020 IF hasletter = 0 THEN PRINT "protože nemáš dopis, musím tě přenést, tam, kdes byl.": GOTO 4000
5030 PRINT "můžeš je vzít. můžeš jít na sever, na jich, na západ, na východ, nahoru, dolů,"
5040 PRINT "do prava, doleva, na severozápad a na jihozápad."
5500 PRINT " ": INPUT cmd$
5510 IF cmd$ = "s" OR cmd$ = "j" OR cmd$ = "z" OR cmd$ = "v" THEN 5900
5520 IF cmd$ = "n" AND bumped = 0 THEN PRINT "bouchl si se do hlavy, ale nerozbil sis ji zatím.": bumped = 1: GOTO 5500
5530 IF cmd$ = "d" THEN PRINT "nemáš, kama bys šel dolů, protože je to zaterasený mrtvolama.": GOTO 5500
5540 IF cmd$ = "p" THEN 6000
5550 IF cmd$ = "l" OR cmd$ = "sz" OR cmd$ = "jv" THEN 5900
5560 IF cmd$ = "n" AND bumped = 1 THEN PRINT "rozbil sis kebuli.": GOTO 63000
5570 IF cmd$ = "prozkoumej mrtvoly" THEN PRINT "mrtvoly vypadají dobře. přísahám, že je musíš vzít. budeš je potřebovat.": GOTO 5500
5575 IF cmd$ = "vezmi mrtvoli" THEN PRINT "sotva jsi vzal mrtvoli mrtvoli vstali a zabili tě.": GOTO 63000
5580 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 5500
5590 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 5500
5599 GOSUB 62000: GOTO 5500
5900 REM every wrong direction wakes the dead
5910 PRINT "našel jsis špatný směr. sotva jsi se pohnul tak mrtvoly vstali a zabili tě.": GOTO 63000

6000 REM R6 south end of the room
6010 PRINT "jsi na jižním konci místnosti."
6020 IF hasgasmask <> 1 THEN PRINT "vidíš masku."
6030 PRINT "můžeš jít na sever, na jich, na západ, na východ, nahoru a nebo dolů"
6500 PRINT " ": INPUT cmd$
6510 IF cmd$ = "s" THEN PRINT "šel jsi na sever. najednou na tebe skočila smrtelně jedovatá tarantule a kousla tě do ruky. chtěl jsi ji setřást, ale už bylo pozdě. za chvíli jsi umřel na otravu krve.": GOTO 63000
6520 IF cmd$ = "j" THEN PRINT "šel jsi na jich. tam na tebe čekal had škrtič. omotal se ti kolem krku a začal tě škrtit. a už jsi nemohl dýchat. zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz": GOTO 63000
6530 IF cmd$ = "v" THEN PRINT "šel jsi na východ. tam na tebe čekal duch. ani ses nestihl bránit a duch tě spoutal do řetězů. klíč od nich nemá nikdo, takže se z nich nedostaneš. teď už jenom čekáš na smrt.": PAUSE 2000: GOTO 63000
6540 IF cmd$ = "z" THEN PRINT "vešel jsi do místnosti, která je vyzdobená kostrami. vypadá to tu hrozně. najednou se kostry pohnuly. byly to živé smrti a pořezaly tě svýma kosama. a tak jsi umřel.": GOTO 63000
6550 IF cmd$ = "n" THEN PRINT "vyskočil jsi nahoru a bouchl jsi hlavou do stropu. strop se zřítil a rozmačkal tě.": GOTO 63000
6560 IF cmd$ = "vezmi masku" AND hasgasmask = 0 THEN PRINT "vzal jsi masku.": hasgasmask = 1: GOTO 6500
6570 IF cmd$ = "prozkoumej masku" AND hasgasmask = 1 THEN PRINT "je to plynová maska. je dobrá na 240 hodin, to znamená na deset dní. to by ti mělo stačit až do konce hry.": GOTO 6500
6575 IF cmd$ = "d" THEN 7000
6580 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 6500
6590 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 6500
6599 GOSUB 62000: GOTO 6500

7000 REM R7 room of burning gas
7010 PRINT "skočil jsi dolů dveřmi a ocitl jsi se v místnosti, která je plná hořícího plynu. hrozně to tu smrdí."
7020 IF hasgasmask = 0 THEN PRINT "tento plyn je smrtelně jedovatý a ty nemáš masku. plyn tě rozežral zaživa.": GOTO 63000
7030 PRINT "tento plyn je smrtelně jedovatý. maska ti ale dobře posloužila. můžeš jít na sever a na západ."
7500 PRINT " ": INPUT cmd$
7510 IF cmd$ = "s" THEN PRINT "vešel jsi do místnosti, která je plná jedu. uklouzl jsi a trochu toho jedu jsi spolkl. chutnal dobře, ale byl to jed.": GOTO 63000
7520 IF cmd$ = "z" THEN 8000
7530 IF cmd$ = "prozkoumej místnost" THEN PRINT "místnost je plná hořícího plynu. masku můžeš položit. přísahám na svou pěst, že se ti nic nestane.": GOTO 7500
7540 IF cmd$ = "polož masku" AND hasmask2 = 1 THEN PRINT "položena": PAUSE 20: PRINT "položit masku nebyl moc dobrý nápad. plyn začal okamžitě pracovat a rozežral tě zaživa.": GOTO 63000
7580 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 7500
7590 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 7500
7599 GOSUB 62000: GOTO 7500

8000 REM R8 north end of the room
8010 PRINT "jsi na severním konci místnosti."
8020 IF poison <> 1 THEN PRINT "je zde jed."
8030 PRINT "můžeš jít na východ."
8500 PRINT " ": INPUT cmd$
8510 IF cmd$ = "v" THEN 9000
8520 IF cmd$ = "pij jed" AND poison = 1 THEN PRINT "lehl sis na zem a začal jsi chlemtat citrón s jedem. teď už příjde jen smrt.": GOTO 63000
8580 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 8500
8590 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 8500
8599 GOSUB 62000: GOTO 8500

9000 REM R9 east side of the room, answered with single keys
9010 PRINT "jsi na východní straně místnosti. napiš. .v =vrazit do zdi, nebo .n =nevrážej do zdi. napiš."
9020 cmd$ = INKEY$: IF cmd$ = "" THEN 9020
9030 IF cmd$ = "v" THEN PRINT "rozběhl jsi se a vrazil jsi do zdi. rozbil sis hlavu a zeď se zřítila rovnou na tebe. to jsi nepřežil.": GOTO 63000
9040 IF cmd$ <> "n" THEN 9020
9050 PRINT "dobře jsi udělal, že jsi nevrazil do zdi. a víš proč? napiš a, jako ano, nebo něco jiného."
9060 cmd$ = INKEY$: IF cmd$ = "" THEN 9060
9070 IF cmd$ = "a" OR cmd$ = "y" THEN PRINT "lžeš a to se mi nelíbí. se lhářama nehraji.": END
9080 PRINT "kdybys do zdi vrazil, tak by spadla přímo na tebe. ale stejně brzo umřeš, tak to moc neřeš. hra jde tedy dál.": GOTO 10000

10000 REM R10 larger room
10010 PAUSE 1000
10020 PRINT "vstoupil jsi do větší místnosti."
10030 IF hasrifle <> 1 THEN PRINT "vidíš pušku."
10040 PRINT "můžeš jít na východ a na jich."
10500 PRINT " ": INPUT cmd$
10510 IF cmd$ = "vezmi pušku" AND hasrifle = 0 THEN PRINT "vzal jsi pušku.": hasrifle = 1: GOTO 10500
10520 IF cmd$ = "prozkoumej pušku" AND hasrifle = 1 THEN PRINT "je to krásná puška. jsou v ní i náboje. má 24 ran. je to opakovačka.": GOTO 10500
10530 IF cmd$ = "v" THEN 11000
10540 IF cmd$ = "j" THEN 12000
10580 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 10500
10590 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 10500
10599 GOSUB 62000: GOTO 10500

11000 REM R11 edge of a deep abyss, no inventory and no dictionary here
11010 PRINT "vyšel jsi z místnosti a stojíš na samém kraji hluboké propasti. ještě jeden krok a spadneš. můžeš jít na východ a na západ."
11500 PRINT " ": INPUT cmd$
11510 IF cmd$ = "v" THEN 10000
11520 IF cmd$ = "z" THEN GOSUB 64500: PRINT "spadl jsi do propasti. já ti přece říkal, ať tam nechodíš. ale ty mě vůbec neposloucháš. ty jsi ale hlupák.": GOTO 63000
11599 GOSUB 62000: GOTO 11500

12000 REM R12 east end of the room
12010 PRINT "jsi na východním konci místnosti."
12020 IF hascrate <> 1 THEN PRINT "je zde bedna."
12030 PRINT "můžeš jít na sever a na východ."
12500 PRINT " ": INPUT cmd$
12510 IF cmd$ = "vezmi bednu" AND hascrate = 0 THEN PRINT "vzal jsi bednu.": hascrate = 1: GOTO 12500
12520 IF cmd$ = "prozkoumej bednu" AND hascrate = 1 THEN PRINT "bedna je prázdná.": GOTO 12500
12530 IF cmd$ = "v" THEN 10000
12540 IF cmd$ = "s" THEN 13000
12580 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 12500
12590 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 12500
12599 GOSUB 62000: GOTO 12500

13000 REM R13 north side of the room
13010 PRINT "jsi na severní straně místnosti. jsou zde dveře. můžeš jít na jich."
13500 PRINT " ": INPUT cmd$
13510 IF cmd$ = "prozkoumej dveře" THEN PRINT "dveře vedou do nějaké chodby, která je hrozně moc zatuchlá. víc ti k tomu bohužel nemůžu říct.": GOTO 13500
13520 IF cmd$ = "j" THEN 14000
13580 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 13500
13590 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 13500
13599 GOSUB 62000: GOTO 13500

14000 REM R14 corridor with corpses, the dictionary brings the room back
14010 PRINT "vešel jsi do chodby a skoro jsi omdlel. na zemi leží mrtvoly a lidské kosti. ty mrtvoly můžeš vzít. můžeš jít na sever, na jich a na západ."
14500 PRINT " ": INPUT cmd$
14510 IF cmd$ = "vezmi mrtvoly" AND corpsesseen = 0 THEN PRINT "napřed je prozkoumej a potom je vezmi.": GOTO 14500
14520 IF cmd$ = "vezmi mrtvoly" AND corpsesseen = 1 THEN PRINT "sotva jsi vzal mrtvoly, tak se ti zakously do hlavy a sežraly ti celý mozek. to hodně bolelo.": GOTO 63000
14530 IF cmd$ = "prozkoumej mrtvoly" AND corpsesseen = 0 THEN PRINT "mrtvoly vypadají dobře. zkus nějakou vzít.": corpsesseen = 1: GOTO 14500
14540 IF cmd$ = "s" THEN 15000
14550 IF cmd$ = "j" THEN PRINT "to je dobrý směr. ale jenom k tvé smrti. v chodbě na tebe čekal královský hroznýš. omotal se kolem tebe a pomalu tě udusil. nakonec tě spolkl celého. zzzzzzzzzzzzzzzzzzzzzzzzzzz": GOTO 63000
14560 IF cmd$ = "z" THEN PRINT "šel jsi na západ. sotva jsi prošel dveřmi, tak se za tebou zabouchly. klíč nemáš, takže ven už se nedostaneš. jídlo nemáš taky. po pěti dnech jsi umřel hlady.": GOTO 63000
14580 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 14500
14590 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 14000
14599 GOSUB 62000: GOTO 14500

15000 REM R15 north end of the corridor
15010 PRINT "jsi na severním konci chodby. gratuluji, našel jsi správnou cestu. ale zase si moc nevěř, ještě nejsi venku."
15020 IF hasmessage <> 1 THEN PRINT "čeká tě zde nějaká zpráva."
15030 PRINT "můžeš jít na východ a sever."
15500 PRINT " ": INPUT cmd$
15510 IF cmd$ = "vezmi zprávu" AND hasmessage = 0 THEN PRINT "vzal jsi zprávu.": hasmessage = 1: GOTO 15500
15520 IF cmd$ = "prozkoumej zprávu" AND hasmessage = 1 THEN PRINT "je to dopis. píše se v něm, že jestli se opovážíš jít dál, tak tě zabijou. trochu ses lekl, ale moc tě to nepřekvapilo.": GOTO 15500
15530 IF cmd$ = "v" THEN PRINT "vešel jsi do místnosti, která je plná lidských hlav. hlavy se na tebe podívaly a začaly cvakat zubama. pak tě kously a ukously ti hlavu.": GOTO 63000
15540 IF cmd$ = "s" THEN 16000
15580 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 15500
15590 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 15500
15599 GOSUB 62000: GOTO 15500

16000 REM R16 edge of the abyss
16010 PRINT "vyšel jsi z místnosti a stojíš na kraji propasti. radím ti, abys tam radši nechodil, ale je to na tobě. můžeš jít na sever a dolů."
16500 PRINT " ": INPUT cmd$
16510 IF cmd$ = "prozkoumej propast" THEN PRINT "propast není zas tak hluboká, jak vypadá. ale stejně bych tam nechodil. já tě varuju, dej si pozor.": GOTO 16500
16520 IF cmd$ = "d" THEN 16600
16530 IF cmd$ = "s" THEN 15000
16580 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 16500
16590 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 16500
16599 GOSUB 62000: GOTO 16500
16600 REM the fall to the bottom, survived
16610 GOSUB 64500
16620 PRINT "spadl jsi do propasti. bouchl sis hlavu o kámen a omdlel jsi. ležel jsi na dně propasti čtrnáct dní, než jsi se probral. ale přežil jsi to, jenom tě bolí hlava. a tak můžeš jít"
16630 PRINT "dále. můžeš jít na sever, na východ a na západ."
16640 GOTO 17500

17000 REM R17 bottom of the abyss, reached only by the fall from R16
17500 PRINT " ": INPUT cmd$
17510 IF cmd$ = "s" THEN PRINT "šel jsi na sever. místo země tam bylo samé bahno. zabořil jsi se do něj až po krk. v bahně byly pijavice a hned se na tebe přisály. pily ti krev tak dlouho, až jsi umřel.": GOTO 63000
17520 IF cmd$ = "v" THEN PRINT "tudy cesta nevede. to je špatný směr. šel jsi na východ a zapadl jsi do hlubokého bahna. to jsi nečekal. bahno tě stáhlo dolů.": PITCH 45: PRINT "žbluňk.": GOTO 63000
17530 IF cmd$ = "z" THEN 18000
17580 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 17500
17590 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 17500
17599 GOSUB 62000: GOTO 17500
