#include "core/cleaning/cleaning_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/cleaning/run_fixture.h"
#include "core/app/busy_guard.h"
#include "base/time/datetime.h"

using namespace kefelo;
using cleaning::LogColour;
using cleaningtest::kNow;
using config::Mark;
using Lines = std::vector<std::string>;
namespace attr = platform::attr;

namespace {

class CleaningRunTest : public cleaningtest::RunTest {};

// Everything from the end of the container phase on, for a run that freed `freed` bytes
// in `files` files and could not delete anything.
Lines cleanEnd(const std::string& freed, const std::string& files) {
    return {" ",
            std::string(kNow) + " > A takarítási folyamat véget ért.",
            " ",
            "Összegzés:",
            " - Felszabadított lemezterület mérete: " + freed + " bájt.",
            " - Törölt állományok száma: " + files + " db."};
}

Lines concat(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(CleaningRunTest, ContainerPhaseEmptiesNestedFoldersAndLogsEveryEntryInOrder) {
    fs.addFileOfSize("C:\\Temp\\a.tmp", 100);
    fs.addFileOfSize("C:\\Temp\\ro.tmp", 2000, attr::kReadOnly);
    fs.addFileOfSize("C:\\Temp\\keep.dat", 50);
    fs.addFileOfSize("C:\\Temp\\locked.tmp", 5, attr::kArchive | attr::kHidden);
    fs.setLocked("C:\\Temp\\locked.tmp", true);
    fs.addDirectory("C:\\Temp\\sub", attr::kDirectory | attr::kHidden);
    fs.addFileOfSize("C:\\Temp\\sub\\b.tmp", 1234567);
    fs.addFileOfSize("C:\\Temp\\sub\\deeper\\c.tmp", 10, attr::kHidden | attr::kSystem);
    fs.addDirectory("C:\\Temp\\sub\\empty", attr::kDirectory | attr::kReadOnly);
    fs.addFileOfSize("C:\\Temp\\sub\\locked2.tmp", 7, attr::kReadOnly | attr::kHidden);
    fs.setLocked("C:\\Temp\\sub\\locked2.tmp", true);
    fs.addFileOfSize("C:\\Inactive\\x.tmp", 1);
    addContainer("C:\\Temp");
    addContainer("C:\\Inactive", Mark::Inactive);
    addContainer("C:\\Gone");  // missing: loses its mark, never reported

    run->button_begincleanClick();

    const Lines expected = concat(
        {std::string(kNow) + " > Könyvtárürítés indítása:",
         " ",
         "C:\\Temp ürítése:",
         "C:\\Temp\\a.tmp  (100 bájt )",
         "C:\\Temp\\ro.tmp  (2.000 bájt )",
         " ! C:\\Temp\\locked.tmp  (5 bájt )",
         "C:\\Temp\\sub\\b.tmp  (1.234.567 bájt )",
         "C:\\Temp\\sub\\deeper\\c.tmp  (10 bájt )",
         "(C:\\Temp\\sub\\deeper könyvtár eltávolítva.)",
         "(C:\\Temp\\sub\\empty könyvtár eltávolítva.)",
         " ! C:\\Temp\\sub\\locked2.tmp  (7 bájt )",
         "C:\\Temp ürítése nincs kész! (pl.: mert védett vagy törölhetetlen állomány(oka)t tartalmaz)",
         " ",
         std::string(kNow) + " > könyvtárürítés kész. Felszabadítva: 1.236.677 bájt.",
         " "},
        concat(cleanEnd("1.236.677", "4"), {"  2 állományt pillanatnyilag nem sikerült törölni:",
                                            "  C:\\Temp\\locked.tmp  (5 bájt )",
                                            "  C:\\Temp\\sub\\locked2.tmp  (7 bájt )"}));
    // The batch note comes after the save, so only the report holds it.
    EXPECT_EQ(fileLines(dir + "utolso.log"), expected);
    EXPECT_EQ(logLines(), concat(expected, {"", "  (A nem törölhető állományok hivatkozásai bekerültek az "
                                                "\"autodel.bat\" állományba!)"}));
    EXPECT_EQ(host.shownLog, record.log.text());
    EXPECT_EQ(colourOf("C:\\Temp\\ro.tmp"), LogColour::Navy);
    EXPECT_EQ(colourOf(" ! C:\\Temp\\locked.tmp"), LogColour::Red);

    EXPECT_EQ(fs.namesIn("C:\\Temp"), (Lines{"keep.dat", "locked.tmp", "sub"}));
    EXPECT_EQ(fs.namesIn("C:\\Temp\\sub"), (Lines{"locked2.tmp"}));
    EXPECT_TRUE(fs.exists("C:\\Inactive\\x.tmp"));
    // What could not go keeps its attributes, at every depth.
    EXPECT_EQ(attributesOf("C:\\Temp\\locked.tmp"), attr::kArchive | attr::kHidden);
    EXPECT_EQ(attributesOf("C:\\Temp\\sub\\locked2.tmp"), attr::kReadOnly | attr::kHidden);
    EXPECT_EQ(attributesOf("C:\\Temp\\sub"), attr::kDirectory | attr::kHidden);

    const Lines batch = fileLines(dir + "autodel.bat");
    EXPECT_NE(std::find(batch.begin(), batch.end(), "del \"C:\\Temp\\locked.tmp\""), batch.end());
    EXPECT_NE(std::find(batch.begin(), batch.end(), "del \"C:\\Temp\\sub\\locked2.tmp\""), batch.end());
    EXPECT_TRUE(host.autodelEnabled);
    EXPECT_EQ(config.list_temps.rows[2].mark, Mark::None);
    EXPECT_EQ(config.list_temps.rows[2].modified, "0");
    EXPECT_EQ(config.lastCleaning, 46364.0);
}

TEST_F(CleaningRunTest, EmptySubFoldersFollowTheOptions) {
    fs.addDirectory("C:\\Temp\\one\\two");
    fs.addFileOfSize("C:\\Temp\\f.tmp", 3);
    addContainer("C:\\Temp");

    config.check_deleteemptyfolder = false;
    run->button_begincleanClick();
    EXPECT_TRUE(fs.exists("C:\\Temp\\one\\two"));
    EXPECT_EQ(logLines()[3], "C:\\Temp\\f.tmp  (3 bájt )");
    EXPECT_EQ(logLines()[4], "C:\\Temp ürítése nincs kész! (pl.: mert védett vagy törölhetetlen állomány(oka)t "
                             "tartalmaz)");

    // Removed without a word when the messages are off; the container itself stays.
    config.check_deleteemptyfolder = true;
    config.check_viewalerts = false;
    run->button_begincleanClick();
    EXPECT_FALSE(fs.exists("C:\\Temp\\one"));
    EXPECT_TRUE(fs.exists("C:\\Temp"));
    EXPECT_EQ(logLines()[3], "C:\\Temp ürítése kész.");
}

TEST_F(CleaningRunTest, NeverReachesThroughALinkAndCountsBeyond32Bits) {
    fs.addDirectory("C:\\Temp\\link", attr::kDirectory | attr::kReparsePoint);
    fs.addFile("C:\\Temp\\link\\precious.doc", "mine");
    fs.addFileOfSize("C:\\Temp\\big.tmp", 3000000000ULL);
    addContainer("C:\\Temp");

    run->button_begincleanClick();

    EXPECT_TRUE(fs.exists("C:\\Temp\\link\\precious.doc"));
    EXPECT_EQ(logLines()[3], "C:\\Temp\\big.tmp  (3.000.000.000 bájt )");
    EXPECT_EQ(logLines()[6], std::string(kNow) + " > könyvtárürítés kész. Felszabadítva: 3.000.000.000 bájt.");
}

// Short names are off on this volume except where set: a name the batch cannot write
// is written in its 8.3 form, or not at all and the log says so. An accented name is
// written as it is, the batch being read in its own code page.
TEST_F(CleaningRunTest, EveryBatchLineNamesExactlyItsOwnFile) {
    const std::string temp = "C:\\Temp & 100%";
    const Lines names = {"a b.tmp", "a&b.tmp",    "x%PATH%y.tmp", "c^d!.tmp",
                         "(1).tmp", "tűz ár.tmp", "日本.tmp",     "中.tmp"};
    for (const std::string& name : names) {
        fs.addFileOfSize(temp + "\\" + name, 1);
        fs.setLocked(temp + "\\" + name, true);
    }
    fs.setShortName(temp + "\\日本.tmp", "0F2A~1.TMP");
    fs.addFileOfSize("C:\\Ω\\a.tmp", 1);
    fs.setLocked("C:\\Ω\\a.tmp", true);
    fs.setShortName("C:\\Ω", "OMEGA~1");
    fs.addFileOfSize("C:\\Work\\中.bak", 2);
    fs.setLocked("C:\\Work\\中.bak", true);
    addContainer(temp);
    addContainer("C:\\Ω");
    addTask("C:\\Work", "*.BAK");

    run->button_begincleanClick();

    const Lines batch = fileLines(dir + "autodel.bat");
    ASSERT_EQ(batch.size(), 7u + 12u + 8u + 6u + 1u);
    const Lines deletes(batch.begin() + 19, batch.end() - 7);
    EXPECT_EQ(deletes, (Lines{"del \"C:\\Temp & 100%%\\a b.tmp\"", "del \"C:\\Temp & 100%%\\a&b.tmp\"",
                              "del \"C:\\Temp & 100%%\\x%%PATH%%y.tmp\"", "del \"C:\\Temp & 100%%\\c^d!.tmp\"",
                              "del \"C:\\Temp & 100%%\\(1).tmp\"", "del \"C:\\Temp & 100%%\\tűz ár.tmp\"",
                              "del \"C:\\Temp & 100%%\\0F2A~1.TMP\"", "del \"C:\\OMEGA~1\\a.tmp\""}));
    const std::string byHand = " neve nem írható be az \"autodel.bat\" állományba, ezért kézzel kell törölni!";
    const Lines log = logLines();
    const auto after = [&](const std::string& line) {
        auto it = std::find(log.begin(), log.end(), line);
        return it == log.end() || it + 1 == log.end() ? std::string("<none>") : *(it + 1);
    };
    EXPECT_EQ(after(" ! " + temp + "\\中.tmp  (1 bájt )"), " ! A(z) " + temp + "\\中.tmp" + byHand);
    EXPECT_EQ(after(" ! C:\\Work\\中.bak  (2 bájt)"), " ! A(z) C:\\Work\\中.bak" + byHand);
    EXPECT_EQ(colourOf(" ! A(z) C:\\Work"), LogColour::Red);
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [&](const std::string& l) { return l.ends_with(byHand); }), 2);
    // Still undeletable files like any other.
    EXPECT_EQ(record.undeletable.size(), names.size() + 2);
}

