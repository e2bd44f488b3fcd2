// The fifty rooms, played headless: what each room prints, where its moves lead, and every way
// to die or to end in them.
#include "play.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace {

// One script and what the program prints after the k-th last entry; deaths end at the replay
// question (the script runs out there), endings with the run's own closing line.
struct playcase {
    std::string name;
    std::string script;
    std::vector<std::string> expected;
    int k = 1;
    int status = 1;
};

void PrintTo(const playcase& c, std::ostream* os)
{
    *os << c.name;
}

playcase shows(std::string name, std::string script, std::vector<std::string> expected, int k = 1)
{
    return {std::move(name), std::move(script), std::move(expected), k, 1};
}

playcase dies(std::string name, std::string script, std::vector<std::string> expected, int k = 1)
{
    expected.push_back("jsi mrtev.");
    expected.push_back(replayq);
    return {std::move(name), std::move(script), std::move(expected), k, 1};
}

playcase ends(std::string name, std::string script, std::vector<std::string> expected, int k = 1)
{
    return {std::move(name), std::move(script), std::move(expected), k, 0};
}

// Entry lines used by several cases.
const std::vector<std::string> r10entry = {
    "vstoupil jsi do větší místnosti.", "vidíš pušku.", "můžeš jít na východ a na jich."};
const std::vector<std::string> r24death = {"jsi v místnosti, která je plná nečerstvého vzduchu.",
    "nemáš, čím bys dýchal tento nečerstvý vzduch, proto ses udusil."};
const std::vector<std::string> r30entry = {"jsi v místnosti, která je plná plynu..",
    "ještě žes měl tu druhou masku, jinak by tě plyn rozpálil na popel.", "můžeš jít na východ", "a", "na západ."};
const std::vector<std::string> r37entry = {
    "vešel jsi do místnosti, která má zdi hrozně křehké. najednou se zeď zatřásla",
    "ale tys ji v rychlosti narovnal spátky. můžeš", "jít", "na", "východ."};
const std::string r27first = "když jsi vešel dotéto místnosti stuhnul jsi zděšením. je zde";
const std::string r27judge = "soutce džek. chi chi chi chichííí.";

