#include "core/integration/info_texts.h"

#include <gtest/gtest.h>

#include <set>

#include "core/integration/windows_info.h"
#include "platform/fake/fake_platform.h"

using namespace kefelo;
using integration::AutodelButton;
using integration::autodelButtonDescription;

TEST(InfoTexts, AutodelButtonsDescribeTheirStateAndTheWayTheyRegister) {
    using cleaning::AutodelWay;
    const std::string none = "Jelenleg nincsenek törölhetetlen átmeneti állományok!";
    const AutodelWay ways[] = {AutodelWay::AutoexecBat, AutodelWay::DeleteAtRestart, AutodelWay::RunAtLogon};
    for (AutodelButton button : {AutodelButton::View, AutodelButton::Save, AutodelButton::Run}) {
        for (AutodelWay way : ways) {
            EXPECT_EQ(autodelButtonDescription(button, false, way), none);
            EXPECT_NE(autodelButtonDescription(button, true, way), none);
        }
    }
    EXPECT_EQ(autodelButtonDescription(AutodelButton::View, true, AutodelWay::RunAtLogon),
              autodelButtonDescription(AutodelButton::View, true, AutodelWay::AutoexecBat));

    const std::string dos = autodelButtonDescription(AutodelButton::Run, true, AutodelWay::AutoexecBat);
    EXPECT_TRUE(dos.starts_with("A gombra kattintás után a Windows rendszere automatikusan újraindul, ezért minden "
                                "munkáját mentse el a gomb használata előtt!\r\nEzután az \"autoexec.bat\" "
                                "állományba bekerül a \"autodel.bat\" állomány hivatkozása. \r\n\r\nÚjraindítás "
                                "után meg fog jelenni"))
        << dos;
    EXPECT_TRUE(dos.ends_with("folytatódik a Windows betöltődésének folyamata."));
    // The NT family: no safe mode, no autoexec.bat; the restart only when asked for.
    const std::string system = autodelButtonDescription(AutodelButton::Run, true, AutodelWay::DeleteAtRestart);
    const std::string logon = autodelButtonDescription(AutodelButton::Run, true, AutodelWay::RunAtLogon);
    for (const std::string& nt : {system, logon}) {
        EXPECT_EQ(nt.find("autoexec.bat"), std::string::npos) << nt;
        EXPECT_EQ(nt.find("Csökkentett"), std::string::npos) << nt;
        EXPECT_NE(nt.find("A számítógép csak akkor indul újra, ha a megjelenő kérdésre ezt kéri"), std::string::npos);
    }
    EXPECT_TRUE(system.ends_with("a törlés a következő indításkor történik.")) << system;
    EXPECT_TRUE(logon.ends_with("a törlés a következő bejelentkezéskor történik.")) << logon;
}

TEST(InfoTexts, OptionsTableJoinsTheSharedRegSentence) {
    using integration::OptionsInfo;
    const std::string reg = integration::optionsInfoText(OptionsInfo::box_autoruns);
    EXPECT_TRUE(reg.starts_with("Ahol a jelölőnégyzet szövege után a \"(Reg)\""));
    EXPECT_EQ(integration::optionsInfoText(OptionsInfo::group_simpleoptions),
              "Az egyes beállításokat úgy tudja ki/be kapcsolni, hogy be vagy kipipálja a sor elején található "
              "jelölőnégyzetüket.\r\n\r\n" +
                  reg);
    EXPECT_EQ(integration::optionsInfoText(OptionsInfo::page_options), "");
    // Every described control has its own text.
    std::set<std::string> seen;
    for (int i = static_cast<int>(OptionsInfo::group_simpleoptions);
         i <= static_cast<int>(OptionsInfo::group_protectfiles); ++i) {
        const std::string text = integration::optionsInfoText(static_cast<OptionsInfo>(i));
        EXPECT_FALSE(text.empty()) << i;
        EXPECT_TRUE(seen.insert(text).second) << i;
    }
}

struct ExportFixture : ::testing::Test, platform::fake::FakePlatform {
    const std::string dir = "C:\\Program Files\\Kefeló\\";
    ExportFixture() { fs.addDirectory("C:\\Program Files\\Kefeló"); }
};