// What a run writes down is the run's business, not the page on screen.
TEST_F(CleaningRunTest, ATabSwitchDuringARunLosesNothing) {
    fs.addFileOfSize("C:\\Temp\\a.tmp", 10);
    fs.addFileOfSize("C:\\Temp\\locked.tmp", 1);
    fs.setLocked("C:\\Temp\\locked.tmp", true);
    fs.addFileOfSize("C:\\Temp\\sub\\b.tmp", 100);
    fs.addFileOfSize("C:\\Temp\\sub\\locked2.tmp", 2);
    fs.setLocked("C:\\Temp\\sub\\locked2.tmp", true);
    addContainer("C:\\Temp");
    ui.onPump = [this] { host.page = 2; };

    run->button_begincleanClick();

    EXPECT_EQ(record.undeletable,
              (Lines{"  C:\\Temp\\locked.tmp  (1 bájt )", "  C:\\Temp\\sub\\locked2.tmp  (2 bájt )"}));
    const Lines log = logLines();
    const auto logged = [&](const std::string& line) { return std::find(log.begin(), log.end(), line) != log.end(); };
    EXPECT_TRUE(logged("C:\\Temp\\sub\\b.tmp  (100 bájt )"));
    EXPECT_TRUE(logged(" - Felszabadított lemezterület mérete: 110 bájt."));
    EXPECT_TRUE(logged(" - Törölt állományok száma: 2 db."));
    const Lines batch = fileLines(dir + "autodel.bat");
    EXPECT_EQ(std::count_if(batch.begin(), batch.end(),
                            [](const std::string& l) { return l.starts_with("del \"C:\\Temp\\"); }),
              2);
}