std::vector<playcase> forest()
{
    using namespace way;
    std::vector<playcase> v = {
        dies("R1_east", start() + walk({"v"}), {"~strom"}),
        shows("R1_letter_needs_grid", start() + walk({"vezmi dopis"}), {"nelze vzít tento dopis.", prompt}),
        // The flight lands in R1; the letter can be taken and read (three lines).
        shows("R1_letter_after_flight", flown() + walk({"prozkoumej dopis"}),
            {"vzal jsi dopis.", prompt, "*", "*", "*", prompt}, 2),
        shows("R2_gate", start() + walk({"z", "vyraz bránku", "prozkoumej bránku", "prozkoumej bránku"}),
            {"jsi na západní straně lesa. je zde bránka. můžeš jít na východ a na západ.", prompt, "nelze provést.",
                prompt, "je to bránka do jakési chodby. zkus ji vyrazit třeba ti to pomůže.", prompt, "nelze provést.",
                prompt},
            4),
        dies("R2_break_gate", start() + walk({"z", "prozkoumej bránku", "vyraz bránku"}), {"~sílu"}),
        dies("R2_east", start() + walk({"z", "v"}), {"~bránk"}),
        dies("R3_down", start() + walk({"z", "z", "d"}), {"~sklep"}),
        dies("R3_blood", start() + walk({"z", "z", "pij krev"}), {"~krve", "ajc.", "přišla smrt."}),
        dies("R4_east", r4() + walk({"v"}), {"~20000,38000 voltů"}),
        shows("R4_grid_kept", r4() + walk({"prozkoumej mřížku", "vezmi mřížku", "prozkoumej mřížku", "key n"}),
            {"jsi na severním konci chodby.", "je zde kódovací mřížka.", "můžeš jít na sever a na východ.", prompt,
                "nelze provést.", prompt, "vzal jsi mřížku.", prompt, "~chceš přenést na začátek hry? ano nebo ne?",
                "dobře. nechám tě tam, kde si.", prompt},
            5),
        // Without the letter R5 sends the player back to R4, whose grid line is gone.
        shows("R5_without_letter", r4() + walk({"vezmi mřížku", "s"}),
            {"jsi v místnosti, která je plná mrtvol.", "protože nemáš dopis, musím tě přenést, tam, kdes byl.",
                "jsi na severním konci chodby.", "můžeš jít na sever a na východ.", prompt}),
        shows("R5_stays", r5() + walk({"d", "prozkoumej mrtvoly", "n"}),
            {"jsi v místnosti, která je plná mrtvol.",
                "můžeš je vzít. můžeš jít na sever, na jich, na západ, na východ, nahoru, dolů,",
                "do prava, doleva, na severozápad a na jihozápad.", prompt,
                "nemáš, kama bys šel dolů, protože je to zaterasený mrtvolama.", prompt,
                "mrtvoly vypadají dobře. přísahám, že je musíš vzít. budeš je potřebovat.", prompt,
                "bouchl si se do hlavy, ale nerozbil sis ji zatím.", prompt},
            4),
        dies("R5_up_twice", r5() + walk({"n", "n"}),
            {"bouchl si se do hlavy, ale nerozbil sis ji zatím.", prompt, "rozbil sis kebuli."}, 2),
        dies("R5_take_corpse", r5() + walk({"vezmi mrtvoli"}), {"sotva jsi vzal mrtvoli mrtvoli vstali a zabili tě."}),
        shows("R6_mask", r6() + walk({"prozkoumej masku", "vezmi masku", "prozkoumej masku", "vezmi masku"}),
            {"jsi na jižním konci místnosti.", "vidíš masku.",
                "můžeš jít na sever, na jich, na západ, na východ, nahoru a nebo dolů", prompt, "nelze provést.",
                prompt, "vzal jsi masku.", prompt, "~240 hodin", prompt, "nelze provést.", prompt},
            5),
        dies("R6_north", r6() + walk({"s"}), {"~tarantul"}),
        dies("R6_south", r6() + walk({"j"}), {"~zzzzzzzz"}),
        dies("R6_east", r6() + walk({"v"}), {"~duch"}),
        dies("R6_west", r6() + walk({"z"}), {"~kostr"}),
        dies("R6_up", r6() + walk({"n"}), {"~strop"}),
        dies("R7_without_mask", r6() + walk({"d"}),
            {"~hořícího plynu", "tento plyn je smrtelně jedovatý a ty nemáš masku. plyn tě rozežral zaživa."}),
        // Putting the mask down needs the second mask, which cannot be carried here.
        shows("R7_with_mask", r7() + walk({"prozkoumej místnost", "polož masku"}),
            {"~hořícího plynu", "~mask", prompt, "~pěst", prompt, "nelze provést.", prompt}, 3),
        dies("R7_north", r7() + walk({"s"}), {"~jed"}),
        // The poison here can only be examined in R29, so drinking it is not known yet.
        shows("R8_poison", r7() + walk({"z", "pij jed"}),
            {"jsi na severním konci místnosti.", "je zde jed.", "můžeš jít na východ.", prompt, "nelze provést.",
                prompt},
            2),
        dies("R9_ram_wall", r9() + walk({"key v"}), {"~zdi"}),
        // A key other than v or n is ignored; any key but a or y at the second question spares.
        shows("R9_spared", r9() + walk({"key x", "key n", "key q"}),
            std::vector<std::string>{
                "jsi na východní straně místnosti. napiš. .v =vrazit do zdi, nebo .n =nevrážej do zdi. napiš.",
                "dobře jsi udělal, že jsi nevrazil do zdi. a víš proč? napiš a, jako ano, nebo něco jiného.",
                "~spadla"} +
                r10entry + std::vector<std::string>{prompt},
            4),
        ends("R9_liar_a", r9() + walk({"key n", "key a"}), {"lžeš a to se mi nelíbí. se lhářama nehraji."}),
        ends("R9_liar_y", r9() + walk({"key n", "key y"}), {"lžeš a to se mi nelíbí. se lhářama nehraji."}),
        shows("R10_rifle", r10() + walk({"prozkoumej pušku", "vezmi pušku", "prozkoumej pušku"}),
            {"nelze provést.", prompt, "vzal jsi pušku.", prompt,
                "je to krásná puška. jsou v ní i náboje. má 24 ran. je to opakovačka.", prompt},
            3),
        // R11 knows neither the inventory nor the dictionary.
        shows("R11_and_back", r10() + walk({"v", "inventář", "slovník", "v"}),
            std::vector<std::string>{"~propast", prompt, "nelze provést.", prompt, "nelze provést.", prompt} +
                r10entry + std::vector<std::string>{prompt},
            4),
        dies("R11_west", r10() + walk({"v", "z"}), {"~hlupák"}),
        shows("R12_crate", r10() + walk({"j", "prozkoumej bednu", "vezmi bednu", "prozkoumej bednu", "v", "j"}),
            std::vector<std::string>{"jsi na východním konci místnosti.", "je zde bedna.",
                "můžeš jít na sever a na východ.", prompt, "nelze provést.", prompt, "vzal jsi bednu.", prompt,
                "bedna je prázdná.", prompt} +
                r10entry +
                std::vector<std::string>{
                    prompt, "jsi na východním konci místnosti.", "můžeš jít na sever a na východ.", prompt},
            6),
        shows("R13_door", r10() + walk({"j", "s", "prozkoumej dveře"}),
            {"jsi na severní straně místnosti. jsou zde dveře. můžeš jít na jich.", prompt, "~zatuchl", prompt}, 2),
        dies("R14_corpses",
            r14() + walk({"vezmi mrtvoly", "prozkoumej mrtvoly", "prozkoumej mrtvoly", "vezmi mrtvoly"}),
            {"~omdlel", prompt, "napřed je prozkoumej a potom je vezmi.", prompt,
                "mrtvoly vypadají dobře. zkus nějakou vzít.", prompt, "nelze provést.", prompt, "~mozek"},
            5),
        dies("R14_south", r14() + walk({"j"}), {"~zzzzzzzz"}),
        dies("R14_west", r14() + walk({"z"}), {"~hlad"}),
        shows("R15_message", r15() + walk({"prozkoumej zprávu", "vezmi zprávu", "prozkoumej zprávu"}),
            {"~správnou cestu", "čeká tě zde nějaká zpráva.", "můžeš jít na východ a sever.", prompt, "nelze provést.",
                prompt, "vzal jsi zprávu.", prompt, "~zabij", prompt},
            4),
        dies("R15_east", r15() + walk({"v"}), {"~hlav"}),
        shows("R16_edge", r15() + walk({"s", "prozkoumej propast", "s", "s"}),
            {"~propast", prompt, "~propast", prompt, "~správnou cestu", "čeká tě zde nějaká zpráva.",
                "můžeš jít na východ a sever.", prompt, "~propast", prompt},
            4),
        dies("R17_north", r15() + walk({"s", "d", "s"}), {"~pijavice"}),
        dies("R17_east", r15() + walk({"s", "d", "v"}), {"~bahn", "žbluňk."}),
    };
    // Every wrong way out of R5 wakes the dead.
    for (const char* m : {"s", "j", "z", "v", "l", "sz", "jv"})
        v.push_back(dies(std::string("R5_move_") + m, r5() + walk({m}),
            {"našel jsis špatný směr. sotva jsi se pohnul tak mrtvoly vstali a zabili tě."}));
    return v;
}

