#include "core/integration/info_texts.h"

namespace kefelo::integration {

std::string autodelButtonDescription(AutodelButton button, bool enabled, bool ntFamily) {
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
    std::string text =
        "A gombra kattintás után a Windows rendszere automatikusan újraindul, ezért minden munkáját mentse el a gomb "
        "használata előtt!\r\nEzután az \"autoexec.bat\" állományba bekerül a \"autodel.bat\" állomány hivatkozása. "
        "\r\n\r\n";
    if (ntFamily) {
        text +=
            "Mentse el az \"autodel.bat\" állományt egy gyorsan hozzáférhető helyre, mielőtt e gombra kattint.\r\n"
            "Amikor újraindult a gép, de a Windows még nem kezd töltődni, üssön F8 gombot és válassza a \"Csökkentett "
            "mód\" indítási módot.\r\nEzután várja meg, míg betöltődik a Windows és keresse meg az elmentett "
            "\"autodel.bat\" állományt és indítsa el, ha kész, akkor indítsa újra a számítógépét szokásos módban!";
    } else {
        text +=
            "Újraindítás után meg fog jelenni a Kefeló program szöveges képernyője.\r\nOlvassa el FIGYELMESEN az ott "
            "megjelenő segítséget a -Windows rendszer alatt törölhetetlen- átmeneti állományok eltávolításának "
            "megkísérléséhez!\r\nMég a törlés megkísérlése előtt helyreállítódik a régi autoexec.bat állomány, a "
            "törlés után pedig folytatódik a Windows betöltődésének folyamata.";
    }
    return text;
}

}  // namespace kefelo::integration