TEST_F(CleaningRunTest, TasksRunInGridOrderWithColoursByAttribute) {
    fs.addFileOfSize("C:\\Work\\a.bak", 10);
    fs.addFileOfSize("C:\\Work\\r.bak", 20, attr::kReadOnly);
    fs.addFileOfSize("C:\\Work\\h.old", 30, attr::kHidden | attr::kSystem);
    fs.addFileOfSize("C:\\Work\\s.bak", 40, attr::kSystem);
    fs.addFileOfSize("C:\\Work\\keep.dat", 1);
    fs.addFileOfSize("C:\\Work\\x.bak", 50, attr::kHidden);
    fs.setLocked("C:\\Work\\x.bak", true);
    fs.addFileOfSize("C:\\Work\\note.txt", 5);
    fs.addFileOfSize("C:\\Skipped\\y.bak", 5);
    fs.addFileOfSize("C:\\z.tmp", 1000);
    addTask("C:\\Work", "*.BAK|*.OLD|*.DAT");
    addTask("C:\\Skipped", "*.BAK", Mark::Inactive);
    addTask("C:\\", "*.TMP");

    run->button_begincleanClick();

    const Lines expected = concat(
        {std::string(kNow) + " > A feladatok végrehajtása:",
         " ",
         "C:\\Work könyvtárban \"*.BAK|*.OLD|*.DAT\" szűrővel:",
         "C:\\Work\\a.bak (10 bájt )",
         "C:\\Work\\r.bak (20 bájt )",
         "C:\\Work\\h.old (30 bájt )",
         "C:\\Work\\s.bak (40 bájt )",
         " ! C:\\Work\\x.bak  (50 bájt)",
         "C:\\Work könyvtárban \"*.BAK|*.OLD|*.DAT\" szűrővel befejeződött.",
         "Ezzel felszabadítva: 100 bájt.",
         " ",
         "C:\\ meghajtón \"*.TMP\" szűrővel:",
         "C:\\z.tmp (1.000 bájt )",
         "C:\\ meghajtón \"*.TMP\" szűrővel befejeződött.",
         "Ezzel felszabadítva: 1.000 bájt.",
         " ",
         "A feladatok végrehajtása befejeződött.",
         " ",
         std::string(kNow) + " > A takarítási folyamat véget ért.",
         " ",
         "Összegzés:",
         " - Felszabadított lemezterület mérete: 1.100 bájt.",
         " - Törölt állományok száma: 5 db.",
         "  1 állományt pillanatnyilag nem sikerült törölni:",
         "  C:\\Work\\x.bak  (50 bájt)"},
        {});
    EXPECT_EQ(fileLines(dir + "utolso.log"), expected);
    EXPECT_EQ(colourOf("C:\\Work\\a.bak"), LogColour::Navy);
    EXPECT_EQ(colourOf("C:\\Work\\r.bak"), LogColour::Blue);
    EXPECT_EQ(colourOf("C:\\Work\\h.old"), LogColour::Maroon);
    EXPECT_EQ(colourOf("C:\\Work\\s.bak"), LogColour::Yellow);
    EXPECT_EQ(colourOf(" ! C:\\Work\\x.bak"), LogColour::Red);
    EXPECT_EQ(attributesOf("C:\\Work\\x.bak"), attr::kHidden);
    EXPECT_TRUE(fs.exists("C:\\Work\\keep.dat"));
    EXPECT_TRUE(fs.exists("C:\\Skipped\\y.bak"));
    EXPECT_EQ(host.currentTaskRows, (std::vector<int>{0, 2}));
    EXPECT_EQ(run->taskDeletedPaths(), (Lines{"C:\\z.tmp"}));
    EXPECT_EQ(Search.Tag, app::Activity::Idle);
}

