#include "core/integration/shortcuts.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_shell_links.h"
#include "platform/fake/fake_ui.h"

using namespace kefelo;
using integration::ShortcutPlace;
using platform::KnownFolder;

namespace {

const std::string kExe = "C:\\Program Files\\Kefeló\\kefelo.exe";

struct ShortcutFixture : ::testing::Test {
    platform::fake::FakeShellLinks links;
    platform::fake::FakeUi ui;
    ShortcutFixture() {
        links.folders[KnownFolder::Desktop] = "C:\\Users\\Béla\\Desktop";
        links.folders[KnownFolder::StartMenu] = "C:\\Users\\Béla\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu";
    }
};

TEST_F(ShortcutFixture, PlainAndCleaningShortcutsStandSideBySide) {
    ASSERT_TRUE(integration::CreateShortCut(links, ui, kExe, ShortcutPlace::Desktop, false));
    ASSERT_TRUE(integration::CreateShortCut(links, ui, kExe, ShortcutPlace::Desktop, true));
    ASSERT_TRUE(integration::CreateShortCut(links, ui, kExe, ShortcutPlace::Desktop, true));
    EXPECT_EQ(links.files().size(), 2u);

    const auto plain = links.read("C:\\Users\\Béla\\Desktop\\Kefeló.lnk");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->target, kExe);
    EXPECT_EQ(plain->arguments, "");
    EXPECT_EQ(plain->workingDirectory, "C:\\Program Files\\Kefeló\\");
    EXPECT_EQ(plain->description, "Kefeló - A merevlemezterület karbantartója");
    const auto cleaning = links.read("C:\\Users\\Béla\\Desktop\\Kefeló - Takarítás.lnk");
    ASSERT_TRUE(cleaning);
    EXPECT_EQ(cleaning->arguments, "/autorun");
    EXPECT_TRUE(ui.messages.empty()) << "success is not announced";

    integration::CreateShortCut(links, ui, kExe, ShortcutPlace::StartMenu, false);
    EXPECT_TRUE(links.read("C:\\Users\\Béla\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Kefeló.lnk"));
}

TEST_F(ShortcutFixture, AnUnknownFolderOrAFailedSaveIsTold) {
    links.folders.erase(KnownFolder::StartMenu);
    EXPECT_FALSE(integration::CreateShortCut(links, ui, kExe, ShortcutPlace::StartMenu, false));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Error);
    EXPECT_NE(ui.messages[0].text.find("Start menü"), std::string::npos);

    links.acceptCreate = false;
    EXPECT_FALSE(integration::CreateShortCut(links, ui, kExe, ShortcutPlace::Desktop, true));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_NE(ui.messages[1].text.find("C:\\Users\\Béla\\Desktop\\Kefeló - Takarítás.lnk"), std::string::npos);
    EXPECT_TRUE(links.files().empty());
}

TEST_F(ShortcutFixture, RemovalTakesOnlyShortcutsToThisProgram) {
    integration::CreateShortCut(links, ui, kExe, ShortcutPlace::Desktop, false);
    integration::CreateShortCut(links, ui, kExe, ShortcutPlace::StartMenu, true);
    // A shortcut of the same name that the user pointed elsewhere.
    links.create("C:\\Users\\Béla\\Desktop\\Kefeló - Takarítás.lnk", {"D:\\Other\\kefelo.exe", "", "", ""});
    EXPECT_TRUE(integration::removeShortcuts(links, "c:\\program files\\KEFELÓ\\kefelo.exe").empty());
    ASSERT_EQ(links.files().size(), 1u);
    EXPECT_EQ(links.files().begin()->second.target, "D:\\Other\\kefelo.exe");
}

}  // namespace
