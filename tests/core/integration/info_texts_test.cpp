#include "core/integration/info_texts.h"

#include <gtest/gtest.h>

using namespace kefelo;
using integration::AutodelButton;
using integration::autodelButtonDescription;

TEST(InfoTexts, AutodelButtonsDescribeTheirStateAndSystem) {
    const std::string none = "Jelenleg nincsenek törölhetetlen átmeneti állományok!";
    for (AutodelButton button : {AutodelButton::View, AutodelButton::Save, AutodelButton::Run}) {
        EXPECT_EQ(autodelButtonDescription(button, false, true), none);
        EXPECT_NE(autodelButtonDescription(button, true, true), none);
    }
    EXPECT_EQ(autodelButtonDescription(AutodelButton::View, true, true),
              autodelButtonDescription(AutodelButton::View, true, false));

    const std::string common =
        "A gombra kattintás után a Windows rendszere automatikusan újraindul, ezért minden munkáját mentse el a gomb "
        "használata előtt!\r\nEzután az \"autoexec.bat\" állományba bekerül a \"autodel.bat\" állomány hivatkozása. "
        "\r\n\r\n";
    const std::string nt = autodelButtonDescription(AutodelButton::Run, true, true);
    const std::string dos = autodelButtonDescription(AutodelButton::Run, true, false);
    EXPECT_EQ(nt.substr(0, common.size()), common);
    EXPECT_EQ(dos.substr(0, common.size()), common);
    EXPECT_TRUE(nt.substr(common.size()).starts_with("Mentse el az \"autodel.bat\" állományt")) << nt;
    EXPECT_TRUE(nt.ends_with("indítsa újra a számítógépét szokásos módban!"));
    EXPECT_TRUE(dos.substr(common.size()).starts_with("Újraindítás után meg fog jelenni")) << dos;
    EXPECT_TRUE(dos.ends_with("folytatódik a Windows betöltődésének folyamata."));
}