TEST_F(CleaningRunTest, ATaskWithABadMaskMatchesNothingAndTheRunGoesOn) {
    fs.addFileOfSize("C:\\Work\\a.bak", 10);
    addTask("C:\\Work", "[");
    addTask("C:\\Work", "*.BAK");

    run->button_begincleanClick();

    EXPECT_FALSE(fs.exists("C:\\Work\\a.bak"));
    EXPECT_EQ(fileLines(dir + "utolso.log")[3], "C:\\Work könyvtárban \"[\" szűrővel befejeződött.");
    EXPECT_FALSE(run->running());
    EXPECT_EQ(host.trayCleanCaption, "Takarítás");
}

TEST_F(CleaningRunTest, HaltInsideAContainerStopsAtOnceAndSummarisesWhatWasFreed) {
    fs.addFileOfSize("C:\\Temp\\a.tmp", 100);
    fs.addFileOfSize("C:\\Temp\\b.tmp", 200);
    fs.addFileOfSize("C:\\Temp\\c.tmp", 300);
    fs.addFileOfSize("C:\\Work\\w.bak", 1);
    addContainer("C:\\Temp");
    addTask("C:\\Work", "*.BAK");
    haltWhen([this] { return host.lastPath == "C:\\Temp\\b.tmp"; });

    run->button_begincleanClick();

    EXPECT_EQ(logLines(), (Lines{std::string(kNow) + " > Könyvtárürítés indítása:",
                                 " ",
                                 "C:\\Temp ürítése:",
                                 "C:\\Temp\\a.tmp  (100 bájt )",
                                 " ",
                                 "A feladatok végrehajtása megszakítva!",
                                 " ",
                                 std::string(kNow) + " > A takarítási folyamat nem fejeződött be!",
                                 " ",
                                 "Összegzés:",
                                 " - Felszabadított lemezterület mérete: 100 bájt.",
                                 " - Törölt állományok száma: 1 db."}));
    EXPECT_EQ(colourOf("nem fejeződött be!"), LogColour::Red);
    EXPECT_TRUE(fs.exists("C:\\Temp\\b.tmp"));
    EXPECT_TRUE(fs.exists("C:\\Work\\w.bak"));
    EXPECT_EQ(config.lastCleaning, 0.0);
    EXPECT_EQ(host.reportCaption, " A   v é g r e h a j t á s   m e g s z a k í t v a !  ");
    EXPECT_EQ(host.status, " A Takarítási folyamat megszakítva!");
    EXPECT_EQ(host.trayHint, "Kefeló v3.2.1.0");
    EXPECT_EQ(host.trayCleanCaption, "Takarítás");
    EXPECT_EQ(host.logShownCount, 1);
    EXPECT_EQ(Search.Tag, app::Activity::Idle);
}

