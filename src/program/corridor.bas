18000 REM R18 great corridor
18010 PRINT "vylezl jsi z propasti a jsi teď v mnohem větší chodbě. lze jít směrem sever, jich, západ, východ a taky nahoru."
18500 PRINT " ": INPUT cmd$
18510 IF cmd$ = "s" THEN 20000
18520 IF cmd$ = "j" THEN PRINT "šel jsi na jich. v chodbě byl ale uvázaný obrovský pes. jak tě uviděl, začal hrozně štěkat a cukat sebou. najednou přetrhl vodítko, skočil na tebe a roztrhal tě na kusy. nezbylo z tebe vůbec nic.": GOTO 63000
18530 IF cmd$ = "z" THEN PRINT "šel jsi na západ a spadl jsi do kanálu, který byl plný krys. krysy tě pokousaly a ty jsi od nich chytil nevyléčitelnou krysí nemoc. na cestu jsi vyrazil 10.11.1980 a umřel jsi 24.11.1980. byla to hrozná smrt.": GOTO 63000
18540 IF cmd$ = "v" THEN 19000
18550 IF cmd$ = "n" THEN PRINT "šel jsi nahoru po schodišti. ale schody byly hrozně staré a najednou se pod tebou propadly.": GOTO 63000
18560 IF cmd$ = "prozkoumej chodbu" THEN PRINT "je to chodba dost velká. je zde i schodiště. zkus jít nahoru.": GOTO 18500
18570 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 18500
18580 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 18500
18590 GOSUB 62000: GOTO 18500

19000 REM R19 gas room (without the suit you burn; here even a wrong word burns you)
19010 PRINT "vešel jsi do místnosti, kde bylo plno plynu."
19020 IF hassuit = 0 THEN PRINT "ale sotva jsi vešel, plyn začal okamžitě pracovat.": GOTO 63000
19030 IF hassuit = 1 THEN PRINT "sotva jsi vešel, plyn začal okamžitě pracovat. ještě žes měl ten skafandr. můžeš"
19040 PRINT "jít na sever."
19500 PRINT " ": INPUT cmd$
19510 IF cmd$ = "s" THEN 23000
19520 IF cmd$ = "polož skafandr" AND hassuit = 1 THEN PRINT "položen.": hassuit = 0: PAUSE 1000: PRINT "plyn tě rozpálil na kusy. a to proto, že jsi položil skafandr. tvoje vina.": GOTO 63000
19530 IF cmd$ = "vezmi plyn" OR cmd$ = "ber plyn" THEN PRINT "nejdříve polož skafandr, abys mohl vzít plyn. nemůžeš brát plyn se skafandrem.": GOTO 19500
19540 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 19500
19550 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 19500
19560 GOSUB 62000: PRINT "protože jsi dal špatný příkaz, skafandr se najednou rozpálil na kusy. a ty ses rozpálil na kusy spolu s ním.": GOTO 63000

20000 REM R20 north end of the corridor (no way north with the gas mask)
20010 PRINT "jsi na severním konci chodby. můžeš jít na sever a na západ."
20500 PRINT " ": INPUT cmd$
20510 IF cmd$ = "s" AND hasgasmask = 1 THEN PRINT "nelze vejít do této místnosti.": GOTO 20500
20520 IF cmd$ = "s" THEN 21000
20530 IF cmd$ = "z" THEN 19000
20540 IF cmd$ = "polož masku" AND hasgasmask = 1 THEN PRINT "položeno.": hasgasmask = 0: GOTO 20500
20550 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 20500
20560 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 20500
20590 GOSUB 62000: GOTO 20500

21000 REM R21 room of barbed wire
21010 PRINT "vešel jsi do místnosti, kde je plno ostnatých drátů. můžeš jít na sever a na západ."
21500 PRINT " ": INPUT cmd$
21510 IF cmd$ = "s" THEN PRINT "šel jsi na sever a zakopl jsi o ostnatý drát. upadl jsi a udělal sis do hlavy velkou díru. do nemocnice jsi to už nestihl, a tak jsi za dva dny v hrozných bolestech umřel.": GOTO 63000
21520 IF cmd$ = "z" THEN 22000
21530 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 21500
21540 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 21500
21590 GOSUB 62000: GOTO 21500

