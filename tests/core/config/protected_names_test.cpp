#include "core/config/protected_names.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"

using namespace kefelo;
using config::ProtectedNames;
using platform::Answer;
using platform::Buttons;
using platform::MessageKind;
using V = std::vector<std::string>;

namespace {

const std::string kAlreadyProtected = "A megadott állománynév már szerepel a védettek között!";
const std::string kPrompt = "Kérem a védett állomány nevét és kiterjesztését!\r\n(pl.: data.bak)";

std::string officeText(const std::string& name, const std::string& last) {
    return "Egy, a kijelölt nevű állományt (\"" + name +
           "\") használ az Office programcsomag is. Ha ezt az állományt fizikailag törli elképzelhető, hogy az "
           "Office programok nem fognak helyesen működni!\r\nErősen ajánlott, hogy a kijelölt nevet megtartsa a "
           "védett állományok között!\r\n\r\n" +
           last;
}

class ProtectedNamesTest : public ::testing::Test, protected platform::fake::FakePlatform {
protected:
    config::ListBox list{{"data.bak", "opa11.bak", "readme.txt"}, -1};
    ProtectedNames names{list, ui};

    void expectMessage(size_t index, MessageKind kind, Buttons buttons, const std::string& text) {
        ASSERT_LT(index, ui.messages.size());
        EXPECT_EQ(ui.messages[index].kind, kind) << index;
        EXPECT_EQ(ui.messages[index].buttons, buttons) << index;
        EXPECT_EQ(ui.messages[index].text, text) << index;
    }
};

}  // namespace

TEST(ProtectionTest, ComparesWholeBareNamesWithoutCase) {
    const V list{"data.bak", "*.bak", "ősz.txt"};
    config::ProtectionTest isProtected(list);
    for (const char* name : {"DATA.BAK", "data.bak", "*.BAK", "ŐSZ.TXT"}) {
        EXPECT_TRUE(isProtected(name)) << name;
        EXPECT_TRUE(config::isProtected(list, name)) << name;
    }
    for (const char* name : {"x.bak", "data.bak.old", "adata.bak", "osz.txt", "", "C:\\dir\\data.bak"}) {
        EXPECT_FALSE(isProtected(name)) << name;
        EXPECT_FALSE(config::isProtected(list, name)) << name;
    }
    EXPECT_FALSE(config::ProtectionTest({})("data.bak"));

    EXPECT_EQ(config::bareName("C:\\Dokumentumok\\Data.Bak"), "Data.Bak");
    EXPECT_EQ(config::bareName("C:/x/readme.txt"), "readme.txt");
    EXPECT_EQ(config::bareName("D:file.txt"), "file.txt");
    EXPECT_EQ(config::bareName("C:\\dir\\"), "");
    EXPECT_EQ(config::bareName("plain"), "plain");
}

TEST_F(ProtectedNamesTest, SelectingAFileAddsItsBareNameOnce) {
    names.select("C:\\Program Files\\App\\Settings.INI", true);
    EXPECT_EQ(names.list_protectfiles.items.back(), "Settings.INI");
    names.select("D:\\other\\SETTINGS.ini", false);
    EXPECT_TRUE(ui.messages.empty());
    names.select("D:\\other\\SETTINGS.ini", true);
    expectMessage(0, MessageKind::Information, Buttons::Ok, kAlreadyProtected);
    names.select(std::nullopt, true);
    names.select("C:\\dir\\", true);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(names.list_protectfiles.items.size(), 4u);

    // The dialog opens in the program directory; a cancelled one adds nothing.
    ui.openFiles = {"C:\\Munka\\Jegyzet.TXT", std::nullopt};
    names.selectFile("C:\\Kefeló\\", true);
    names.selectFile("C:\\Kefeló\\", true);
    ASSERT_EQ(ui.openFileRequests.size(), 2u);
    EXPECT_EQ(ui.openFileRequests[0].title, "Új védett állomány megkeresése");
    EXPECT_EQ(ui.openFileRequests[0].startDir, "C:\\Kefeló\\");
    EXPECT_EQ(names.list_protectfiles.items, (V{"data.bak", "opa11.bak", "readme.txt", "Settings.INI", "Jegyzet.TXT"}));
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(ProtectedNamesTest, EnteringADuplicateOffersAnotherTry) {
    ui.inputs = {"README.TXT", "notes.txt"};
    ui.answers = {Answer::Yes};
    names.enter(config::ScreenPoint{120, 80});
    ASSERT_EQ(ui.inputRequests.size(), 2u);
    for (const auto& request : ui.inputRequests) {
        EXPECT_EQ(request.caption, "Új védett állomány megadása");
        EXPECT_EQ(request.prompt, kPrompt);
        EXPECT_EQ(request.initial, "");
        EXPECT_EQ(request.x, 120);
        EXPECT_EQ(request.y, 80);
    }
    expectMessage(0, MessageKind::Confirmation, Buttons::YesNo,
                  kAlreadyProtected + "\r\n\r\nSzeretne egy másik nevet megadni?");
    EXPECT_EQ(names.list_protectfiles.items.back(), "notes.txt");

    ui.inputs = {"Notes.TXT"};
    ui.answers = {Answer::No};
    names.enter(std::nullopt);
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.inputRequests.size(), 3u);
    ui.inputs = {""};
    names.enter(std::nullopt);
    names.enter(std::nullopt);  // cancelled
    EXPECT_EQ(names.list_protectfiles.items.size(), 4u);
}