TEST_F(CleaningRunTest, HaltDeepInsideAContainerLeavesTheRestOfTheTree) {
    fs.addFileOfSize("C:\\Temp\\sub\\deeper\\c.tmp", 1);
    fs.addFileOfSize("C:\\Temp\\sub\\later.tmp", 1);
    addContainer("C:\\Temp");
    haltWhen([this] { return host.lastPath == "C:\\Temp\\sub\\deeper"; });

    run->button_begincleanClick();

    EXPECT_TRUE(fs.exists("C:\\Temp\\sub\\deeper\\c.tmp"));
    EXPECT_TRUE(fs.exists("C:\\Temp\\sub\\later.tmp"));
    EXPECT_EQ(host.logShownCount, 1);
    EXPECT_EQ(logLines().back(), " - Törölt állományok száma: 0 db.");
}

TEST_F(CleaningRunTest, HaltDuringATaskCountsTheContainersOnceAndStopsDeleting) {
    fs.addFileOfSize("C:\\Temp\\t.tmp", 100);
    fs.addFileOfSize("C:\\Work\\a.bak", 10);
    fs.addFileOfSize("C:\\Work\\b.bak", 20);
    fs.addFileOfSize("C:\\Work2\\c.bak", 30);
    addContainer("C:\\Temp");
    addTask("C:\\Work", "*.BAK");
    addTask("C:\\Work2", "*.BAK");
    haltWhen([this] { return !fs.exists("C:\\Work\\a.bak"); });

    run->button_begincleanClick();

    EXPECT_TRUE(fs.exists("C:\\Work\\b.bak"));
    EXPECT_TRUE(fs.exists("C:\\Work2\\c.bak"));
    const Lines lines = logLines();
    const Lines tail(lines.end() - 9, lines.end());
    EXPECT_EQ(tail, (Lines{"C:\\Work\\a.bak (10 bájt )",
                           " ",
                           "A feladatok végrehajtása megszakítva!",
                           " ",
                           std::string(kNow) + " > A takarítási folyamat nem fejeződött be!",
                           " ",
                           "Összegzés:",
                           " - Felszabadított lemezterület mérete: 110 bájt.",
                           " - Törölt állományok száma: 2 db."}));
    EXPECT_EQ(host.logShownCount, 1);
}

TEST_F(CleaningRunTest, HaltWhileTheWalkerSearchesEndsTheRunOnce) {
    fs.addFileOfSize("C:\\Work\\a.bak", 10);
    addTask("C:\\Work", "*.BAK");
    haltWhen([this] { return host.lastPath == "C:\\WORK"; });

    run->button_begincleanClick();

    EXPECT_TRUE(fs.exists("C:\\Work\\a.bak"));
    EXPECT_EQ(host.logShownCount, 1);
    EXPECT_EQ(logLines().back(), " - Törölt állományok száma: 0 db.");
    EXPECT_FALSE(run->running());
}

