51000 REM the three planes of R50, asked one after another with single keys
51010 PRINT ";chceš nastoupit do prvního? ano, nebo ne?"
51020 cmd$ = INKEY$: IF cmd$ = "" THEN 51020
51030 IF cmd$ = "a" OR cmd$ = "y" THEN 51100
51040 IF cmd$ = "n" THEN PRINT ";nechceš.": GOTO 51200
51050 PRINT ";musíš napsat .a, nebo .n. znovu.": GOTO 51010
51100 PRINT ";nastoupil jsi do prvního letadla. letadlo se zvedá."
51110 FOR climbnote = 1 TO 500: PLAY climbnote; 1; 1: NEXT climbnote
51120 PRINT ";jenže pilot byl hrozně špatný. sotva se letadlo zvedlo, sáhl po pušce, otočil se a zastřelil tě.": GOTO 63000
51200 PRINT ";chceš nastoupit do druhého letadla? ano, nebo ne?"
51210 cmd$ = INKEY$: IF cmd$ = "" THEN 51210
51220 IF cmd$ = "a" OR cmd$ = "y" THEN 51300
51230 IF cmd$ = "n" THEN PRINT ";nechceš.": GOTO 51400
51240 PRINT ";musíš napsat .a, nebo .n. znovu.": GOTO 51200
51300 PRINT ";nastoupil jsi do letadla. letadlo se zvedá."
51310 FOR climbnote = 1 TO 1000 STEP 10: PLAY climbnote; 1; 10: NEXT climbnote
51320 PRINT ";letadlo ale letělo moc pomalu. nahoře byl hnusný zkažený vzduch a ten tě pomalu otrávil.": GOTO 63000
51400 PRINT ";chceš nastoupit do třetího letadla? ano, nebo ne?"
51410 cmd$ = INKEY$: IF cmd$ = "" THEN 51410
51420 IF cmd$ = "a" OR cmd$ = "y" THEN 52000
51430 IF cmd$ = "n" THEN PRINT ";nechceš.": GOTO 51010
51440 PRINT ";musíš napsat .a, nebo .n. znovu.": GOTO 51400

52000 REM the ending: in the third plane sits the friend (friend 65, you 70, narrator 56)
52010 PRINT ";nastoupil jsi do třetího letadla. najednou vidíš, že tam sedí policajt. je to tvůj kamarád, ten nejspolehlivější, co máš."
52020 PITCH 65: PRINT "ahoj. to jsem rád, že tě vidím."
52030 PITCH 70: PRINT "ahoj. co ty tady děláš?"
52040 PITCH 65: PRINT "letím za tebou. náčelník hrozně zuřil, když jsi utekl."
52050 PRINT "a navíc si myslí, že jsi zabil nějakou holku. chce tě dát k soudu."
52060 PITCH 70: PRINT "ale já jsem žádnou holku nezabil."
52070 PITCH 65: PRINT "já vím. tak jsem se tě u něho zastal."
52080 PITCH 70: PRINT "a co on na to?"
52090 PITCH 65: PRINT "hrozně se naštval a vyhodil mě z práce."
52100 PRINT "ale já jsem si ho přitom tajně nahrál na diktafon."
52110 PITCH 70: PRINT "fakt? tak mi to pusť."
52120 PITCH 65: PRINT "dobře. ale budeš se divit."
52130 PITCH 70: PRINT "to nevadí. pusť to."
52140 PITCH 65: PRINT "počkej, musím to přetočit."
52150 PITCH 70: PRINT "no tak dělej."
52160 PITCH 65: PRINT "už to mám."
52170 PRINT "teď dobře poslouchej."
52180 PRINT ";hned to bude. zapínám."