TEST_F(ExportFixture, SavesTheBoxAsWindows1250LinesAndOpensNotepad) {
    EXPECT_TRUE(integration::exportInfoText(fs, shell, ui, dir, "Első sor ő\r\n\r\nutolsó"));
    EXPECT_EQ(fs.content(dir + "info.txt"), std::string("Els\xF5 sor \xF5\r\n\r\nutols\xF3\r\n"));
    ASSERT_EQ(shell.executed.size(), 1u);
    EXPECT_EQ(shell.executed[0].file, "notepad.exe");
    EXPECT_EQ(shell.executed[0].parameters, "\"C:\\Program Files\\Kefeló\\info.txt\"");
    EXPECT_TRUE(ui.messages.empty());

    // An empty box exports nothing.
    EXPECT_FALSE(integration::exportInfoText(fs, shell, ui, dir, ""));
    EXPECT_EQ(shell.executed.size(), 1u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ExportFixture, AFailedSaveOrStartIsTold) {
    const std::string failed =
        "Nem sikerült elmenteni -illetve futtatni- az aktuális elem-magyarázatot, a következő helyre:\r\n"
        "C:\\Program Files\\Kefeló\\info.txt";
    fs.setWritable("C:\\Program Files\\Kefeló", false);
    EXPECT_FALSE(integration::exportInfoText(fs, shell, ui, dir, "x"));
    EXPECT_TRUE(shell.executed.empty());
    fs.setWritable("C:\\Program Files\\Kefeló", true);
    shell.accept = false;
    EXPECT_FALSE(integration::exportInfoText(fs, shell, ui, dir, "x"));
    // A right click on a tools button words it its own way.
    EXPECT_FALSE(integration::exportInfoText(fs, shell, ui, dir, "x", integration::InfoExportTrigger::RightClick));
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].text, failed);
    EXPECT_EQ(ui.messages[1].text, failed);
    EXPECT_EQ(ui.messages[2].text,
              "Nem sikerült az \"info.txt\" állomány kimentése -illetve megnyitása- a következő helyre:\r\n"
              "C:\\Program Files\\Kefeló\\");
}

TEST(InfoTexts, ExportKeyIsCtrlAloneWithF3) {
    EXPECT_TRUE(integration::isInfoExportKey(true, true, false, false));
    EXPECT_FALSE(integration::isInfoExportKey(true, true, true, false));
    EXPECT_FALSE(integration::isInfoExportKey(true, true, false, true));
    EXPECT_FALSE(integration::isInfoExportKey(true, false, false, false));
    EXPECT_FALSE(integration::isInfoExportKey(false, true, false, false));
}

TEST(WindowsInfo, LanguageAndVersion) {
    platform::fake::FakePlatform p;
    p.sys.language = "HUN";
    p.sys.locale[2] = "Magyar";
    EXPECT_EQ(integration::GetWindowsLanguage(p.sys, integration::kLanguageAbbreviation), "hun");
    EXPECT_EQ(integration::GetWindowsLanguage(p.sys, integration::kLanguageName), "magyar");

    std::vector<std::string> console;
    const auto log = [&](const std::string& line) { console.push_back(line); };
    p.sys.platform = 2;
    EXPECT_EQ(integration::GetWindowsVersion(p.sys, p.registry, log), "nt");
    p.registry.writeString(platform::RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                           "ProductName", "Windows 10 Pro");
    EXPECT_EQ(integration::GetWindowsVersion(p.sys, p.registry, log), "Windows 10 Pro");
    p.sys.platform = 1;
    p.registry.writeString(platform::RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                           "ProductName", "Microsoft Windows 98");
    EXPECT_EQ(integration::GetWindowsVersion(p.sys, p.registry, log), "9x");
    p.sys.platform = 0;
    EXPECT_EQ(integration::GetWindowsVersion(p.sys, p.registry, log), "Windows 3.1");
    EXPECT_EQ(console, (std::vector<std::string>{"Windows verzio: nt", "Windows verzio: Windows 10 Pro",
                                                 "Windows verzio: 9x", "Windows verzio: Windows 3.1"}));
}