TEST_F(CleaningRunTest, TrayItemStartsARunAndHaltsItByItsCaption) {
    fs.addFileOfSize("C:\\Temp\\a.tmp", 1);
    fs.addFileOfSize("C:\\Temp\\b.tmp", 1);
    addContainer("C:\\Temp");
    host.page = 2;
    std::string captionDuringRun;
    ui.onPump = [this, &captionDuringRun] {
        if (host.lastPath == "C:\\Temp\\b.tmp" && run->running()) {
            captionDuringRun = host.trayCleanCaption;
            run->menu_traycleanClick();
        }
    };

    run->menu_traycleanClick();

    EXPECT_EQ(captionDuringRun, "Megszakít");
    EXPECT_EQ(host.trayCleanCaption, "Takarítás");
    EXPECT_TRUE(fs.exists("C:\\Temp\\b.tmp"));
    EXPECT_EQ(host.page, 0);
    EXPECT_EQ(host.reportCaption, " A   v é g r e h a j t á s   m e g s z a k í t v a !  ");

    run->button_reportrunendClick();
    EXPECT_EQ(host.cleaningPage, 0);
    EXPECT_TRUE(record.undeletable.empty());
}

TEST_F(CleaningRunTest, StateDuringARunAndAfterIt) {
    fs.addFileOfSize("C:\\Temp\\a.tmp", 1);
    addContainer("C:\\Temp");
    bool seen = false;
    ui.onPump = [this, &seen] {
        if (seen || !run->running()) return;
        seen = true;
        EXPECT_EQ(Search.Tag, app::Activity::Cleaning);
        EXPECT_TRUE(host.blinking);
        EXPECT_EQ(host.blinkTag, 0);
        EXPECT_TRUE(host.centred);
        EXPECT_TRUE(host.reportHaltVisible);
        EXPECT_FALSE(host.reportButtonsVisible);
        EXPECT_FALSE(host.logVisible);
        EXPECT_EQ(host.cleaningPage, 1);
        EXPECT_EQ(host.reportCaption, " A könyvtárak kiürítése és a feladatok végrehajtása folyamatban... ");
        // A second start while this one runs is refused with the busy warning.
        run->button_begincleanClick();
    };

    run->button_begincleanClick();

    ASSERT_TRUE(seen);
    EXPECT_EQ(messageTexts(), (Lines{app::kBusyWarning}));
    EXPECT_FALSE(host.blinking);
    EXPECT_FALSE(host.centred);
    EXPECT_FALSE(host.reportHaltVisible);
    EXPECT_TRUE(host.reportButtonsVisible);
    EXPECT_TRUE(host.logVisible);
    EXPECT_EQ(host.reportCaption, " A   v é g r e h a j t á s   b e f e j e z ő d ö t t .  ");
    EXPECT_EQ(host.status, " A Takarítási folyamat befejeződött");
    EXPECT_EQ(host.statusHistory[0], "Ürítendő Tárolók listájának frissítése");
    EXPECT_EQ(host.statusHistory[1], "Felvett Feladatok listájának frissítése");
    EXPECT_EQ(host.statusHistory[2], "previous status");
    EXPECT_FALSE(host.autodelEnabled);
    EXPECT_FALSE(fs.exists(dir + "autodel.bat"));
}

TEST_F(CleaningRunTest, NothingActiveTellsTheUserOutsideTheAutomaticModes) {
    fs.addFile(dir + "utolso.log", "old");
    addContainer("C:\\Temp", Mark::Inactive);
    fs.addDirectory("C:\\Temp");

    run->button_begincleanClick();
    EXPECT_EQ(messageTexts(), (Lines{"Nem jelölt ki egy Ürítendő könyvtárat és egy Feladatot sem!"}));
    EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Information);
    EXPECT_EQ(fs.content(dir + "utolso.log"), "old");
    EXPECT_EQ(host.cleaningPage, 0);
    EXPECT_EQ(config.lastCleaning, 0.0);

    // In "/a" mode the run goes straight to its end step.
    rebuild({"/a"});
    ui.messages.clear();
    run->button_begincleanClick();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(fileLines(dir + "utolso.log"), cleanEnd("0", "0"));
    EXPECT_EQ(config.lastCleaning, 46364.0);
}