53000 REM the first recording: the friend at the chief's (chief 70, friend 65, recorder 99)
53010 PAUSE 300: CLICK 3: PAUSE 300
53020 PITCH 65: PRINT ";"
53030 greeting = 1: GOSUB 65000
53040 PITCH 70: PRINT "co tady chceš? nemám čas."
53050 PITCH 65: PRINT "jdu kvůli němu. on tu holku nezabil. je nevinný."
53060 PITCH 70: PRINT "mě nezajímá, co si myslíš. je to vrah."
53070 PITCH 65: PRINT "není. znám ho dvacet let. on by nikoho nezabil."
53080 PITCH 70: PRINT "jestli se ho budeš ještě zastávat, tak já tě"
53090 PITCH 56: CLICK 19: PAUSE 1000
53100 PITCH 70: PRINT "tohle tě bude draho stát, chlapečku."
53110 CLICK 19
53120 PITCH 65: PRINT "au."
53130 PAUSE 700
53140 PITCH 70: PRINT "chlapi, pojďte sem. a zavolejte sanitku."
53150 PLAY 5000; 1000; 3: PLAY 5000; 1000; 3
53160 PITCH 99: PRINT ";konec záznamu."
53170 PITCH 65: PRINT ";ale to ještě není všechno."
53500 REM back in the plane
53510 PITCH 70: PRINT "a co se stalo potom?"
53520 PITCH 65: PRINT "náčelník mě praštil a já jsem omdlel."
53530 PRINT "ale mám ještě jeden záznam. to jsem se k němu potom vrátil."
53540 PAUSE 1000

54000 REM the second recording: the friend comes back (officer 45, chief 70, friend 65)
54010 PLAY 5000; 1000; 3: PLAY 5000; 1000; 3
54020 PITCH 45: PRINT "pane náčelníku, je tady ten policajt, co jste ho vyhodil."
54030 PITCH 70: PRINT "co chce?"
54040 PITCH 45: PRINT "chce s váma mluvit."
54050 PITCH 70: PRINT "no dobře."
54060 PRINT "ať jde dál."
54070 PITCH 45: PRINT "rozkaz. můžete jít dál."
54080 PAUSE 1000
54090 REM he knocks
54100 CLICK 18: PRINT ",": CLICK 18: PRINT ";"
54110 PITCH 65: greeting = 2: GOSUB 65000
54120 PITCH 70: PRINT "pojď dál. promiň, že jsem tě minule praštil."
54130 PITCH 65: PRINT "to nic. ale on je pořád nevinný."
54140 PITCH 70: PRINT "není. máme svědky. ti viděli, jak tu holku zabil."
54150 PITCH 65: PRINT "to není možné."
54160 PRINT "ti svědci určitě lžou."
54170 PITCH 70: PRINT "svědci nelžou. je to vrah a hotovo."
54180 PITCH 65: PRINT "tak já teda jdu."
54190 PAUSE 700
54200 PITCH 56: CLICK 3

55000 REM back in the plane: how the friend got here, the takeoff, the chief behind us
55010 PITCH 65: PRINT "pak jsem se vydal za tebou."
55020 PITCH 70: PRINT "a jak jsi věděl, kde jsem?"
55030 PRINT "to ti někdo řekl?"
55040 PITCH 65: PRINT "jo. policajti mi řekli, kam jsi šel. tak jsem přiletěl tímhle letadlem."
55050 PITCH 70: PRINT "a co máš ještě na tom diktafonu?"
55060 PITCH 65: PRINT "nahrál jsem si i celý let."
55070 PRINT "poslouchej, jak jsme startovali."
55080 PRINT "3, 2, 1, 0, start!"
55090 PITCH 56
55100 FOR climbnote = 1 TO 8000 STEP 20: PLAY climbnote; -1; 10: NEXT climbnote
55110 PITCH 65: PRINT "jenže za námi letělo ještě jedno letadlo. a v něm seděl náčelník."
55120 PRINT "mluvil do vysílačky a diktafon to všechno chytil."
55130 PITCH 70: PRINT ";"

