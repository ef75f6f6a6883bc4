#include "core/integration/info_texts.h"

#include <vector>

#include "base/text/codec.h"

namespace kefelo::integration {

std::string autodelButtonDescription(AutodelButton button, bool enabled, cleaning::AutodelWay way) {
    if (!enabled) return "Jelenleg nincsenek törölhetetlen átmeneti állományok!";
    switch (button) {
        case AutodelButton::View:
            return "A Jegyzettömbben megjeleníti a \"autodel.bat\" állományt, amely segítségével azon állományokat "
                   "tudjuk törölni - Win9x esetén DOS-ban, egyéb Windows változatoknál Csökkentett módban-, amiket a "
                   "Kefeló nem tudott eltávolítani.";
        case AutodelButton::Save:
            return "A Windows alól törölhetetlen állományokat eltávolító állomány elmentése adott helyre.\r\nAjánlott "
                   "könnyen és gyorsan megközelíthető helyre menteni, például az Asztal-ra.";
        case AutodelButton::Run:
            break;
    }
    constexpr std::string_view kRestartOnlyWhenAsked =
        "\r\n\r\nA számítógép csak akkor indul újra, ha a megjelenő kérdésre ezt kéri; ha nem, a törlés a következő ";
    switch (way) {
        case cleaning::AutodelWay::DeleteAtRestart:
            return "A gombra kattintás után a Kefeló bejegyzi a Windows rendszerbe, hogy a számítógép következő "
                   "indításakor törölje az \"autodel.bat\" állományban felsorolt, most törölhetetlen átmeneti "
                   "állományokat, még mielőtt bármely program megnyithatná azokat." +
                   std::string(kRestartOnlyWhenAsked) + "indításkor történik.";
        case cleaning::AutodelWay::RunAtLogon:
            return "A gombra kattintás után a Kefeló bejegyzi, hogy az Ön következő bejelentkezésekor automatikusan "
                   "elinduljon az \"autodel.bat\" állomány, amely megkísérli törölni a most törölhetetlen átmeneti "
                   "állományokat.\r\n(Rendszergazdai jogosultság nélkül a Windows a rendszer indításakor nem törölhet "
                   "állományokat.)" +
                   std::string(kRestartOnlyWhenAsked) + "bejelentkezéskor történik.";
        case cleaning::AutodelWay::AutoexecBat:
            break;
    }
    return "A gombra kattintás után a Windows rendszere automatikusan újraindul, ezért minden munkáját mentse el a "
           "gomb használata előtt!\r\nEzután az \"autoexec.bat\" állományba bekerül a \"autodel.bat\" állomány "
           "hivatkozása. \r\n\r\n"
        "Újraindítás után meg fog jelenni a Kefeló program szöveges képernyője.\r\nOlvassa el FIGYELMESEN az ott "
        "megjelenő segítséget a -Windows rendszer alatt törölhetetlen- átmeneti állományok eltávolításának "
        "megkísérléséhez!\r\nMég a törlés megkísérlése előtt helyreállítódik a régi autoexec.bat állomány, a "
        "törlés után pedig folytatódik a Windows betöltődésének folyamata.";
}

}  // namespace kefelo::integration