std::vector<playcase> corridor()
{
    using namespace way;
    const std::string r21 = r18() + walk({"s", "polož masku", "s"});
    // From R10 without taking the rifle to R27 with the note read.
    const std::string norifle = r10() +
        walk({"j", "s", "j", "s", "s", "d", "z", "s", "polož masku", "s", "z", "vezmi skafandr", "z", "z", "s",
            "vezmi masku", "z", "v", "vezmi lístek", "prozkoumej lístek", "v"});
    return {
        shows("R18_corridor", r18() + walk({"prozkoumej chodbu"}),
            {"~propasti", prompt, "je to chodba dost velká. je zde i schodiště. zkus jít nahoru.", prompt}, 2),
        dies("R18_south", r18() + walk({"j"}), {"~pes"}),
        dies("R18_west", r18() + walk({"z"}), {"~24.11.1980"}),
        dies("R18_up", r18() + walk({"n"}), {"~schod"}),
        dies("R19_without_suit", r18() + walk({"v"}),
            {"vešel jsi do místnosti, kde bylo plno plynu.", "ale sotva jsi vešel, plyn začal okamžitě pracovat."}),
        shows("R19_gas", a() + walk({"vezmi plyn", "ber plyn"}),
            {"vešel jsi do místnosti, kde bylo plno plynu.",
                "sotva jsi vešel, plyn začal okamžitě pracovat. ještě žes měl ten skafandr. můžeš", "jít na sever.",
                prompt, "nejdříve polož skafandr, abys mohl vzít plyn. nemůžeš brát plyn se skafandrem.", prompt,
                "nejdříve polož skafandr, abys mohl vzít plyn. nemůžeš brát plyn se skafandrem.", prompt},
            3),
        dies("R19_suit_off", a() + walk({"polož skafandr"}),
            {"položen.", "plyn tě rozpálil na kusy. a to proto, že jsi položil skafandr. tvoje vina."}),
        // A capital letter makes the command unknown, and an unknown command burns here.
        dies("R19_unknown_word", a() + walk({"Vezmi plyn"}), {"nelze provést.", "~špatný příkaz"}),
        dies("R19_from_R20_without_suit", r18() + walk({"s", "z"}),
            {"vešel jsi do místnosti, kde bylo plno plynu.", "ale sotva jsi vešel, plyn začal okamžitě pracovat."}),
        shows("R20_mask_bars_north", r18() + walk({"s", "s", "polož masku", "s"}),
            {"jsi na severním konci chodby. můžeš jít na sever a na západ.", prompt, "nelze vejít do této místnosti.",
                prompt, "položeno.", prompt,
                "vešel jsi do místnosti, kde je plno ostnatých drátů. můžeš jít na sever a na západ.", prompt},
            4),
        dies("R21_north", r21 + walk({"s"}), {"~nemocnic"}),
        shows("R22_suit", r21 + walk({"z", "vezmi skafandr", "vezmi skafandr", "z"}),
            {"vešel jsi do další místnosti.", "je zde skafandr.", "lze jít směrem západ.", prompt, "vzal jsi skafandr.",
                prompt, "nelze provést.", prompt, "jsi na severním konci chodby. můžeš jít na sever a na západ.",
                prompt},
            4),
        shows("R23_mask", b() + walk({"vezmi masku", "vezmi masku"}),
            {"jsi v další místnosti.", "je zde další maska.", "lze jít směrem jich, západ.", prompt, "vzal jsi masku.",
                prompt, "nelze provést.", prompt},
            3),
        dies("R24_without_filter", b() + walk({"j"}), r24death),
        shows("R25_R26",
            b() +
                walk({"vezmi masku", "z", "vezmi dýku", "v", "prozkoumej lístek", "vezmi lístek", "prozkoumej lístek",
                    "prozkoumej lístek", "z", "v", "z", "z"}),
            {"jsi v další místnosti.", "je zde dýka.", "můžeš jít na východ a na západ.", prompt, "vzal jsi dýku.",
                prompt, "jsi na východní straně místnosti.", "je zde lístek.", "lze jít směrem východ, západ.", prompt,
                "nelze provést.", prompt, "vzal jsi lístek.", prompt, "~soudce", prompt, "nelze provést.", prompt,
                "jsi v další místnosti.", "můžeš jít na východ a na západ.", prompt,
                "jsi na východní straně místnosti.", "lze jít směrem východ, západ.", prompt, "jsi v další místnosti.",
                "můžeš jít na východ a na západ.", prompt, "jsi v další místnosti.", "lze jít směrem jich, západ.",
                prompt},
            11),
        dies("R27_note_unread", b() + walk({"z", "v", "v"}), {r27first, r27judge, "~monstrum"}),
        dies("R27_no_dagger", c() + walk({"vyber dýku"}),
            {r27first, r27judge, "rychle dej nějaký příkaz, abys zabil soudce džeka. honem rychle piš.", prompt,
                "nemáš žádnou. soutce džek vytáhl pušku a zabil tě."},
            2),
        dies("R27_dagger",
            b() + walk({"vezmi masku", "z", "vezmi dýku", "v", "vezmi lístek", "prozkoumej lístek", "v", "vyber dýku"}),
            {"~dýkou"}),
        dies("R27_no_rifle", norifle + walk({"vyber pušku"}),
            {"žádnou pušku nemáš. soutce džek vytáhl pušku svou a zabil tě."}),
        // Drinking needs the poison examined first; drunk, its line is back on entering.
        shows("R29_poison",
            d() + walk({"v", "vezmi jed", "ber jed", "pij jed", "prozkoumej jed", "pij jed", "pij jed", "v", "z"}),
            std::vector<std::string>{"jsi na východní straně místnosti.",
                "je zde jed. já bych ti doporučoval, ať ho nepiješ.", "můžeš jít na východ.", prompt, "~žaludku",
                prompt, "~žaludku", prompt, "napřed ho prozkoumej a potom se ho napij.", prompt,
                "jed je hrozně moc jedovatý. říkám ti nepij to.", prompt, "~sílu", prompt, "nelze provést.", prompt} +
                r30entry +
                std::vector<std::string>{prompt, "jsi na východní straně místnosti.",
                    "je zde jed. já bych ti doporučoval, ať ho nepiješ.", "můžeš jít na východ.", prompt},
            9),
        shows("R29_examined", d() + walk({"v", "prozkoumej jed", "v", "z"}),
            {"jsi na východní straně místnosti.", "můžeš jít na východ.", prompt}),
        dies("R30_without_mask",
            b() + walk({"z", "v", "vezmi lístek", "prozkoumej lístek", "v", "vyber pušku", "v", "v"}),
            {"jsi v místnosti, která je plná plynu..",
                "protože nemáš masku, plyn tě pěkně vcucl, to znamená, že tě rozpálil na popel."}),
    };
}