56000 REM the radio, first part (chief 70, first officer 45, second officer 78)
56010 PLAY 5000; 250; 3: PLAY 5000; 250; 3
56020 PITCH 70: PRINT "haló, tady náčelník. vidíte ho?"
56030 PITCH 45: PRINT "ano, pane náčelníku. vidím ho."
56040 PITCH 70: PRINT "kde je?"
56050 PITCH 45: PRINT "letí nalevo od nás."
56060 PITCH 70: PRINT "tak mířte doleva."
56070 PITCH 45: PRINT "rozkaz. mířím doleva."
56080 PRINT ";"
56100 PLAY 5000; 250; 3: PLAY 5000; 250; 3
56110 PITCH 78: PRINT ";haló?"
56120 PITCH 45: PRINT "tady jednička. je nalevo. mířte doleva."
56130 PITCH 78: PRINT "rozumím. mířím doleva."
56140 PITCH 45
56200 PLAY 5000; 250; 3: PLAY 5000; 250; 3
56210 PITCH 45: PRINT "pane náčelníku, rozkaz jsem předal."
56220 PITCH 70: PRINT "dobře. a střílejte, jak to půjde."
56230 PITCH 45: PRINT "rozkaz."
56240 PITCH 70: PRINT "tak co, už ho máte?"
56250 PITCH 45: PRINT "ještě ne."
56260 PRINT "počkejte, někdo mi volá."
56270 PITCH 70: PRINT "tak to vemte."
56280 PITCH 45: PRINT "ano, pane náčelníku."
56300 PLAY 5000; 250; 3: PLAY 5000; 250; 3
56310 PRINT ";haló?"
56320 PITCH 78: PRINT "tady dvojka. mám problém."
56330 PITCH 45: PRINT "jaký problém?"
56340 PITCH 78: PRINT "ztratil jsem ho."
56350 PRINT "vůbec ho nevidím."
56360 PITCH 45: PRINT "jak to, že ho nevidíš?"
56370 PITCH 78: PRINT "prostě zmizel. ztratil jsem ho úplně."
56380 PITCH 45: PRINT "tak dobře. řeknu to náčelníkovi."
56400 PLAY 5000; 250; 3: PLAY 5000; 250; 3
56410 PITCH 45: PRINT "pane náčelníku, dvojka ho ztratila."

57000 REM in the plane again, the recorder stopped for a while (friend 65, you 70)
57010 PITCH 70: PRINT "počkej, zastav to. v čem ten náčelník letěl?"
57020 PITCH 65: PRINT "ve vrtulníku. letěl hned za námi."
57030 PITCH 70: PRINT "a proč mě ti policajti neviděli?"
57040 PITCH 65: PRINT "hádej."
57050 PITCH 70: PRINT "že by byla mlha?"
57060 PITCH 65: PRINT "ne. mlha nebyla."
57070 PITCH 70: PRINT "tak se asi špatně dívali."
57080 PITCH 65: PRINT "ne. dívali se dobře."
57090 PITCH 70: PRINT "tak to nevím."
57100 PITCH 65: PRINT "no tak. hádej ještě jednou."
57110 PAUSE 1000
57120 PITCH 70: PRINT "už to mám. ty jsi slyšel tu vysílačku."
57130 PRINT "a domluvil ses s ostatníma policajtama, že řeknou, že mě neviděli."
57140 PITCH 65: PRINT "přesně tak."
57150 PRINT "ale jeden policajt si tě za chvíli stejně všiml."
57160 PITCH 70: PRINT "a co bylo dál?"
57170 PITCH 65: PRINT "připrav se. zapínám."
57180 PAUSE 1000: PITCH 56