TEST_F(ProtectedNamesTest, ClipboardItemFollowsAnExistingFileOnly) {
    fs.addFile("C:\\Temp\\keep.me", "x");
    fs.addDirectory("C:\\Temp\\folder");
    auto& item = names.menuitem_fileprotectaddfromclipboard;

    clipboard.contents = "C:\\Temp\\keep.me\r\nsecond line";
    names.refreshClipboardItem(platform);
    EXPECT_TRUE(item.enabled);
    EXPECT_EQ(item.caption, "keep.me");
    names.addFromClipboard(true);
    EXPECT_EQ(names.list_protectfiles.items.back(), "keep.me");
    names.addFromClipboard(false);
    EXPECT_TRUE(ui.messages.empty());
    names.addFromClipboard(true);
    expectMessage(0, MessageKind::Information, Buttons::Ok, kAlreadyProtected);

    for (const std::optional<std::string>& text :
         {std::optional<std::string>("C:\\Temp\\folder"), std::optional<std::string>("C:\\Temp\\missing.txt"),
          std::optional<std::string>(""), std::optional<std::string>()}) {
        clipboard.contents = text;
        names.refreshClipboardItem(platform);
        EXPECT_FALSE(item.enabled) << text.value_or("<no text>");
        EXPECT_EQ(item.caption, "Vágólapról") << text.value_or("<no text>");
    }
    names.addFromClipboard(true);
    EXPECT_EQ(names.list_protectfiles.items.size(), 4u);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(ProtectedNamesTest, ModifyAsksTheOfficeQuestionOnlyForTheExactName) {
    names.list_protectfiles.selected = 0;
    ui.answers = {Answer::No};
    names.modify();
    expectMessage(0, MessageKind::Confirmation, Buttons::YesNo,
                  officeText("data.bak", "Szeretné mégis módosítani a kijelölt védett állomány-nevet?"));
    EXPECT_TRUE(ui.inputRequests.empty());

    ui.answers = {Answer::Yes};
    ui.inputs = {"Data.Bak"};
    names.modify();
    ASSERT_EQ(ui.inputRequests.size(), 1u);
    EXPECT_EQ(ui.inputRequests[0].caption, "Védett állomány névének módosítása");
    EXPECT_EQ(ui.inputRequests[0].prompt, kPrompt);
    EXPECT_EQ(ui.inputRequests[0].initial, "data.bak");
    EXPECT_FALSE(ui.inputRequests[0].x.has_value());
    // Differs from the selected name only in case: refused.
    expectMessage(2, MessageKind::Information, Buttons::Ok,
                  "Ilyen nevű állomány már szerepel a listában!\r\n\r\nA módosítás sikertelen volt!");
    EXPECT_EQ(names.list_protectfiles.items[0], "data.bak");

    names.list_protectfiles.items[0] = "Data.Bak";
    ui.inputs = {"Data.Bak", std::nullopt, "", "kept.bak"};
    names.modify();
    names.modify();
    names.modify();
    EXPECT_EQ(ui.messages.size(), 3u);
    names.modify();
    EXPECT_EQ(names.list_protectfiles.items, (V{"kept.bak", "opa11.bak", "readme.txt"}));
    EXPECT_EQ(ui.messages.size(), 3u);

    names.list_protectfiles.selected = -1;
    names.modify();
    EXPECT_EQ(ui.inputRequests.size(), 5u);
}

TEST_F(ProtectedNamesTest, RemovingAnOfficeNameAsksTwiceOnTheLowerCasedName) {
    names.list_protectfiles.items[0] = "Data.Bak";
    names.list_protectfiles.selected = 0;
    ui.answers = {Answer::Yes, Answer::No};
    names.remove(true);
    const std::string removeLast =
        "Szeretné mégis eltávolítani a védett állományok listájából a kijelölt nevű állományt?";
    expectMessage(0, MessageKind::Warning, Buttons::YesNo, officeText("data.bak", removeLast));
    expectMessage(1, MessageKind::Warning, Buttons::YesNo,
                  "Teljesen biztos abban, hogy nincs Microsoft Office termék a számítógépén?");
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(names.list_protectfiles.items.size(), 3u);

    ui.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
    names.remove(true);
    expectMessage(4, MessageKind::Confirmation, Buttons::YesNo,
                  "Valóban szeretné eltávolítani a védettek közül ezt a nevet?:\r\ndata.bak");
    EXPECT_EQ(names.list_protectfiles.items, (V{"opa11.bak", "readme.txt"}));
    EXPECT_EQ(names.list_protectfiles.selected, 0);

    ui.answers = {Answer::No};
    names.list_protectfiles.selected = 1;
    names.remove(true);
    expectMessage(5, MessageKind::Confirmation, Buttons::YesNo,
                  "Valóban szeretné eltávolítani a védettek közül ezt a nevet?:\r\nreadme.txt");
    EXPECT_EQ(names.list_protectfiles.items.size(), 2u);
}

TEST_F(ProtectedNamesTest, SelectionAfterRemovalStaysInPlaceOrFallsBackToTheLast) {
    names.list_protectfiles.items = {"a", "b", "c"};
    names.list_protectfiles.selected = 1;
    names.remove(false);
    EXPECT_EQ(names.list_protectfiles.items, (V{"a", "c"}));
    EXPECT_EQ(names.list_protectfiles.selected, 1);
    names.list_protectfiles.items = {"a", "b", "c"};
    names.list_protectfiles.selected = 2;
    names.remove(false);
    EXPECT_EQ(names.list_protectfiles.selected, 1);
    names.list_protectfiles.items = {"only"};
    names.list_protectfiles.selected = 0;
    names.remove(false);
    EXPECT_TRUE(names.list_protectfiles.items.empty());
    EXPECT_EQ(names.list_protectfiles.selected, -1);
    names.remove(true);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ProtectedNamesTest, ResetAsksOnlyWhenThereIsSomethingToLose) {
    names.list_protectfiles.items = {"x.txt"};
    ui.answers = {Answer::No};
    names.reset(true);
    expectMessage(0, MessageKind::Confirmation, Buttons::YesNo,
                  "Valóban törli a lista tartalmát és visszaállítja az alapértelmezett három nevet?");
    EXPECT_EQ(names.list_protectfiles.items, V{"x.txt"});

    names.reset(false);
    EXPECT_EQ(names.list_protectfiles.items, (V{"data.bak", "opa11.bak", "readme.txt"}));
    EXPECT_EQ(names.list_protectfiles.selected, 0);

    names.list_protectfiles.items.clear();
    names.list_protectfiles.selected = -1;
    names.reset(true);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(names.list_protectfiles.items, (V{"data.bak", "opa11.bak", "readme.txt"}));
    EXPECT_EQ(names.list_protectfiles.selected, 0);
}

// "vedettek.lst" is Windows-1250: a name it cannot hold would come back with "?" in it.
TEST_F(ProtectedNamesTest, EveryEntryRefusesANameTheListFileCannotHold) {
    const V defaults = names.list_protectfiles.items;
    const std::string grave = "Crème.bak";  // è is no Windows-1250 letter, é is
    const std::string cyrillic = "Проект.txt";
    const std::string emoji = "kép😀.jpg";
    auto refusal = [](const std::string& name) {
        return "A következő szöveg olyan karaktert tartalmaz, amelyet a program listafájljai nem tudnak tárolni:\r\n" +
               name + "\r\n\r\nKérem, válasszon vagy adjon meg másikat!";
    };

    names.select("C:\\Dokumentumok\\" + grave, true);
    ui.openFiles = {"D:\\" + cyrillic};
    names.selectFile("C:\\Kefeló\\", false);
    fs.addFile("C:\\Temp\\" + emoji, "x");
    clipboard.contents = "C:\\Temp\\" + emoji;
    names.refreshClipboardItem(platform);
    names.addFromClipboard(false);
    ASSERT_EQ(ui.messages.size(), 3u);
    expectMessage(0, MessageKind::Error, Buttons::Ok, refusal(grave));
    expectMessage(1, MessageKind::Error, Buttons::Ok, refusal(cyrillic));
    expectMessage(2, MessageKind::Error, Buttons::Ok, refusal(emoji));
    EXPECT_EQ(names.list_protectfiles.items, defaults);

    // Typed: the box comes back with the refused text to correct it.
    ui.inputs = {grave, "Crémé.bak"};
    names.enter(std::nullopt);
    ASSERT_EQ(ui.inputRequests.size(), 2u);
    EXPECT_EQ(ui.inputRequests[0].initial, "");
    EXPECT_EQ(ui.inputRequests[1].initial, grave);
    expectMessage(3, MessageKind::Error, Buttons::Ok, refusal(grave));
    EXPECT_EQ(names.list_protectfiles.items.back(), "Crémé.bak");

    // Changed: the old name stays.
    names.list_protectfiles.selected = 3;
    ui.inputs = {cyrillic};
    names.modify();
    expectMessage(4, MessageKind::Error, Buttons::Ok, refusal(cyrillic));
    EXPECT_EQ(names.list_protectfiles.items[3], "Crémé.bak");

    // Hungarian accents fit.
    ui.inputs = {"Őszi_űrlap.tmp"};
    names.enter(std::nullopt);
    EXPECT_EQ(names.list_protectfiles.items.back(), "Őszi_űrlap.tmp");
    EXPECT_EQ(ui.messages.size(), 5u);
}