std::vector<playcase> hall()
{
    using namespace way;
    const std::vector<std::string> r31strong = {
        "jsi v místnosti, která je hrozně moc velká. na severní straně je činka.",
        "můžeš jí uzvednout, proto žes vypil jed. lze jít směrem sever, západ."};
    const std::vector<std::string> r45entry = {"jsi v chodbě. lze jít směrem sever, východ, jich, západ."};
    const std::vector<std::string> r40entry = {"jsi na konci místnosti.", "můžeš", "jít", "na", "východ a na západ."};
    const std::string r38 = e() + walk({"s", "j", "v", "v", "v", "v", "v"});
    return {
        // Without the poison drunk: no exit line, and the dumbbell is out of reach.
        shows("R31_weak", d() + walk({"v", "v", "v", "vezmi činku", "prozkoumej činku", "z"}),
            std::vector<std::string>{"jsi v místnosti, která je hrozně moc velká. na severní straně je činka.",
                "ale ty jí stejně neuzvedneš.", prompt, "musíš jít blíž, na sever.", "stejně ji nevezmeš.", prompt,
                "musíš jít na sever.", prompt} +
                r30entry + std::vector<std::string>{prompt},
            4),
        shows("R31_strong", e() + walk({"ber činku", "prozkoumej činku"}),
            r31strong +
                std::vector<std::string>{prompt, "musíš jít blíž, na sever.", prompt,
                    "nejprve musíš jít na sever a potom ji musíš nejprve vzít.", prompt},
            3),
        dies("R32_weak", d() + walk({"v", "prozkoumej jed", "v", "v", "s", "prozkoumej činku", "vezmi činku"}),
            {"stojíš u činky.", "nemůžeš jí vzít.", "lze jít směrem jich, západ.", prompt, "nelze provést.", prompt,
                "skusil jsi vzít činku. nemáš sílu, abys jí udržel.", "rozbil sis hravu."},
            3),
        shows("R32_strong", e() + walk({"s", "vezmi činku", "vezmi činku", "prozkoumej činku", "z", "s"}),
            std::vector<std::string>{"stojíš u činky.", "můžeš jí vzít.", "protože vypils jed.",
                "lze jít směrem jich, západ.", prompt, "vzal jsi činku.", prompt, "nelze provést.", prompt,
                "je to pěkná činka. je hrozně těžká.", prompt} +
                r31strong +
                std::vector<std::string>{
                    prompt, "stojíš u činky.", "můžeš jí vzít.", "lze jít směrem jich, západ.", prompt},
            6),
        dies("R33_window", e() + walk({"s", "j", "vezmi okno", "prozkoumej okno", "z", "j", "ber okno"}),
            {"stojíš u okna.", "můžeš tohle okno vzít.", "lze jít směrem východ, západ.", prompt,
                "napřed ho prozkoumej a potom ho vezmi.", prompt,
                "okno je velice pevné. v žádném případě bys ho nemohl rozbít.", prompt, "stojíš u činky.",
                "můžeš jí vzít.", "protože vypils jed.", "lze jít směrem jich, západ.", prompt, "stojíš u okna.",
                "lze jít směrem východ, západ.", prompt, "~očí"},
            6),
        dies("R33_take_window", e() + walk({"s", "j", "prozkoumej okno", "vezmi okno"}), {"~očí"}),
        // R35 has no west although its exit line names it; its key can be taken again.
        shows("R34_R36",
            e() +
                walk({"s", "j", "v", "v", "z", "vezmi klíč", "vezmi klíč", "ber klíč", "prozkoumej klíč", "v",
                    "prozkoumej kladívko", "vezmi kladívko", "prozkoumej kladívko", "z"}),
            {"jsi na konci místnosti.", "můžeš", "jít", "na", "východ.", prompt, "jsi v další místnosti.",
                "je zde klíč.", "můžeš jít na východ a na západ.", prompt, "nelze provést.", prompt, "vzal jsi klíč.",
                prompt, "vzal jsi klíč.", prompt, "nelze provést.", prompt,
                "klíč je drsný až hrůza. na spodu klíče je napsáno .l.", prompt,
                "jsi v chodbyčce, která je hrozně malá.", "je zde kladívko.", "můžeš jít na východ a na západ.", prompt,
                "nelze provést.", prompt, "vzal jsi malé kladívečko.", prompt, "je to malé kladívečko.", prompt,
                "jsi v další místnosti.", "můžeš jít na východ a na západ.", prompt},
            12),
        dies("R37_weak", d() + walk({"v", "v", "v", "s", "j", "v", "v", "v", "v"}),
            {"vešel jsi do místnosti, která má zdi hrozně křehké. najednou se zeď zatřásla", "a tebe rozdrtila."}),
        // R37 knows no dictionary.
        shows("R37_R38", e() + walk({"s", "j", "v", "v", "v", "v", "slovník", "v", "z"}),
            r37entry +
                std::vector<std::string>{prompt, "nelze provést.", prompt, "jsi nakonci malé chodbyčky.", "můžeš",
                    "jít", "na", "východ a na západ.", prompt} +
                r37entry + std::vector<std::string>{prompt},
            4),
        shows("R39_R41",
            r38 +
                walk(
                    {"v", "prozkoumej kabel", "v", "vezmi místnost", "ber místnost", "z", "prozkoumej schodiště", "z"}),
            std::vector<std::string>{"jsi v další místnosti.", "je zde kabel.", "můžeš jít na východ a na západ.",
                prompt, "kabel je kabel.", prompt} +
                r40entry +
                std::vector<std::string>{prompt,
                    "je vidět, že to v té svojí paličce nemáš v pořádku. místnost přece vzít nemůžeš.", prompt,
                    "je vidět, že to v té svojí paličce nemáš v pořádku. místnost přece vzít nemůžeš.", prompt,
                    "jsi v další místnosti. je zde schodiště.", "můžeš", "jít", "na", "východ a na západ.", prompt,
                    "schodiště je velice špatné, a proto se brzo pod tebou propadne.", prompt} +
                r40entry + std::vector<std::string>{prompt},
            8),
        dies("R39_take_cable", r38 + walk({"v", "vezmi kabel"}),
            {"chtěl jsi vzít kabel, ale sotva ses ho dotkl, dostals ránu 26000,800000 voltů."}),
        dies("R39_ber_cable", r38 + walk({"v", "ber kabel"}),
            {"chtěl jsi vzít kabel, ale sotva ses ho dotkl, dostals ránu 26000,800000 voltů."}),
        dies("R40_east", f() + walk({"v"}),
            {"zakopl jsi o kabel a spadl jsi na něho. a dostals ránu 26000,80000 voltů."}),
        shows("R42_R45", f() + walk({"z", "v", "prozkoumej schodiště", "n", "prozkoumej dveře", "n", "d", "n", "v"}),
            std::vector<std::string>{"~schátral", "můžeš", "jít", "na", "horu.", prompt,
                "schodiště je úplně schátralé a staré.", prompt, "jsi na mezipatře.", "jsou zde dveře.",
                "lze jít směrem nahoru.", prompt, "dveře vedou do jakési místnosti.", prompt,
                "stojíš úplně nahoře. lze jít na východ a dolů.", prompt, "jsi na mezipatře.", "jsou zde dveře.",
                "lze jít směrem nahoru.", prompt, "stojíš úplně nahoře. lze jít na východ a dolů.", prompt} +
                r45entry + std::vector<std::string>{prompt},
            8),
        dies("R43_door_without_filter", f() + walk({"z", "v", "n", "otevři dveře"}), r24death),
        shows("R45_R46",
            g() +
                walk({"prozkoumej chodbu", "s", "prozkoumej šroubovák", "vezmi šroubovák", "vezmi šroubovák",
                    "ber šroubovák", "prozkoumej šroubovák", "z", "v"}),
            std::vector<std::string>{"je to normální chodba. na severní, jižní a západní straně sou dveře.", prompt,
                "vstoupil jsi do místnosti, kde je plno šroubků, prostě různé nářadí.", "jako například šroubovák.",
                "lze jít směrem západ.", prompt, "nelze provést.", prompt, "vzal jsi šroubovák.", prompt,
                "vzal jsi šroubovák.", prompt, "nelze provést.", prompt, "je to obyčejný šroubovák. ", prompt} +
                r45entry + std::vector<std::string>{prompt, "stojíš úplně nahoře. lze jít na východ a dolů.", prompt},
            9),
        dies("R45_west_without_filter", g() + walk({"z"}), r24death),
        // The filter put down in R47 is missed in R24.
        dies("R47_filter_down",
            g() + walk({"j", "prozkoumej filtr", "vezmi filtr", "prozkoumej filtr", "polož filtr", "z", "z"}),
            std::vector<std::string>{"jsi v místnosti, která je na jižní straně chodby.", "vidíš filtr.",
                "můžeš jít na západ.", prompt, "nelze provést.", prompt, "vzal jsi filtr.", prompt,
                "filtr je hrozně díravý.", prompt, "položen.", prompt} +
                r45entry + std::vector<std::string>{prompt} + r24death,
            7),
        shows("R24_R49", h() + walk({"v", "v", "z", "v"}),
            {"jsi v místnosti, která je plná nečerstvého vzduchu.", "ještě, žes měl ten filtr.", "můžeš jít na východ.",
                prompt, "jsi v místnosti, která je dost zajímavá.", "můžeš jít na východ a na západ.", prompt,
                "jsi v chodbě.", "můžeš", "jít", "na", "východ a na západ.", prompt,
                "jsi v místnosti, která je dost zajímavá.", "můžeš jít na východ a na západ.", prompt, "jsi v chodbě.",
                "můžeš", "jít", "na", "východ a na západ.", prompt},
            5),
        dies("R48_filter_down", h() + walk({"v", "polož filtr", "z"}),
            std::vector<std::string>{"položen.", prompt} + r24death, 2),
        // R50 has no command loop: its questions follow its two lines.
        shows("R50_entry", h() + walk({"v", "v", "v"}),
            {"jsi v chodbě.", "můžeš", "jít", "na", "východ a na západ.", prompt,
                "jsi v místnosti, která je velice zajímavá.", "jsou zde 3 letadla.",
                ";chceš nastoupit do prvního? ano, nebo ne?"},
            2),
    };
}