58000 REM the radio, second part (chief 70, first officer 45, second officer 78)
58010 PLAY 5000; 250; 3: PLAY 5000; 250; 3
58020 PITCH 45: PRINT "pane náčelníku, zase ho vidím."
58030 PITCH 70: PRINT "kde je?"
58040 PITCH 45: PRINT "teď je napravo od nás."
58050 PITCH 70: PRINT "tak mířte doprava."
58060 PITCH 45: PRINT "rozkaz. mířím doprava."
58100 PLAY 5000; 250; 3: PLAY 5000; 250; 3
58110 PITCH 78: PRINT ";haló?"
58120 PITCH 45: PRINT "tady jednička. je napravo."
58130 PRINT "mířte doprava."
58140 PITCH 78: PRINT "já ho ale nevidím."
58150 PITCH 45: PRINT "jak to, že ho nevidíš? je přece napravo."
58160 PITCH 78: PRINT "nevidím ho. a ostatní ho taky neuvidí."
58170 PITCH 45: PRINT "proč by ho neviděli?"
58180 PITCH 78: PRINT "to si musíš domyslet sám."
58190 PRINT "hádej proč."
58200 PITCH 45: PRINT "to nevím."
58210 PITCH 78: PRINT "tak přemýšlej."
58220 PITCH 45: PRINT "to fakt nevím."
58230 PITCH 78: PRINT "no tak přemýšlej pořádně."
58240 PITCH 45: PRINT "dobře. počkej chvíli."
58250 PITCH 78: PRINT "čekám."
58300 REM the first officer thinks it over
58310 PAUSE 20000
58320 PITCH 45: PRINT ";": PRINT ";": PRINT ";": PRINT ";": PRINT ";"
58330 PRINT ";": PRINT ";": PRINT ";": PRINT ";": PRINT ";"
58340 PRINT ";": PRINT ";": PRINT ";": PRINT ";": PRINT ";"
58350 PRINT "áha."
58400 PLAY 5000; 250; 3: PLAY 5000; 250; 3
58410 PITCH 78: PRINT "haló?"
58420 PITCH 45: PRINT "už tomu rozumím."
58430 PRINT "vy jste se všichni domluvili, že ho neuvidíte."
58440 PITCH 78: PRINT "přesně tak."
58450 PRINT "všichni jsme se domluvili."
58460 PITCH 45: PRINT "tak to řeknu náčelníkovi."
58470 PITCH 78: PRINT "jen mu to řekni."
58480 PITCH 45: PRINT "oukej."
58490 PITCH 56
58500 PLAY 5000; 250; 3: PLAY 5000; 250; 3
58510 PITCH 70: PRINT ";haló?"
58520 PITCH 45: PRINT "pane náčelníku, mám pro vás zprávu."
58530 PITCH 70: PRINT "jakou?"
58540 PITCH 45: PRINT "ostatní policajti se domluvili. nechtějí ho vidět."
58550 PITCH 70: PRINT "cože? to je spiknutí."
58560 PITCH 45: PRINT "ano, je to spiknutí."
58570 PRINT "a jeden z nich vám teď zavolá."
58580 PITCH 70: PRINT "ať volá. já si s ním poradím."
58590 PITCH 45: PRINT "dobře, pane náčelníku."
58600 PRINT "už vám volá."
58610 PITCH 70: PRINT "tak ho pusťte."
58700 REM the second officer calls the chief
58710 PLAY 5000; 250; 3: PLAY 500; 250; 3
58720 PITCH 78: PRINT "haló, pane náčelníku."
58730 PRINT "tady dvojka."
58740 PITCH 70: PRINT "co chceš?"
58750 PITCH 78: PRINT "chci vám říct, že vás všichni nenávidíme."
58760 PITCH 70: PRINT "a proč?"
58770 PITCH 78: PRINT "protože jste se obrátil proti jedinýmu spravedlivýmu policajtovi."
58780 PRINT "on přece nikoho nezabil."
58790 PITCH 70: PRINT "to není pravda. je to vrah."
58800 PITCH 78: PRINT "není. a proto vás teď zastřelím."
58810 PITCH 70: PRINT "cože? to si netroufneš."
58820 PRINT "jsi blázen."
58830 PITCH 78: PRINT "troufnu. a toho druhýho zastřelím taky."
58840 PITCH 70: PRINT "jakýho druhýho?"
58850 PITCH 78: PRINT "toho, co na něj mířil."
58860 PITCH 70: PRINT "to neuděláš."
58870 PITCH 78: PRINT "připravte se. teď."
58880 PRINT ",": CLICK 19: PRINT ",": CLICK 19
58890 PITCH 70: PRINT "au. trefil mě."
58900 PRINT "já umírám."
58910 PITCH 45: PRINT "au. mě taky."
58920 PITCH 78: PRINT "a je to. oba jsou mrtví."
58930 PITCH 99: PRINT ";konec záznamu."

59000 REM the last takeoff, the closing titles and one more game
59010 PITCH 65: PRINT "tak to byl konec. a teď bys chtěl letět, ne?"
59020 PITCH 70: PRINT "jo. už chci letět domů."
59030 PITCH 65: PRINT "oukej. takže 3, 2, 1, 0, start!"
59040 PRINT ";"
59050 PITCH 56
59060 FOR climbnote = 1 TO 8000 STEP 20: PLAY climbnote; -1; 10: NEXT climbnote
59100 PITCH 70: PRINT "textová hra": PRINT "kvelt druhá část."
59110 PITCH 56: PRINT "druhá část se už do basicu nevešla. ale první část jsi dohrál a to je hlavní. takže ti gratuluju."
59120 PAUSE 1000: CLEAR
59200 PRINT "chceš si zahrát tuto hru ještě jednou?"
59210 cmd$ = INKEY$: IF cmd$ = "" THEN 59210
59220 IF cmd$ = "a" OR cmd$ = "y" THEN 20
59230 IF cmd$ <> "n" THEN 59210
59240 PRINT ";tak ahoj."
59250 IF PEEK(44500) = 0 THEN POKE 44500, 1
59260 END
