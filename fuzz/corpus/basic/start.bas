1 REM kvelt1, a text adventure: a policeman hunts the murderer of his best friend
2 REM start: memory cells, title and jingle, the instructions, the rules, then the forest

10 POKE 50790, 6: POKE 50791, 1
20 POKE 44720, 200
30 PRINT "textová hra": PITCH 70: PRINT "kvelt1"
40 PLAY 500; 500; 3: PLAY 700; 500; 3: PLAY 750; 500; 3: PLAY 520, 750; 1000; 3
50 PITCH 56: PRINT "chceš instrukce?"
60 cmd$ = INKEY$: IF cmd$ = "" THEN 60
70 IF cmd$ <> "a" THEN 200

100 REM the instructions: the story so far
110 PRINT "v roce 1960 jsi nastoupil k policii. byl jsi mladý a silný a chtěl jsi chytat zloděje a vrahy. náčelník tě měl rád, protože jsi byl poctivý a nikdy jsi nelhal. za pár let jsi byl nejlepší policajt v celém městě a každý tě znal."
120 PRINT "uběhlo hodně let a ty jsi pořád sloužil u policie. měl jsi nejlepšího kamaráda, se kterým jsi chodil už do školy. byl to hodný kluk a bydlel jen o ulici dál. často jste spolu sedávali v hospodě a povídali si o všem."
130 PRINT "v roce 1980 se po městě začalo povídat, že jeden vrah, který už zabil stovky lidí, zabil i tvého nejlepšího kamaráda. šel jsi za náčelníkem, že toho vraha chytíš."
140 PITCH 60: PRINT "to ne. sám nikam nepůjdeš. je to moc nebezpečné."
150 PRINT "ten vrah by tě zabil. a to já nechci. konec debaty."
160 PITCH 56
170 PRINT "ty jsi ale náčelníka neposlechl. v noci, když všichni spali, jsi si sbalil věci a otevřel jsi okno. byl jsi ve třetím patře, ale to ti bylo jedno. a tak jsi skočil z okna ven."
180 PRINT "naštěstí jsi se chytil hromosvodu. sjel jsi po něm dolů až na zem a odřel sis při tom obě ruce. potom jsi utíkal celou noc, pořád dál a dál, až jsi nevěděl, kde jsi. nakonec jsi zakopl o kořen a spadl jsi. a když jsi se probral,"
190 PRINT "zjistil jsi, že ležíš v nějakém lese. a tady začíná tvoje dobrodružství."
195 PITCH 70: PRINT "konec instrukcí.": PITCH 56

200 REM the rules
210 PRINT "hra se hraje pomocí příkazů, které mají jedno nebo dvě slova. když napíšeš slovník, tak se dozvíš, jaké příkazy znám. to můžeš napsat kdykoli."
220 PRINT "věci můžeš položit jen tam, kde jsou potřeba. prozkoumat je můžeš, jen když je vezmeš, a jen tam, kde jsi je vzal. hodně zábavy."
230 PAUSE 1000: GOTO 1000