TEST_F(CleaningRunTest, LeftoversOfThePreviousRunAreDeletedOrWarnedAbout) {
    fs.addFile(dir + "utolso.log", "old");
    fs.setLocked(dir + "utolso.log", true);
    fs.addFile(dir + "autodel.bat", "old", attr::kReadOnly);
    addContainer("C:\\Temp");
    fs.addDirectory("C:\\Temp");

    run->button_begincleanClick();

    EXPECT_FALSE(fs.exists(dir + "autodel.bat"));
    EXPECT_EQ(messageTexts(), (Lines{"Nem sikerült az előző Takarítási naplót törölni!",
                                     "A Takarítási napló automatikus elmentése nem sikerült!"}));

    // Without the optional messages, and in an automatic mode, nothing is said.
    config.check_viewalerts = false;
    rebuild({"/autorun"});
    ui.messages.clear();
    run->button_begincleanClick();
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CleaningRunTest, SplashFollowsTheEntriesInTheAutomaticModes) {
    fs.addFileOfSize("C:\\Temp\\file.tmp", 1);
    fs.addFileOfSize("C:\\Temp\\Long Folder\\x.tmp", 1);
    fs.setShortName("C:\\Temp\\Long Folder", "LONGFO~1");
    addContainer("C:\\Temp");
    using Splash = std::vector<std::pair<std::string, std::string>>;

    rebuild({"/autorun"});
    run->button_begincleanClick();
    EXPECT_EQ(host.splashPaths, (Splash{{"C:\\Temp\\file.tmp", "C:\\Temp\\file.tmp"},
                                        {"C:\\Temp\\LONGFO~1", "C:\\Temp\\Long Folder"}}));

    fs.addFileOfSize("C:\\Temp\\file.tmp", 1);
    fs.addFileOfSize("C:\\Temp\\Long Folder\\x.tmp", 1);
    fs.setShortName("C:\\Temp\\Long Folder", "LONGFO~1");
    host.splashPaths.clear();
    rebuild({"/a"});
    run->button_begincleanClick();
    EXPECT_EQ(host.splashPaths, (Splash{{"C:\\Temp\\LONGFO~1", "C:\\Temp\\Long Folder"}}));
}

TEST_F(CleaningRunTest, ListRefreshRevivesAndLosesMarks) {
    fs.addDirectory("C:\\Back", attr::kDirectory, timeutil::toFileTime(timeutil::toDateTime({2025, 3, 14, 9, 0, 0, 0})));
    addContainer("C:\\Back", Mark::None);
    addContainer("C:\\Gone", Mark::Inactive);
    addTask("C:\\", "*.TMP", Mark::None);
    addTask("C:\\Gone", "*.TMP", Mark::Active);

    run->button_begincleanClick();

    EXPECT_EQ(config.list_temps.rows[0].mark, Mark::Inactive);
    EXPECT_EQ(config.list_temps.rows[0].modified, "2025. 03. 14.");
    EXPECT_EQ(config.list_temps.rows[1].mark, Mark::None);
    EXPECT_EQ(config.list_temps.rows[1].modified, "0");
    EXPECT_EQ(config.list_projects.rows[0].mark, Mark::Inactive);
    EXPECT_EQ(config.list_projects.rows[1].mark, Mark::None);
}

// --- the end of a run by mode ---

class RunEndTest : public CleaningRunTest {
protected:
    void SetUp() override {
        fs.addFileOfSize("C:\\Temp\\a.tmp", 1234);
        addContainer("C:\\Temp");
    }
    void runHidden(std::vector<std::string> params) {
        rebuild(std::move(params));
        host.visible = false;
        run->button_begincleanClick();
    }
};

TEST_F(RunEndTest, VisibleWindowWithoutSwitch) {
    run->button_begincleanClick();
    EXPECT_EQ(host.events, (Lines{"focus", "beep", "popUp", "searchVege"}));
    EXPECT_TRUE(host.balloons.empty());
    EXPECT_TRUE(ui.messages.empty());

    config.check_beep = false;
    host.events.clear();
    run->button_begincleanClick();
    EXPECT_EQ(host.events, (Lines{"focus", "popUp", "searchVege"}));
}

TEST_F(RunEndTest, HiddenOnTheNtFamilyShowsABalloon) {
    runHidden({});
    ASSERT_EQ(host.balloons.size(), 1u);
    EXPECT_EQ(host.balloons[0].first, "Kefeló v3.2.1.0 program - A takarítási folyamat befejeződött!");
    EXPECT_EQ(host.balloons[0].second,
              "A nyert terület mérete: 1.234 bájt.\r\nKattintson ide a Takarítási napló megtekintéshez.");
    // Hidden at the start: no beep, no focus.
    EXPECT_EQ(host.events, (Lines{"popUp", "searchVege"}));
}

