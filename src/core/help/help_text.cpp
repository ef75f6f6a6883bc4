// The program's documentation: what the help page shows topic by topic and what goes
// into "olvassel.txt". Lines are kept short, since the view does not wrap by default.
#include "core/help/help_text.h"

namespace kefelo::help {

std::string_view builtInHelpText() {
    return R"(< Fontos tudnivalók! >

A Kefeló a merevlemez felesleges, átmeneti állományait keresi meg és törli.
Törölni csak azt törli, amit Ön kijelöl: a bejelölt Ürítendő tárolók teljes
tartalmát, a bejelölt feladatok által talált állományokat, a keresés
eredménylistájában aktívvá tett állományokat, illetve a Műveletek lapon
bejelölt rendszertárolók tartalmát.

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
A 22. kategória az Ön saját típusait tartalmazza. Ezeket a
"Saját állomány-típusok kezelése" ablakban veheti fel, amelyet a kategóriák
és típusok listáinak jobb gombos menüjéből, a "Saját típusaim" menüponttal
nyithat meg.

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
- Lemezelemző táblázat: a merevlemezek (kérésre minden meghajtó) kötetneve,
  mérete, foglalt és szabad területe és foglaltsága egy táblázatban.
- Automatikus takarítás: a Windows indításakor, a megadott naponként,
  ablak nélkül.
- Törölhetetlen állományok: amit a program futás közben nem tudott törölni,
  azt egy autodel.bat állományba gyűjti, amely a következő indításkor lefuttatható.
- A Windows lemezkezelő eszközeinek indítása, parancsikonok, frissítés az
  Internetről, eltávolítás.

< /Az alkalmazás főbb funkciói >

< A Kefeló első indítása >

Az első indításkor a program még nem talál beállításokat (beallitasok.cfg),
ezért a Telepítő jelenik meg. Három lehetőség közül választhat:

- "Tovább": kiválaszthatja a telepítés helyét (alapértelmezés szerint a
  Program Files mappán belül a Kefelo könyvtárat, vagy ha oda nem írhat, a
  saját programjai mappáját), a parancsikonokat és az első indításkor
  végzendő frissítéskeresést; a "Telepítés" gomb bemásolja oda a programot,
  és onnan indítja el.
- "Futtatás a mostani helyről, telepítés nélkül": a program onnan fut, ahonnan
  elindította, és a segédállományai (beállítások, listák, napló) is ott
  keletkeznek.
- "Kilépés": a program kilép, és nem ment beállításokat; a könyvtárában csak
  ez a leírás marad meg (olvassel.txt). A következő indításkor ismét a
  Telepítő jelenik meg.

Ezt a leírást a Telepítő "A program dokumentációjának megtekintése" gombjával
is elolvashatja a Jegyzettömbben.

Telepítés után, illetve a telepítés nélküli futtatáskor ez az üdvözlő képernyő
fogadja. Kérjük, olvassa el a Súgót!
A főablakot a fent található, piros hátterű mezőre duplán kattintva nyithatja
meg. Ekkor a program megkeresi a szabványos átmeneti könyvtárakat, és
felveszi őket a tárolók listájába - inaktív állapotban. A takarítás előtt
jelölje be (aktiválja) azokat, amelyeket valóban üríteni szeretne.

Ha a Windows nem közép-európai kódlapot használ, a Jegyzettömbben megnyitott
szöveges állományokban (olvassel.txt, utolso.log) egyes ékezetes betűk
másképp jelenhetnek meg; a program ablakaiban minden betű helyesen látszik.

< /A Kefeló első indítása >

< A program által létrehozott állományok >

Minden segédállomány a program könyvtárában található:

beallitasok.cfg - a program beállításai
konyvtarak.lst  - az Ürítendő tárolók és a feladatok listája
vedettek.lst    - a Védett állományok listája
utolso.log      - a legutóbbi takarítás műveleti naplója
takaritasok.csv - minden takarítás eredménye egy-egy sorban (dátum, mód, törölt
                  állományok, felszabadított bájt, törölhetetlen állományok);
                  táblázatkezelővel is megnyitható
autodel.bat     - a legutóbbi takarításkor nem törölhető állományok törlése
olvassel.txt    - ez a leírás, egyszerű szöveges formában
info.txt        - az aktuális leírás kimentése (Ctrl+F3)
teszt.mod       - ha létezik, bekapcsolja a hibadetektáló konzolt
Zipped          - a tömörített állományok alapértelmezett könyvtára

Frissítéskor ideiglenesen létrejön az update.txt, a new.zip, a new.exe, az
update.bat és az előző programállomány másolata (update.old), eltávolításkor
az uninstall.bat; ezeket a program maga törli.
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
"Új feladat" gombbal vehet fel, a meglévőt a "Módosítás" gombbal változtathatja
meg, az "Eltávolítás" gombbal törölheti.

A "Takarítás" gomb elindítja a takarítást; a műveleti napló színekkel mutatja,
mi törlődött és mi nem volt törölhető (a színek jelentését a napló melletti
Színleírás adja meg). A futást a "Megszakít" gombbal állíthatja le. A napló a
"Naplózás" gombbal elmenthető szövegként vagy formázott szövegként, a
"Nyomtatás" gombbal kinyomtatható.

A jelentés jobb oldalán, a színleírás alatt, az "Eddigi takarítások" kis
oszlopdiagramja mutatja, mennyi helyet szabadítottak fel az utolsó (legfeljebb
30) takarítások: minden oszlop egy takarítás, a legújabb a jobb szélen, a
legmagasabb oszlop értékét (bájtban) a szürke szám mutatja az oszlopok fölött.
Legfelül az összesen felszabadított terület áll a legelső feljegyzett
takarítás óta. Minden véget ért
takarítás, a kézi és az automatikus is (a megszakított is, az addig törölt
állományokkal), egy sort ír a takaritasok.csv állományba. Ha ez nem sikerül
(például megtelt a lemez), a program szól, a korábbi sorok megmaradnak, és a
következő takarítás végén újra megpróbálja. A nagyon régi takarításokat a
program egyetlen összesítő sorba vonja össze, így az állomány nem nő korlátlanul.

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
dátum, attribútumok). A sor színe az állomány mostani állapotát mutatja
(írásvédett, rejtett, rendszer); egy másik program által közben törölt
állomány sora azonnal a "Külsőleg eltávolított" színre vált. A színeket a
Színleírás feliratainak kattintásával változtathatja meg.

Az aktív állományokat törölheti, áthelyezheti vagy ZIP-be tömörítheti. A lista
jobb gombos menüjéből a jelölések is kezelhetők, a kijelölt állomány pedig
megnyitható a Jegyzettömbben, futtatható, megmutatható az Intézőben, a
tulajdonságai megtekinthetők, a neve felvehető a védettek közé.

< /II.Ablak bemutatása >

< III. és IV. Ablak bemutatása >

A harmadik lap ("Műveletek") eszközei a bal oldali gombokkal választható
csoportokban érhetők el:
- Rendszertárolók: a Lomtár és a Windows más tárolóinak ürítése; az ürítés
  előtti kérdés minden tárolót a mappájával együtt megnevez;
- Lemezkezelés: a Windows eszközei (töredezettség-mentesítés, lemezkarbantartó,
  kislemez formázása) és a lemezelemző táblázat, amely újra felméri a
  meghajtókat, valahányszor visszatér hozzá (például az Intézőből);
- Naplózás: a legutóbbi takarítás naplója;
- Kefeló: a program és a tömörítvények könyvtára, frissítés, eltávolítás;
- Törölhetetlenek: az autodel.bat kezelése;
- Hasznos programok: más készítők segédprogramjai.

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

Mindkét lapon a leírásmező elmagyarázza azt a vezérlőt, amely fölött az egér
áll. A leírás a Ctrl+F3 billentyűkkel kimenthető a Jegyzettömbbe.

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