22000 REM R22 room with the protective suit
22010 PRINT "vešel jsi do další místnosti."
22020 IF hassuit <> 1 THEN PRINT "je zde skafandr."
22030 PRINT "lze jít směrem západ."
22500 PRINT " ": INPUT cmd$
22510 IF cmd$ = "z" THEN 20000
22520 IF cmd$ = "vezmi skafandr" AND hassuit = 0 THEN PRINT "vzal jsi skafandr.": hassuit = 1: GOTO 22500
22530 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 22500
22540 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 22500
22590 GOSUB 62000: GOTO 22500

23000 REM R23 room with the second mask
23010 PRINT "jsi v další místnosti."
23020 IF hasmask2 <> 1 THEN PRINT "je zde další maska."
23030 PRINT "lze jít směrem jich, západ."
23500 PRINT " ": INPUT cmd$
23510 IF cmd$ = "vezmi masku" AND hasmask2 = 0 THEN PRINT "vzal jsi masku.": hasmask2 = 1: GOTO 23500
23520 IF cmd$ = "j" THEN 24000
23530 IF cmd$ = "z" THEN 25000
23540 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 23500
23550 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 23500
23590 GOSUB 62000: GOTO 23500

24000 REM R24 room of stale air (only with the filter)
24010 PRINT "jsi v místnosti, která je plná nečerstvého vzduchu."
24020 IF hasfilter = 0 THEN PRINT "nemáš, čím bys dýchal tento nečerstvý vzduch, proto ses udusil.": GOTO 63000
24030 PRINT "ještě, žes měl ten filtr."
24040 PRINT "můžeš jít na východ."
24500 PRINT " ": INPUT cmd$
24510 IF cmd$ = "v" THEN 48000
24520 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 24500
24530 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 24500
24590 GOSUB 62000: GOTO 24500

25000 REM R25 room with the dagger
25010 PRINT "jsi v další místnosti."
25020 IF hasdagger <> 1 THEN PRINT "je zde dýka."
25030 PRINT "můžeš jít na východ a na západ."
25500 PRINT " ": INPUT cmd$
25510 IF cmd$ = "z" THEN 23000
25520 IF cmd$ = "v" THEN 26000
25530 IF cmd$ = "vezmi dýku" AND hasdagger = 0 THEN PRINT "vzal jsi dýku.": hasdagger = 1: GOTO 25500
25540 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 25500
25550 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 25500
25590 GOSUB 62000: GOTO 25500

26000 REM R26 east side of the room, the note
26010 PRINT "jsi na východní straně místnosti."
26020 IF hasnote <> 1 THEN PRINT "je zde lístek."
26030 PRINT "lze jít směrem východ, západ."
26500 PRINT " ": INPUT cmd$
26510 IF cmd$ = "z" THEN 25000
26520 IF cmd$ = "v" THEN 27000
26530 IF cmd$ = "vezmi lístek" AND hasnote = 0 THEN PRINT "vzal jsi lístek.": hasnote = 1: GOTO 26500
26540 IF cmd$ = "prozkoumej lístek" AND hasnote = 1 AND noteread = 0 THEN PRINT "na lístku je napsáno, že na východní straně bydlí soudce. čeká tam, až přijde někdo, koho zabije.": noteread = 1: GOTO 26500
26550 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 26500
26560 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 26500
26590 GOSUB 62000: GOTO 26500

