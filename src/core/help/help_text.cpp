// The program's documentation: what the help page shows topic by topic and what goes
// into "olvassel.txt". Lines are kept short, since the view does not wrap by default.
#include "core/help/help_text.h"

namespace kefelo::help {

std::string_view builtInHelpText() {
    return R"(< Fontos tudnivalók! >

A Kefeló a merevlemez felesleges, átmeneti állományait keresi meg és törli.
Törölni csak azt törli, amit Ön kijelöl: a bejelölt Ürítendő tárolók teljes
tartalmát, a bejelölt feladatok által talált állományokat, illetve a keresés
eredménylistájában kiválasztott állományokat.

A törölt állományok alapesetben NEM kerülnek a Lomtárba, tehát nem
állíthatók vissza! Ha szeretné, a "Beállítások" lap "Törlés módja" csoportjában
kérheti, hogy a Takarítás, illetve a talált állományok törlése a Lomtárba
helyezze az állományokat.

Mielőtt egy könyvtárat Ürítendő tárolóként felvesz, győződjön meg róla, hogy
abban valóban semmi olyan nincs, amire még szüksége lehet.

A program a Védett állományok listáján szereplő neveket soha nem törli és nem
kínálja fel törlésre. A "nem ajánlott" jelzésű beállításokat csak akkor
engedélyezze, ha pontosan tudja, mit tesz.

A program használata saját felelősségére történik.

< /Fontos tudnivalók! >

< Alapfogalmak >

Ürítendő tároló: olyan könyvtár, amelynek a teljes tartalma törölhető
(például a felhasználó Temp könyvtára). Takarításkor a program minden
bejelölt tároló összes állományát törli, az alkönyvtárakkal együtt.

Feladat: egy hely (könyvtár vagy meghajtó) és hozzá tartozó állománytípusok
(maszkok). Takarításkor a program a helyen megkeresi a típusoknak megfelelő
állományokat, és csak azokat törli.

Kategória és típus: az átmeneti állományok csoportjai (például "Biztonsági
másolatok"), illetve az egyes csoportokhoz tartozó maszkok (például *.BAK).
A kategóriák bejelölésével a típusok listája töltődik fel, ebből választhatja
ki a keresendő típusokat.

Maszk: állománynév-minta, amelyben a * tetszőleges számú, a ? pontosan egy
karaktert helyettesít (pl. *.TMP, ~*.*, tem?.*).

Védett állomány: olyan név, amelyet a program sehol, semmilyen helyen nem
töröl, akkor sem, ha egy tárolóban vagy egy feladat találatai között van.

Jelölés: a listák első oszlopában a bepipált négyzet az aktív, az üres négyzet
az inaktív sort jelzi; üres mező azt jelenti, hogy a sor helye nem található.

< /Alapfogalmak >

< Az átmeneti állományok >

A Windows és a programok működésük során rengeteg segédállományt hoznak létre:
ideiglenes munkaállományokat, biztonsági másolatokat, naplókat, az Internet
böngészése során letöltött oldalakat és képeket. Ezek nagy része a munka
befejezése után már felesleges, mégis ott marad a lemezen, és idővel akár
több száz megabájtot is elfoglalhat.

A Kefeló 22 kategóriában ismeri az ilyen állományokat, például:
- általános átmeneti fájlok (*.TMP, *.$$$, ~*.* és társaik),
- biztonsági másolatok (*.BAK, *.OLD),
- töredezettség-mentesítés és lemezellenőrzés maradványai (*.CHK),
- súgók segédállományai (*.GID, *.FTS),
- hibanaplók és rendszernaplók,
- fejlesztőkörnyezetek átmeneti állományai,
- a Windows bélyegkép-gyorsítótárai (THUMBS.DB).
A 22. kategória az Ön saját típusait tartalmazza, ezeket a "Saját típusok"
ablakban veheti fel.

Nem minden találat felesleges! Egy *.BAK állomány lehet egy fontos dokumentum
egyetlen biztonsági másolata is. Törlés előtt mindig nézze át a listát.

< /Az átmeneti állományok >

< Az alkalmazás főbb funkciói >

- Takarítás: a bejelölt tárolók kiürítése és a bejelölt feladatok végrehajtása
  egy lépésben, színes műveleti naplóval, a felszabadított terület kiírásával.
- Takarítás előnézete: megmutatja, mely állományokat törölné a Takarítás,
  anélkül, hogy bármit törölne.
- Friss állományok megtartása és Lomtár: a Takarítás meghagyhatja a
  legutóbbi órákban módosított átmeneti állományokat, és a törölt
  állományokat a Lomtárba is helyezheti.
- Átmeneti állományok keresése: egy megadott helyen a kiválasztott típusok
  keresése, az eredmény rendezhető listában; a kiválasztott állományok
  törölhetők, áthelyezhetők, ZIP-be tömöríthetők vagy védetté tehetők.
- Szabványos tárolók keresése: az "Alapértékek" gomb minden felhasználó
  Temp, Temporary Internet Files, Cookies és hasonló könyvtárát felveszi
  a tárolók közé, inaktív állapotban.
- Rendszertárolók ürítése: Lomtár, legutóbbi dokumentumok, előzmények,
  sablonok, a frissítések eltávolító könyvtárai és az illesztőprogram-tár.
- Lemezelemző táblázat: minden meghajtó típusa, mérete, foglalt és szabad
  területe egy táblázatban.
- Automatikus takarítás: a Windows indításakor, a megadott naponként,
  ablak nélkül.
- Törölhetetlen állományok: amit a program futás közben nem tudott törölni,
  azt egy autodel.bat állományba gyűjti, amely a következő indításkor lefuttatható.
- A Windows lemezkezelő eszközeinek indítása, parancsikonok, frissítés az
  Internetről, eltávolítás.

< /Az alkalmazás főbb funkciói >

< A Kefeló első indítása >

Az első indításkor a program még nem talál beállításokat, ezért felajánlja a
telepítést: kiválaszthatja a célkönyvtárat és a kezdeti beállításokat. Ha a
telepítést megszakítja, a program kilép, és semmit nem ír a lemezre.

Telepítés után ez az üdvözlő képernyő fogadja. Kérjük, olvassa el a Súgót!
A főablakot a fent található, piros hátterű mezőre duplán kattintva nyithatja
meg. Ekkor a program megkeresi a szabványos átmeneti könyvtárakat, és
felveszi őket a tárolók listájába - inaktív állapotban. A takarítás előtt
jelölje be (aktiválja) azokat, amelyeket valóban üríteni szeretne.

Ha a rendszer nyelve nem magyar, egyes ékezetes betűk másképp jelenhetnek meg.

< /A Kefeló első indítása >

< A program által létrehozott állományok >

Minden segédállomány a program könyvtárában található:

beallitasok.cfg - a program beállításai
konyvtarak.lst  - az Ürítendő tárolók és a feladatok listája
vedettek.lst    - a Védett állományok listája
utolso.log      - a legutóbbi takarítás műveleti naplója
autodel.bat     - a legutóbbi takarításkor nem törölhető állományok törlése
olvassel.txt    - ez a leírás, egyszerű szöveges formában
info.txt        - az aktuális leírás kimentése (Ctrl+F3)
teszt.mod       - ha létezik, bekapcsolja a hibadetektáló konzolt
Zipped          - a tömörített állományok alapértelmezett könyvtára

Frissítéskor ideiglenesen létrejön az update.txt, a new.zip, a new.exe és az
update.bat, eltávolításkor az uninstall.bat; ezeket a program maga törli.
Az áthelyezett állományokról az áthelyezés célkönyvtárában készül napló.

Ha a program könyvtára írásvédett, a program figyelmeztet: a fenti állományok
nélkül nem tud megfelelően működni.

< /A program által létrehozott állományok >

< I.Ablak bemutatása >

Az első lap ("Tárolóürítés+feladatok kezelése") két listát tartalmaz.

A bal oldali lista az Ürítendő tárolóké: minden sor egy könyvtár, az utolsó
módosítás dátumával. Új tárolót tallózással vagy a vágólapról vehet fel
(ehhez engedélyeznie kell a "Beállítások" lapon), törölni a jelöltek, a nem
található sorok vagy a teljes lista törlésével lehet. Az "Alapértékek" gomb
a szabványos átmeneti könyvtárakat keresi meg.

A jobb oldali lista a feladatoké: hely és állománytípusok. Új feladatot az
"Új feladat" csoportban adhat meg, a meglévőt módosíthatja vagy törölheti.

A "Takarítás" gomb elindítja a takarítást; a műveleti napló mutatja, mi
törlődött (fekete), mi nem volt törölhető (piros). A futást a "Megszakít"
gombbal állíthatja le. A napló elmenthető szövegként vagy formázott szövegként.

Az "Előnézet" gomb ugyanúgy bejárja a bejelölt tárolókat és feladatokat, mint
a Takarítás, de semmit sem töröl: minden állományt, amelyet a Takarítás
törölne, a "Talált állományok" listájába tesz, a darabszámmal és a teljes
mérettel együtt. Ott a szokásos műveletek (törlés, áthelyezés, ZIP,
védetté tétel) használhatók, és a Takarítás ezután is elindítható. A
Takarítás sosem töröl olyat, amit az előnézet nem mutatott volna, kivéve ha
közben új állományok keletkeztek, vagy egyesek idősebbek lettek a megadott
óraszámnál.

< /I.Ablak bemutatása >

< II.Ablak bemutatása >

A második lap ("Átmeneti állományok keresése és kezelése") a kereső.

Adja meg a keresés helyét (gépelve, tallózva vagy a korábbi helyek közül),
jelölje be a kategóriákat, majd a típusok listájában a keresendő típusokat.
A "Keresés" gomb indítja a keresést, amely alkönyvtárakban is folyik, ha a
rekurzív keresés be van kapcsolva.

A találatok rendezhető listában jelennek meg (név, kiterjesztés, hely, méret,
dátum, attribútumok). A kiválasztott állományokat törölheti, áthelyezheti,
ZIP-be tömörítheti, védetté teheti, megnyithatja vagy megmutathatja az
Intézőben. A lista jobb gombos menüjéből a jelölések is kezelhetők.

< /II.Ablak bemutatása >

< III. és IV. Ablak bemutatása >

A harmadik lap ("Műveletek") eszközei csoportokba rendezve érhetők el: a
rendszertárolók ürítése, a törölhetetlen állományok kezelése, a Windows
eszközei (töredezettség-mentesítés, lemezkarbantartó, kislemez formázása),
a lemezelemző táblázat és a program saját állományainak megtekintése.

A negyedik lap ("Beállítások") a program viselkedését szabályozza: általános
beállítások, automatikusan induló szolgáltatások (takarítás, frissítéskeresés),
parancsikonok, a Védett állományok listája és a törlés módja.

A "Törlés módja" csoportban megadhatja, hány óránál frissebb átmeneti
állományokat hagyjon meg a Takarítás, az Automatikus Takarítás és az előnézet
(0 = kikapcsolva); így megmaradnak azok, amelyekre egy éppen futó telepítőnek
még szüksége lehet. A megtartott állományok számát a napló összegzése írja ki.
A talált állományok kézi törlésére ez nem vonatkozik.

Ugyanitt kérheti, hogy a Takarítás, illetve a talált állományok törlése a
Lomtárba helyezze az állományokat, ahonnan visszaállíthatók. Amit a Lomtár
nem fogad (például mert azon a meghajtón nincs Lomtár), azt a program nem
törli véglegesen: megmarad, a nem törölhető állományok között szerepel, és a
napló megírja az okát.

Mindkét lapon a jobb oldali leírásmező elmagyarázza azt a vezérlőt, amely
fölött az egér áll. A leírás a Ctrl+F3 billentyűkkel kimenthető.

< /III. és IV. Ablak bemutatása >

< Felhívás! >

Ha hibát talál a programban, vagy egy ötlete van, kérem, írja meg! A hibák
leírásához sokat segít a hibadetektáló konzol: hozzon létre egy üres teszt.mod
nevű állományt a program könyvtárában, indítsa újra a programot, és küldje el
a konzol sorait (egy sorra kattintva az az állapotsorba kerül).

A Kefeló ingyenes program. Terjesztése változatlan formában megengedett.

< /Felhívás! >

< Gyakran felmerülő kérdések >

K: Miért inaktívak az "Alapértékek" által felvett tárolók?
V: Mert a program nem dönthet Ön helyett: jelölje be azokat, amelyeket
   valóban üríteni szeretne.

K: Miért nem tudott a program egyes állományokat törölni?
V: Egy futó program használja őket. Ezeket a Műveletek lapon a
   "Törölhetetlenek" csoportban a következő indításra ütemezheti.

K: Visszaállíthatók a törölt állományok?
V: Nem. A program nem a Lomtárba töröl.

K: Miért nem törölte a program a README.TXT-t?
V: Valószínűleg szerepel a Védett állományok listáján.

K: Hogyan indíthatok keresést az Intézőből?
V: Kapcsolja be a Beállítások lapon a könyvtárak helyi menüjének
   regisztrálását; utána bármely könyvtár helyi menüjéből indítható.

< /Gyakran felmerülő kérdések >

< Verziótörténet >

3.2.1 - Frissítés az Internetről ellenőrzött letöltéssel.
      - A Súgó nyomtatható, másolható, betűmérete állítható.
      - A rendszertárolók ürítése előtt a program megerősítést kér.
3.2.0 - Lemezelemző táblázat.
      - A Védett állományok listája szerkeszthető a Beállítások lapon.
3.1.0 - ZIP-tömörítés a keresés eredménylistájából.
      - Áthelyezéskor napló készül a célkönyvtárban.
3.0.0 - Automatikus takarítás a Windows indításakor.
      - Tálca ikon buboréküzenetekkel.
2.5.0 - Feladatok: hely és állománytípusok együtt.
2.0.0 - Szabványos átmeneti könyvtárak keresése minden felhasználónál.
1.0.0 - Az első változat: tárolók ürítése és átmeneti állományok keresése.

< /Verziótörténet >

< Hasznos tippek és trükkök >

- A listák oszlopfejlécére kattintva rendezhet.
- Egy sorra duplán kattintva átválthatja az aktív/inaktív jelölést.
- Bezáráskor a program a Tálcára is költözhet (Beállítások lap); ilyenkor az
  óra melletti ikonra kattintva hozhatja vissza.
- A takarítás a Tálca ikon menüjéből is indítható.
- Egy könyvtár útvonalát a vágólapra másolva a tárolók közé a "Vágólapról"
  menüponttal veheti fel (ha a kézi felvétel engedélyezett).
- A Súgó szövegét a jobb egérgombbal kattintva másolhatja, nyomtathatja,
  és itt kapcsolhatja be a hosszú sorok tördelését is.

< /Hasznos tippek és trükkök >

< Példák a program használatára >

1. A böngésző gyorsítótárának ürítése minden héten:
   Az "Alapértékek" gombbal keresse meg a szabványos tárolókat, jelölje be a
   Temporary Internet Files könyvtárakat, majd a Beállítások lapon
   engedélyezze az automatikus takarítást 7 naponként.

2. A régi biztonsági másolatok törlése a D: meghajtóról:
   Az "Új feladat" csoportban adja meg helynek a D:\ meghajtót, jelölje be a
   "Biztonsági másolatok" kategóriát és a típusokat, majd vegye fel a feladatot.

3. Átmeneti állományok kimentése törlés előtt:
   A második lapon keressen a kívánt helyen, jelölje ki a találatokat, és
   tömörítse őket ZIP-be a törlés lehetőségével.

< /Példák a program használatára >

< Egyéb megjegyzések >

A program egyetlen szálon fut: hosszabb művelet közben is reagál, de egyszerre
csak egy keresés vagy takarítás futhat. Ha valami már fut, a program szól.

A program egy példányban fut; ha újra elindítja, a már futó példány kerül
előtérbe, egy könyvtár paraméterrel pedig abban indul keresés.

Parancssori kapcsolók: /a (automatikus takarítás a Windows indításakor, ha
esedékes), /autorun (takarítás azonnal), vagy egy könyvtár neve (keresés).

< /Egyéb megjegyzések >

< A készítő elérhetőségei >

A Kefeló honlapja: http://kefelo.hu
Fórum: http://kefelo.hu/forum
E-mail: kefelo@kefelo.hu

Köszönöm, hogy a Kefelót használja!

< /A készítő elérhetőségei >)";
}

}  // namespace kefelo::help