std::vector<playcase> allcases()
{
    std::vector<playcase> v = forest();
    for (auto& c : corridor())
        v.push_back(c);
    for (auto& c : hall())
        v.push_back(c);
    return v;
}

class rooms : public ::testing::TestWithParam<playcase> {};

TEST_P(rooms, PrintWhatTheirRulesSay)
{
    const playcase& c = GetParam();
    const auto r = runheadless(c.script);
    ASSERT_EQ(r.status, c.status) << r.stderrtext;
    std::vector<std::string> got = tail(r, c.k);
    if (c.status == 0) {
        // The program ended: the last print is the run's own closing line.
        ASSERT_FALSE(got.empty());
        got.pop_back();
        EXPECT_EQ(r.trace.back().event(), "end");
    }
    EXPECT_TRUE(lines(got, c.expected));
}

INSTANTIATE_TEST_SUITE_P(game, rooms, ::testing::ValuesIn(allcases()),
    [](const ::testing::TestParamInfo<playcase>& i) { return i.param.name; });

TEST(Rooms, FlightBackToTheStartFallsInPitch)
{
    const auto r = runheadless(way::r4() + walk({"vezmi mřížku", "prozkoumej mřížku", "key y"}));
    ASSERT_EQ(r.status, 1) << r.stderrtext;
    EXPECT_EQ(voiced(r, entry(r), r.trace.size()),
        (std::vector<std::string>{"56 přenáším tě na začátek hry.", "70 letí", "69 í", "68 í", "67 í", "45 íš",
            "56 až doletěls.", "56 stojíš v lese. je zde skála.", "56 vidíš dopis.",
            "56 můžeš jít na východ a na západ.", "56  "}));
}