namespace kefelo::integration {
namespace {
constexpr std::string_view kRegSentence =
    "Ahol a jelölőnégyzet szövege után a \"(Reg)\" felíratot látja, az azt jelenti, hogy annak igénybevételéhez a "
    "Regisztrációs Adatbázishoz írási jogosultsággal kell rendelkeznünk.";
}  // namespace

const std::string_view kWebUpdateInfo =
    "A Frissítés-varázsló segítségével megvizsgálhatja, hogy van-e elérhető újabb Kefeló változat.\r\nHa van, akkor a "
    "Varázsló segítségével letölteti, majd frissítheti a mostani Kefeló példányát.\r\n\r\nAjánlott rendszeresen "
    "frissíteni a programot, hogy mindig a legújabb változatot használhassa!\r\n\r\nA frissítési folyamat élő "
    "internetes kapcsolatot igényel!";
const std::string_view kUninstallInfo =
    "NAGYON FONTOS !\r\nKérem, hogy a program eltávolításához mindig ezt a gombot használja, ne a kézi törlést, mert "
    "az nem elég!\r\n\r\nF I G Y E L E M!\r\nA Kefeló program és segédállományainak visszavonhatatlan eltávolítása a "
    "számítógépről!\r\nMaga a programfájl(kefelo.exe) mellett a különböző beállítások és könyvtár-, valamint Feladat "
    "listákat tartalmazó állományok is eltávolításra kerülnek.\r\nSzintén törlődnek a Kefeló Regisztációs "
    "Adatbázisbeli(regedit) bejegyzései is.";

std::string optionsInfoText(OptionsInfo control) {
    switch (control) {
        case OptionsInfo::page_options:
            return {};
        case OptionsInfo::group_simpleoptions:
            return "Az egyes beállításokat úgy tudja ki/be kapcsolni, hogy be vagy kipipálja a sor elején található "
                   "jelölőnégyzetüket.\r\n\r\n" +
                   std::string(kRegSentence);
        case OptionsInfo::box_autoruns:
            return std::string(kRegSentence);
        case OptionsInfo::checked_startupwithwindows:
            return "E szolgáltatás kiválasztásakor minden Windows-induláskor megjelenik a Kefeló kis piros X ikonja a "
                   "Tálcán, az óra mellett bal oldalt, ahonnan a program bármikor gyorsan elérhető.";
        case OptionsInfo::check_gototrayonclose:
            return "A Kefeló futtatásakor egy kis piros X ikon jelenik meg a Tálcán, az óra mellett bal oldalt.\r\nHa "
                   "ezt a beállítást bejelöljük, akkor amikor a programot bezárnánk valójában nem áll le a futása csak "
                   "az ablaka elrejtődik. Erre az ikonra való kattintással ismét megjeleníthető a Kefeló képernyője.";
        case OptionsInfo::check_stayontop:
            return "A Kefeló ablaka mindig látszik a képernyőn, tehát az ablakok zöme nem takarhatja el.";
        case OptionsInfo::check_viewalerts:
            return "A Kefeló ezen beállítás bejelölésekor a kényes művelettkor megerősítést kér, valamint hasznos "
                   "információkkal látja el Önt a különböző műveletek folyamán.\r\n\r\nHasználata ajánlott.";
        case OptionsInfo::check_resursivesearchmode:
            return "Ha ezt nem jelöljük be, akkor a Keresési folyamat csak a megadott könyvtár gyökerében (gyökér: "
                   "olyan mint egy lakás előszobája) hajtódik végre. Nem vizsgálja a megadott könyvtárból nyíló "
                   "alkönyvtárak tartalmát.";
        case OptionsInfo::check_deleteemptyfolder:
            return "Ha egy egy könyvtárt sikerült teljesen kiüríteni Takarításkor, akkor maga a könyvtár is "
                   "eltávolításra kerül.";
        case OptionsInfo::check_beep:
            return "A program megszólaltatja az alapértelmezett beep-hangot, ha végzett a Takarítási, vagy a Keresési "
                   "folyamattal.";
        case OptionsInfo::check_dirregistration:
            return "Ezzel a beállítással elhelyezhetünk a könyvtárak helyi menüjében egy menüpontot, melynek "
                   "kiválasztásával a kijelölt könyvtáron azonnal elindíthatjuk az átmeneti állományok keresésének "
                   "folyamatát.\r\n\r\nFigyelem!  Fontos!  Olvassa el mindenképp! :\r\nElképzelhető, hogyha ezt "
                   "bejelöli, akkor az Intézőben a könyvtárakon duplakattintást nyomva nem a könyvtár tartalma jelenik "
                   "meg, hanem a Kefeló \"Átmeneti állományok keresése...\" ablaka, ami kellemetlen "
                   "lehet(megváltozik az alapértelmezett könyvtár-kezelési funkció).\r\nKönnyen ellenőrizheti, hogy "
                   "ez állapot fennt áll-e: Miután bejelölte, kattintson ezen a jelölőnégyzeten JOBB egérgombbal!";
        case OptionsInfo::check_fullsearch:
            return "Az felhasználói könyvtárban (például Windows XP esetében: C:\\Documents and "
                   "Settings\\Rendszergazda) a teljes fa-szerkezetet végignézi, keresvén olyan könyvtárneveket, "
                   "amelyek arra utalnak, hogy tartalmuk szabadon törölhető.\r\n\r\nHasználata nem ajánlott!";
        case OptionsInfo::check_noadd:
            return "Az első oldalon található Ürítendő Tárolók listájába kézzel is megadhatunk ürítendő "
                   "tárolót.\r\n\r\nF I G Y E L E M !\r\nMielőtt bejelöli, legyen tisztában azzal a ténnyel, hogy az "
                   "ezen listába felvett aktív könyvtárak teljes tartalma elvész a Takarítási folyamatban!\r\n\r\n"
                   "Használata kifejezetten nem ajánlott, ezért ez a beállítás nem is mentődik el a program "
                   "lezárásakor (újból kell majd engedélyeznie)!";
        case OptionsInfo::check_nodrive:
            return "Az első oldalon található Ürítendő Tárolók listájába kézzel felvehet teljes meghajtót "
                   "is!\r\n\r\nF I G Y E L E M !\r\nMielőtt bejelöli, legyen tisztában azzal a ténnyel, hogy az ezen "
                   "listába felvett aktív meghajtók teljes tartalma elvész a Takarítási folyamatban!\r\n\r\nHasználata "
                   "kifejezetten nem ajánlott, ezért ez a beállítás nem is mentődik el a program lezárásakor (újból "
                   "kell majd engedélyeznie)!";
        case OptionsInfo::check_autorun:
            return "Ha igénybeveszi ezt a szolgáltatást, akkor a beállított napszámonként a Kefeló Takarítási "
                   "folyamata automatikusan lefut a Windows rendszer betöltődésekor.\r\n\r\nMűködése:\r\nA \"/a\" "
                   "kapcsolóval történő indításkor megvizsgálja a Kefeló, hogy a legutolsó Takarítási folyamat mikor "
                   "történt. Ha régebben, mint az itt beállított napszám, akkor lefuttatja a Takarítási "
                   "folyamatot.\r\n(Azt imitálja, mintha megnyomtuk volna a Takarítás gombot)\r\n\r\nA szolgáltatás "
                   "igénybevételéhez készül egy kulcs a Regisztrációs adatbázisban, ehhez írási jogosultság kell!";
        case OptionsInfo::edit_daysofautorun:
            return "A Kefeló ennyi naponként futtatja le automatikusan a Takarítási folyamatot.";
        case OptionsInfo::check_quitprogramwhenautorundone:
            return "Ha végzett a Takarítási folyamattal, akkor a programot be is zárja.\r\n\r\nTermészetesen a "
                   "Legutolsó Takarítási Napló-ból utólag is kiderül, milyen műveleteket végzett a Kefeló.";
        case OptionsInfo::check_updatesearch:
            return "A megadott naponként a Kefeló automatikusan megvizsgálja, hogy elérhető-e frissebb "
                   "Kefeló-változat annál, amellyet Ön éppen használ.\r\n\r\nHa a legutolsó vizsgálat óta eltelt már "
                   "a megadott napszám, akkor a Kefeló indításkor azonnal kapcsolódni próbál kiszolgálójához! Ha "
                   "használ tűzfal-programot, akkor a Kefeló képernyője helyett a tűzfal-program megerősítést váró "
                   "párbeszédablaka jelenik meg (itt mindenféleképpen engedélyezze, hogy a Kefeló kapcsolódhasson a "
                   "kiszolgálójához, mert különben nem derül ki, van-e újabb Kefeló-verzió!)\r\n\r\nAmennyiben van "
                   "frissebb verzió, úgy megjelenik a \"Kefeló frissítése\" ablak 2. oldala.";
        case OptionsInfo::edit_updatesearch:
            return "A Kefeló ennyi naponként vizsgálja meg indításkor, hogy van-e elérhető Kefeló-frissítés.";
        case OptionsInfo::group_shortcut:
            return "A program indítóállományáról hivatkozást készíthetünk a két, gyakran felkeresett helyre.";
        case OptionsInfo::check_programrun:
            return "A hivatkozás hatására elindul, majd megjelenik a Kefeló képernyője, a legutoljára látogatott "
                   "részben.";
        case OptionsInfo::check_runclean:
            return "A Kefeló képernyője nem jelenik meg, hanem rögtön elindul a Takarítási folyamat. (Olyan, mintha "
                   "rögtön megnyomtuk volna az első képernyőn található \"Takarítás\" gombot)\r\nEzzel a típusú "
                   "parancsikonnal gyakorlatilag az \"Automatikus futtatás\" szolgáltatást imitálhatjuk.";
        case OptionsInfo::button_desktop:
            return "A Kefeló parancsikonját(hivatkozását) elhelyezi az Asztalon.";
        case OptionsInfo::button_startmenu:
            return "A Kefeló parancsikonját(hivatkozását) elhelyezi a Start menü felső, vonallal elválasztott "
                   "részében.";
        case OptionsInfo::group_protectfiles:
            return "A listában szereplő nevű állományokat a Kefeló program nem távolít el a Takarítás folyamán, "
                   "illetve Állomány-keresésnél nem szerepelteti a találati táblázatban, így az véletlenül sem lesz "
                   "törölhető.\r\n\r\nHa van Microsoft Office programcsomag telepítve a számítógépünkre, akkor "
                   "mindenféleképpen ajánlott, hogy legalább a következő két név szerepeljen a "
                   "listában:\r\ndata.bak\r\nopa11.bak\r\nKérem, csak akkor törölje a listából ezen neveket, ha "
                   "biztos abban, hogy nincs Microsoft Office termék a számítógépén!";
    }
    return {};
}

bool isInfoExportKey(bool f3, bool ctrl, bool shift, bool alt) { return f3 && ctrl && !shift && !alt; }

std::string infoExportFailedMessage(const std::string& programDirectory, InfoExportTrigger trigger) {
    if (trigger == InfoExportTrigger::RightClick) {
        return "Nem sikerült az \"info.txt\" állomány kimentése -illetve megnyitása- a következő helyre:\r\n" +
               programDirectory;
    }
    return "Nem sikerült elmenteni -illetve futtatni- az aktuális elem-magyarázatot, a következő helyre:\r\n" +
           programDirectory + std::string(kInfoFileName);
}

bool exportInfoText(platform::FileSystem& fs, platform::Shell& shell, platform::UiServices& ui,
                    const std::string& programDirectory, const std::string& boxText, InfoExportTrigger trigger) {
    if (boxText.empty()) return false;
    // The box's lines, each ended by CR LF as a saved list of lines is.
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = boxText.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(boxText.substr(start, end - start));
    }
    if (start < boxText.size()) lines.push_back(boxText.substr(start));
    const std::string path = programDirectory + std::string(kInfoFileName);
    // Quoted: the program directory may hold blanks.
    if (fs.writeFileAtomic(path, text::encodeLines(lines)) &&
        shell.executeFile("notepad.exe", "\"" + path + "\"", "", true)) {
        return true;
    }
    ui.message(platform::MessageKind::Error, platform::Buttons::Ok, infoExportFailedMessage(programDirectory, trigger));
    return false;
}

}  // namespace kefelo::integration