27000 REM R27 the judge's room (only the rifle kills him)
27010 PRINT "když jsi vešel dotéto místnosti stuhnul jsi zděšením. je zde"
27020 PITCH 45: PRINT "soutce džek. chi chi chi chichííí.": PITCH 56
27030 IF noteread = 0 THEN PRINT "tohle monstrum jsi vůbec nečekal. než ses vzpamatoval, soudce vytáhl pušku a zabil tě.": GOTO 63000
27040 IF noteread = 1 THEN PRINT "rychle dej nějaký příkaz, abys zabil soudce džeka. honem rychle piš."
27500 PRINT " ": INPUT cmd$
27510 IF cmd$ = "vyber dýku" AND hasdagger = 0 THEN PRINT "nemáš žádnou. soutce džek vytáhl pušku a zabil tě.": GOTO 63000
27520 IF cmd$ = "vyber dýku" AND hasdagger = 1 THEN PRINT "vytáhl jsi dýku. jak tě soudce uviděl jít na něho s dýkou, bleskově vytáhl pušku a zabil tě.": GOTO 63000
27530 IF cmd$ = "vyber pušku" AND hasrifle = 0 THEN PRINT "žádnou pušku nemáš. soutce džek vytáhl pušku svou a zabil tě.": GOTO 63000
27540 IF cmd$ = "vyber pušku" AND hasrifle = 1 THEN 27700
27550 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 27500
27560 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 27500
27590 GOSUB 62000: GOTO 27500
27700 REM the fight: two shots, the judge's cry, his funeral
27710 PRINT "vybral jsi pušku. připrav se. teť."
27720 CLICK 19: PAUSE 500: CLICK 19: PAUSE 500
27730 PITCH 35: PRINT "au, au, au, áááá": PITCH 56: PRINT "a je po něm.": PAUSE 1000
27740 PITCH 70: PRINT "soutce džek je mrtev.": PITCH 56
27750 GOSUB 64000: PAUSE 1000
27760 PRINT "tak a soudce džek už měl svůj pohřeb. ten jsi určitě slyšel, ne? já bych ti normálně gratuloval, že jsi ho zabil. ale nebudu, protože stejně brzo umřeš taky. takže se moc neraduj a radši dávej pořádně pozor, co děláš a kam lezeš."
27770 PRINT "ještě říct, že můžeš jít na východ."
27780 GOTO 28500

28000 REM R28 the judge's room after the fight (no description, only the prompt)
28500 PRINT " ": INPUT cmd$
28510 IF cmd$ = "v" THEN 29000
28520 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 28500
28530 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 28500
28590 GOSUB 62000: GOTO 28500

29000 REM R29 east side of the poison room (poison: 0 untouched, 1 examined, 2 drunk)
29010 PRINT "jsi na východní straně místnosti."
29020 IF poison <> 1 THEN PRINT "je zde jed. já bych ti doporučoval, ať ho nepiješ."
29030 PRINT "můžeš jít na východ."
29500 PRINT " ": INPUT cmd$
29510 IF cmd$ = "v" THEN 30000
29520 IF cmd$ = "vezmi jed" OR cmd$ = "ber jed" THEN PRINT "jed nemůžeš vzít do ruky. jed se dá vzít jenom do žaludku. ale já bych ti radil, abys ho nepil.": GOTO 29500
29530 IF cmd$ = "prozkoumej jed" AND poison = 0 THEN PRINT "jed je hrozně moc jedovatý. říkám ti nepij to.": poison = 1: GOTO 29500
29540 IF cmd$ = "pij jed" AND poison = 0 THEN PRINT "napřed ho prozkoumej a potom se ho napij.": GOTO 29500
29550 IF cmd$ = "pij jed" AND poison = 1 THEN PRINT "lehl sis na zem a vypil jsi ten jed. najednou máš takovou sílu, že bys mohl klidně povalit zeď.": poison = 2: GOTO 29500
29560 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 29500
29570 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 29500
29590 GOSUB 62000: GOTO 29500

30000 REM R30 second gas room (only with the second mask)
30010 PRINT "jsi v místnosti, která je plná plynu.."
30020 IF hasmask2 = 0 THEN PRINT "protože nemáš masku, plyn tě pěkně vcucl, to znamená, že tě rozpálil na popel.": GOTO 63000
30030 IF hasmask2 = 1 THEN PRINT "ještě žes měl tu druhou masku, jinak by tě plyn rozpálil na popel."
30040 PRINT "můžeš jít na východ": PRINT "a": PRINT "na západ."
30500 PRINT " ": INPUT cmd$
30510 IF cmd$ = "v" THEN 31000
30520 IF cmd$ = "z" THEN 29000
30530 IF cmd$ = "inventář" THEN GOSUB 60000: GOTO 30500
30540 IF cmd$ = "slovník" THEN GOSUB 61000: GOTO 30500
30590 GOSUB 62000: GOTO 30500