TEST(Rooms, FallsSweepDown)
{
    std::vector<std::string> sweep;
    for (int n = 1000; n >= 200; n -= 20)
        sweep.push_back("play [" + std::to_string(n) + "] 10 1");
    // R16's fall is survived and leads to R17's prompt, which has no entry lines.
    auto r = runheadless(way::r15() + walk({"s", "d"}));
    ASSERT_EQ(r.status, 1) << r.stderrtext;
    EXPECT_TRUE(lines(tail(r), {"~čtrnáct", "dále. můžeš jít na sever, na východ a na západ.", prompt}));
    EXPECT_EQ(events(r, entry(r), r.trace.size(), {"play"}), sweep);
    // R11's fall kills.
    r = runheadless(way::r10() + walk({"v", "z"}));
    ASSERT_EQ(r.status, 1) << r.stderrtext;
    EXPECT_EQ(events(r, entry(r), findprint(r, "jsi mrtev."), {"play"}), sweep);
}

TEST(Rooms, R19BurnsAtAnyWordButInventoryAndDictionary)
{
    const auto r = runheadless(way::a() + walk({"inventář", "slovník", "s"}));
    ASSERT_EQ(r.status, 1) << r.stderrtext;
    const auto p = tail(r, 3);
    EXPECT_EQ(p.at(0), ";neseš sebou ");
    EXPECT_EQ(std::count(p.begin(), p.end(), "nelze provést."), 0);
    EXPECT_EQ(std::count(p.begin(), p.end(), "jsi mrtev."), 0);
    EXPECT_TRUE(
        lines(tail(r), {"jsi v další místnosti.", "je zde další maska.", "lze jít směrem jich, západ.", prompt}));
}

TEST(Rooms, JudgeFight)
{
    // Two shots, the cry at 35, the funeral march, then R28's prompt with no description.
    const auto r = runheadless(way::d() + walk({"v"}));
    ASSERT_EQ(r.status, 1) << r.stderrtext;
    const std::size_t from = entry(r, 2);
    const std::size_t to = entry(r, 1);
    const auto heard = voiced(r, from, to);
    EXPECT_TRUE(lines(heard,
        {"56 vybral jsi pušku. připrav se. teť.", "35 au, au, au, áááá", "56 a je po něm.", "70 soutce džek je mrtev.",
            "~56 ", "56 ještě říct, že můžeš jít na východ.", "56  "}));
    std::vector<std::string> expected = {"click 19", "sleep 500", "click 19", "sleep 500", "sleep 1000"};
    expected = expected + funeralmarch() + std::vector<std::string>{"sleep 1000"};
    EXPECT_EQ(events(r, from, to, {"click", "sleep", "play"}), expected);
    EXPECT_EQ(tail(r).at(0), "jsi na východní straně místnosti.");  // "v" leads from R28 to R29
}

}  // namespace