TEST_F(RunEndTest, HaltedWhileHiddenSaysSoInTheBalloon) {
    fs.addFileOfSize("C:\\Temp\\b.tmp", 1);
    haltWhen([this] { return host.lastPath == "C:\\Temp\\b.tmp"; });
    runHidden({"/autorun"});
    ASSERT_EQ(host.balloons.size(), 1u);
    EXPECT_EQ(host.balloons[0].first, "Kefeló v3.2.1.0 program - A takarítási folyamat megszakítva!");
    EXPECT_EQ(host.balloons[0].second,
              "Az eddig nyert terület mérete: 1.234 bájt.\r\nKattintson ide a Takarítási napló megtekintéshez.");
    EXPECT_EQ(config.lastCleaning, 0.0);
}

TEST_F(RunEndTest, AutomaticModesHandBackTheirOwnWay) {
    runHidden({"/a"});
    EXPECT_EQ(host.events, (Lines{"popUp", "taskbar", "trayIcon", "hideSplash"}));

    config.check_quitprogramwhenautorundone = true;
    host.events.clear();
    runHidden({"/a"});
    EXPECT_EQ(host.events, (Lines{"taskbar", "trayIcon", "hideSplash"}));

    host.events.clear();
    runHidden({"/autorun"});
    EXPECT_EQ(host.events, (Lines{"hideSplash"}));
    EXPECT_EQ(host.balloons.size(), 3u);
    EXPECT_EQ(config.lastCleaning, 46364.0);
}

TEST_F(RunEndTest, Windows9xAsksAndQuitsOnlyAfterTheRunIsStored) {
    sys.platform = 1;
    config.check_quitprogramwhenautorundone = true;
    ui.answers = {platform::Answer::No};
    double dateAtQuit = -1;
    bool logAtQuit = false;
    host.onQuit = [&] {
        dateAtQuit = config.lastCleaning;
        logAtQuit = fs.exists(dir + "utolso.log");
    };
    host.cleaningPage = 1;

    runHidden({"/a"});

    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Information);
    EXPECT_EQ(ui.messages[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(ui.messages[0].text,
              "A Kefeló v3.2.1.0 program takarítási folyamata befejeződött!\r\n\r\n"
              "A nyert terület mérete: 1.234 bájt.\r\n\r\nSzeretné megtekinteni a Takarítási naplót?");
    EXPECT_TRUE(host.balloons.empty());
    EXPECT_EQ(host.cleaningPage, 0);
    EXPECT_EQ(host.events.back(), "quit");
    EXPECT_EQ(dateAtQuit, 46364.0);
    EXPECT_TRUE(logAtQuit);

    ui.answers = {platform::Answer::Yes};
    host.events.clear();
    runHidden({"/a"});
    EXPECT_EQ(host.events, (Lines{"restore", "taskbar", "trayIcon", "hideSplash"}));
}

}  // namespace

namespace {

// The lists change under a running run (a task removed, another added and ticked, a
// container added): the run does the work it started with and nothing else.
TEST_F(CleaningRunTest, TheRunWorksOnTheListsAsTheyStoodAtItsStart) {
    fs.addFileOfSize("C:\\Box\\c.tmp", 1);
    fs.addFileOfSize("C:\\Late\\l.tmp", 1);
    fs.addFileOfSize("C:\\A\\a1.tmp", 1);
    fs.addFileOfSize("C:\\A\\a2.tmp", 1);
    fs.addFileOfSize("C:\\B\\b.tmp", 1);
    fs.addFileOfSize("C:\\New\\n.tmp", 1);
    addContainer("C:\\Box");
    addTask("C:\\A", "*.tmp");
    addTask("C:\\B", "*.tmp");
    bool edited = false;
    ui.onPump = [&] {
        if (edited || fs.exists("C:\\A\\a1.tmp")) return;
        edited = true;
        config.list_projects.rows = {{Mark::Active, "C:\\New", "*.tmp"}};
        addContainer("C:\\Late");
    };
    run->button_begincleanClick();

    ASSERT_TRUE(edited);
    EXPECT_FALSE(fs.exists("C:\\Box\\c.tmp"));
    EXPECT_FALSE(fs.exists("C:\\A\\a2.tmp"));
    EXPECT_FALSE(fs.exists("C:\\B\\b.tmp"));
    EXPECT_TRUE(fs.exists("C:\\New\\n.tmp"));
    EXPECT_TRUE(fs.exists("C:\\Late\\l.tmp"));
    EXPECT_FALSE(run->running());
}

}  // namespace
