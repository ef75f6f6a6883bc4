#include "core/search/search_page_model.h"

#include <gtest/gtest.h>

#include "core/app/busy_guard.h"
#include "core/search/search_fixture.h"

using namespace kefelo;
using platform::Buttons;
using platform::MessageKind;
using searchtest::SearchTest;
using Paths = std::vector<std::string>;

namespace {

class SearchPage : public SearchTest {
protected:
    SearchPage() {
        fs.addFile("C:\\Temp\\a.tmp", "12345");
        fs.addFile("C:\\Temp\\sub\\B.TMP", "1");
        fs.addFile("C:\\Temp\\keep.doc", "");
        fs.addFile("C:\\Temp\\DATA.BAK", "");  // a protected name
        fs.addFile("C:\\Temp\\x.bak", "xx");
        tickCategories({0, 1});
    }
};

TEST(SearchTexts, ElapsedTimeIsSecondsWithMillisecondsWithinOneDay) {
    const timeutil::TDateTime start = timeutil::toDateTime({2026, 12, 8, 23, 59, 1, 955});
    EXPECT_EQ(search::elapsedText(start, timeutil::toDateTime({2026, 12, 8, 23, 59, 4, 0})), "2.045");
    EXPECT_EQ(search::elapsedText(start, start), "0.000");
    EXPECT_EQ(search::elapsedText(start, timeutil::toDateTime({2026, 12, 8, 23, 59, 59, 999})), "58.044");
    EXPECT_EQ(search::elapsedText(start, timeutil::toDateTime({2026, 12, 9, 0, 0, 2, 0})), "?");
}

TEST_F(SearchPage, ChecksBeforeTheStartStopWithTheirMessageAndChangeNothing) {
    // Nothing in the type list at all.
    for (auto& c : lists.list_searchcategory.items) c.ticked = false;
    lists.list_searchcategoryClickCheck();
    search("C:\\Temp");
    // Categories ticked, but no type.
    tickCategories({0});
    for (auto& t : lists.list_searchext.items) t.ticked = false;
    search("C:\\Temp");
    // A type, but no usable location.
    lists.list_searchext.items[0].ticked = true;
    search("");
    search("C:\\Nowhere");

    ASSERT_EQ(ui.messages.size(), 4u);
    EXPECT_EQ(messageTexts(),
              (Paths{"A kategória-listából válasszon ki legalább egyet!",
                     "Legalább egy kiterjesztést jelöljön ki a kereséshez!", "Adjon meg egy érvényes keresési helyet!",
                     "Adjon meg egy érvényes keresési helyet!"}));
    for (const auto& m : ui.messages) {
        EXPECT_EQ(m.kind, MessageKind::Information);
        EXPECT_EQ(m.buttons, Buttons::Ok);
    }
    EXPECT_EQ(Search.Tag, app::Activity::Idle);
    EXPECT_EQ(page->pcKereses, search::search_settings);
    EXPECT_EQ(page->button_searchbegin, "Állományok keresése");
    EXPECT_FALSE(view.blinking);
    EXPECT_EQ(config.edit_searchpath.items, Paths{"Tallóz..."});
}

TEST_F(SearchPage, StartWhileBusyOnlyWarnsAndTheSearchGoesOn) {
    int starts = 0;
    ui.onPump = [&] {
        if (Search.Tag == app::Activity::FileSearch && starts++ == 0) {
            page->button_searchbeginClick();
            page->edit_searchpathEnter();
        }
    };
    search("C:\\Temp");
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(ui.messages[0].text, search::kAlreadySearching);
    EXPECT_EQ(page->found.size(), 3u);  // the first search finished normally
    EXPECT_EQ(Search.Tag, app::Activity::Idle);

    // A cleaning run holds the walker: the search refuses with the same warning.
    ui.messages.clear();
    Search.Tag = app::Activity::Cleaning;
    search("C:\\Temp");
    EXPECT_EQ(messageTexts(), Paths{search::kAlreadySearching});
}

TEST_F(SearchPage, WhileSearchingThePageShowsProgress) {
    bool seen = false;
    ui.onPump = [&] {
        if (Search.Tag != app::Activity::FileSearch || seen) return;
        seen = true;
        const search::SearchPageModel& during = *page;
        EXPECT_EQ(during.button_searchbegin, "Keresés leállítása");
        EXPECT_EQ(during.button_searchhalt, "Keresés leállítása");
        EXPECT_EQ(during.pcKereses, search::search_results);
        EXPECT_TRUE(during.progressShown);
        EXPECT_FALSE(during.list_findsShown);
        EXPECT_FALSE(during.list_findsEnabled);
        EXPECT_FALSE(during.group_findselectEnabled);
        EXPECT_FALSE(during.check_autorefreshEnabled);
        EXPECT_FALSE(during.operationButtonsEnabled());
        EXPECT_EQ(during.group_finds, " A  k e r e s é s  f o l y a m a t b a n . . . ");
        EXPECT_EQ(during.group_findsabout, " Gyanús állományok ");
        EXPECT_EQ(during.memo_findfileactualpath, "C:\\TEMP\\");
        EXPECT_EQ(during.label_findsabout, "0 db");
        EXPECT_EQ(view.status, " A keresés folyamatban... Kérem várjon!");
        EXPECT_TRUE(view.centred);
    };
    view.visible = false;
    search("C:\\Temp");
    EXPECT_TRUE(seen);
    EXPECT_EQ(view.blinkTag, 1);
    EXPECT_EQ(progress, (Paths{"C:\\Temp\\", "C:\\Temp\\sub"}));
    EXPECT_EQ(view.trayHint, "Kefeló v3.2.1.0");  // the end puts it back
}

TEST_F(SearchPage, ProgressCountsAreGroupedAndTheTrayTellsTheFolder) {
    for (int i = 0; i < 1200; ++i) fs.addFile("C:\\Big\\f" + std::to_string(i) + ".tmp");
    fs.addFile("C:\\Big\\zz\\last.tmp");
    std::string trayDuring;
    std::string labelDuring;
    ui.onPump = [&] {
        if (Search.Tag == app::Activity::FileSearch) {
            trayDuring = view.trayHint;
            labelDuring = page->label_findsabout;
        }
    };
    search("C:\\Big");
    EXPECT_EQ(labelDuring, "1.200 db");
    EXPECT_EQ(trayDuring,
              "Kefeló v3.2.1.0 - Átmeneti állományok keresése folyamatban...\r\nVizsgált hely:\r\nC:\\Big\\zz");
    EXPECT_EQ(page->label_findsabout, "1201 db\r\n0 bájt");
}

TEST_F(SearchPage, EndListsTheMatchesWithTheirCaptionsAndHints) {
    clock.current = 46364.5;
    ui.onPump = [&] { clock.current += 2.5 / 86400; };
    const int pumpsBefore = ui.pumpCount;
    search("c:\\temp");
    // Folders are spelled as the location was typed, names as the disk has them.
    EXPECT_EQ(foundPaths(), (Paths{"c:\\temp\\a.tmp", "c:\\temp\\sub\\B.TMP", "c:\\temp\\x.bak"}));
    EXPECT_EQ(Search.Tag, app::Activity::Idle);
    EXPECT_EQ(page->button_searchbegin, "Állományok keresése");
    EXPECT_EQ(page->button_searchhalt, "Visszalépés");
    EXPECT_FALSE(page->progressShown);
    EXPECT_TRUE(page->list_findsShown && page->list_findsEnabled && page->group_findselectEnabled);
    EXPECT_TRUE(page->edit_searchpathEnabled && page->check_autorefreshEnabled);
    EXPECT_EQ(page->group_findsabout, " Talált állományok ");
    EXPECT_EQ(page->label_findsabout, "3 db\r\n8 bájt");
    EXPECT_EQ(page->label_findselect, "0 db\r\n0 bájt");
    EXPECT_FALSE(page->operationButtonsEnabled());
    const int pumps = ui.pumpCount - pumpsBefore;
    EXPECT_EQ(page->group_finds, "  T a l á l t   á l l o m á n y o k (\"c:\\temp\\\" helyen , " +
                                     search::elapsedText(46364.5, 46364.5 + pumps * 2.5 / 86400) + " mp alatt) : ");
    EXPECT_EQ(page->foundFilesHint(), "Azon állományokat amit kezelni kíván jelölje ki");
    EXPECT_EQ(page->found.currentRow, 2);
    EXPECT_EQ(view.status, " Befejeződött a keresés. Azon állományokat amit kezelni kíván jelölje ki.");
    EXPECT_FALSE(view.blinking);
    EXPECT_FALSE(view.centred);
    EXPECT_EQ(view.events, (Paths{"showSearchPage", "showSearchPage", "hideBalloon", "searchVege"}));
    EXPECT_EQ(config.edit_searchpath.items, (Paths{"c:\\temp\\", "Tallóz..."}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SearchPage, NothingFoundHintDependsOnRecursion) {
    fs.addFile("C:\\Empty\\sub\\deep.tmp");
    config.check_resursivesearchmode = false;
    search("C:\\Empty");
    EXPECT_FALSE(Search.DoRecursive);
    EXPECT_FALSE(page->found.holdsResults());
    EXPECT_EQ(page->foundFilesHint(), "");  // an empty list carries no hint
    EXPECT_EQ(view.status,
              " Befejeződött a keresés. Nincs találat! Ajánlott bekapcsolni a Rekurzív keresést a \"Beállítások\" "
              "panelen, majd újra próbálkozni!.");
    EXPECT_EQ(page->label_findsabout, "0 db\r\n0 bájt");

    fs.deleteFile("C:\\Empty\\sub\\deep.tmp");
    config.check_resursivesearchmode = true;
    search("C:\\Empty");
    EXPECT_EQ(view.status,
              " Befejeződött a keresés. Nem találtam a megadott helyen kiterjesztés szerint megfelelő állományt!.");
}

TEST_F(SearchPage, StoppingListsWhatWasFoundSoFarWithTheStopsTime) {
    clock.current = 46364.5;
    bool stopped = false;
    timeutil::TDateTime stopTime = 0;
    ui.onPump = [&] {
        clock.current += 1.0 / 86400;
        if (Search.Tag == app::Activity::FileSearch && Search.CountFiles() == 1 && !stopped) {
            stopped = true;
            stopTime = clock.current;
            page->button_searchhaltClick();
        }
    };
    // Time passes between the stop and the end, when the list is filled.
    view.onListChange = [&] {
        if (stopped) clock.current += 10.0 / 86400;
    };
    search("C:\\Temp");
    // Stopped after the first entry: B.TMP and x.bak were never reached.
    EXPECT_EQ(foundPaths(), Paths{"C:\\Temp\\a.tmp"});
    EXPECT_TRUE(page->beepSuppressed);
    EXPECT_EQ(Search.Tag, app::Activity::Idle);
    EXPECT_EQ(page->button_searchhalt, "Visszalépés");
    EXPECT_EQ(page->button_searchbegin, "Állományok keresése");
    EXPECT_TRUE(page->check_autorefreshEnabled && page->list_findsEnabled && page->edit_searchpathEnabled);
    // The caption keeps the time of the stop, not of the end.
    EXPECT_EQ(page->group_finds, "  T a l á l t   á l l o m á n y o k (\"C:\\Temp\\\" helyen , " +
                                     search::elapsedText(46364.5, stopTime) + " mp alatt) : ");
    EXPECT_FALSE(view.blinking);
    EXPECT_EQ(page->label_findsabout, "1 db\r\n5 bájt");

    // The next start clears the mark again.
    ui.onPump = nullptr;
    search("C:\\Temp");
    EXPECT_FALSE(page->beepSuppressed);
}

TEST_F(SearchPage, BackAndEscapeReturnToTheSettingsWithAnEmptyList) {
    search("C:\\Temp");
    view.page = 0;
    EXPECT_FALSE(page->escapePressed());  // another page of the main window shows
    view.page = 1;
    EXPECT_TRUE(page->escapePressed());
    EXPECT_EQ(page->pcKereses, search::search_settings);
    EXPECT_FALSE(page->found.holdsResults());
    EXPECT_EQ(page->location.text, "C:\\Temp\\");
    EXPECT_FALSE(page->escapePressed());  // the settings page shows now
    // The list's commands act as on an empty list.
    page->markingCommand(config::MarkingCommand::SelectAll);
    EXPECT_EQ(page->label_findselect, "0 db\r\n0 bájt");
    EXPECT_FALSE(page->operationButtonsEnabled());
    EXPECT_FALSE(page->contextMenuOpening());
}

TEST_F(SearchPage, ListCommandsRecountAndDriveTheOperationButtons) {
    search("C:\\Temp");
    page->group_findselect = "other";
    page->label_findselectBold = true;
    page->markingCommand(config::MarkingCommand::SelectAll);
    EXPECT_EQ(page->label_findselect, "3 db\r\n8 bájt");
    EXPECT_EQ(page->group_findselect, " Aktív állományok ");
    EXPECT_FALSE(page->label_findselectBold);
    EXPECT_TRUE(page->operationButtonsEnabled());

    page->rowClicked(0);
    EXPECT_EQ(view.status, "C:\\Temp\\a.tmp");
    page->toggleCurrentRow(false);  // the list does not have the focus
    EXPECT_EQ(page->label_findselect, "3 db\r\n8 bájt");
    page->toggleCurrentRow(true);
    EXPECT_EQ(page->label_findselect, "2 db\r\n3 bájt");

    // The selection popup opened over the list marks its rows.
    ASSERT_TRUE(page->contextMenuOpening());
    lists.popupCommand(config::SelectionCommand::None);
    EXPECT_EQ(page->label_findselect, "0 db\r\n0 bájt");
    EXPECT_FALSE(page->operationButtonsEnabled());
    page->rowClicked(2);
    page->menu.keepMarks = false;
    page->selectByItem(1);  // extension ".bak"
    EXPECT_EQ(page->label_findselect, "1 db\r\n2 bájt");
}

TEST_F(SearchPage, LegendColoursRedrawTheListAndResetAsksOnlyWithAlerts) {
    page->legendColourChosen(search::RowColour::Hidden, {1, 2, 3});
    EXPECT_EQ(page->legend.colour(search::RowColour::Hidden), (search::Rgb{1, 2, 3}));
    EXPECT_EQ(view.listChanges, 1);

    config.check_viewalerts = true;
    ui.answers = {platform::Answer::No};
    page->legendRightClick();
    EXPECT_EQ(page->legend.colour(search::RowColour::Hidden), (search::Rgb{1, 2, 3}));
    EXPECT_EQ(view.listChanges, 1);
    config.check_viewalerts = false;
    page->legendRightClick();
    EXPECT_EQ(page->legend.colour(search::RowColour::Hidden), (search::Rgb{128, 0, 0}));
    EXPECT_EQ(view.listChanges, 2);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(SearchPage, ActivationRefreshesTheListAgainstTheDisk) {
    search("C:\\Temp");
    page->markingCommand(config::MarkingCommand::SelectAll);
    fs.deleteFile("C:\\Temp\\sub\\B.TMP");
    fs.setAttributes("C:\\Temp\\x.bak", platform::attr::kReadOnly);
    fs.deleteFile("C:\\Temp\\a.tmp");
    fs.addFile("C:\\Temp\\a.tmp", "123456789");
    std::string statusDuring;
    bool enabledDuring = true;
    ui.onPump = [&] {
        statusDuring = view.status;
        enabledDuring = page->list_findsEnabled;
        page->activated();  // a second activation while one refresh runs does nothing
    };
    page->rowClicked(0);
    page->activated();
    EXPECT_EQ(statusDuring, "A talált állományok listájának frissítése. Kérem, várjon!");
    EXPECT_FALSE(enabledDuring);
    EXPECT_TRUE(page->list_findsEnabled);
    EXPECT_FALSE(view.hourglass);
    EXPECT_EQ(page->found.row(1).mark, config::Mark::None);
    EXPECT_EQ(page->found.rowColour(2), search::RowColour::ReadOnly);
    EXPECT_EQ(page->found.cellText(0, search::col_size), "9");  // auto-refresh reads details
    EXPECT_EQ(page->label_findselect, "2 db\r\n11 bájt");
    EXPECT_EQ(view.status, "C:\\Temp\\a.tmp");  // back to the current row's path
    EXPECT_EQ(view.events.back(), "focus");

    // Without auto-refresh the details stay; unticking does nothing, ticking refreshes.
    fs.deleteFile("C:\\Temp\\a.tmp");
    fs.addFile("C:\\Temp\\a.tmp", "1");
    page->check_autorefreshClick(false);
    page->activated();
    EXPECT_EQ(page->found.cellText(0, search::col_size), "9");
    page->check_autorefreshClick(true);
    EXPECT_EQ(page->found.cellText(0, search::col_size), "1");

    // The automatic modes never refresh.
    rebuild({"/autorun"});
    search("C:\\Temp");
    fs.deleteFile("C:\\Temp\\a.tmp");
    page->activated();
    EXPECT_EQ(page->found.row(0).mark, config::Mark::Inactive);
}

TEST_F(SearchPage, HaltDuringACleaningRunLeavesTheWalkAlone) {
    fs.addFile("C:\\Clean\\a.tmp");
    fs.addFile("C:\\Clean\\sub\\b.tmp");
    Search.Tag = app::Activity::Cleaning;
    Search.OnChanged = nullptr;
    Search.FileMask = "*.tmp";
    Search.ScanDir = "C:\\Clean";
    ui.onPump = [&] { page->button_searchhaltClick(); };
    Search.Execute();
    EXPECT_EQ(Search.Matches().size(), 2u);
}

TEST_F(SearchPage, InvalidMaskEndsTheSearchCleanly) {
    masks.setOwnTypes("[*.TMP|*.OWN");
    lists.list_searchcategory.items[config::kOwnTypesCategory].ticked = true;
    lists.list_searchcategoryClickCheck();
    for (auto& item : lists.list_searchext.items) item.ticked = true;
    search("C:\\Temp");

    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
    EXPECT_NE(ui.messages[0].text.find("\"[*.TMP\""), std::string::npos) << ui.messages[0].text;
    EXPECT_EQ(Search.Tag, app::Activity::Idle);
    EXPECT_EQ(page->pcKereses, search::search_settings);
    EXPECT_EQ(page->button_searchbegin, "Állományok keresése");
    EXPECT_EQ(page->button_searchhalt, "Visszalépés");
    EXPECT_FALSE(page->progressShown);
    EXPECT_TRUE(page->list_findsShown && page->list_findsEnabled && page->group_findselectEnabled &&
                page->edit_searchpathEnabled && page->check_autorefreshEnabled);
    EXPECT_FALSE(view.blinking);
    EXPECT_FALSE(view.centred);
    EXPECT_TRUE(progress.empty());

    // A search with good types works right after it.
    for (auto& item : lists.list_searchext.items)
        if (item.text == "[*.TMP") item.ticked = false;
    search("C:\\Temp");
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(page->found.size(), 3u);
}

TEST_F(SearchPage, DirectoryHandoverTicksEverythingAndStartsAtOnce) {
    for (auto& c : lists.list_searchcategory.items) c.ticked = false;
    lists.list_searchcategoryClickCheck();
    fs.addFile("C:\\Temp\\Thumbs.db");
    view.page = 0;
    page->directoryHandover("C:\\Temp");
    for (const auto& c : lists.list_searchcategory.items) EXPECT_TRUE(c.ticked);
    ASSERT_FALSE(lists.list_searchext.items.empty());
    for (const auto& t : lists.list_searchext.items) EXPECT_TRUE(t.ticked) << t.text;
    EXPECT_EQ(foundPaths(),
              (Paths{"C:\\Temp\\a.tmp", "C:\\Temp\\sub\\B.TMP", "C:\\Temp\\x.bak", "C:\\Temp\\Thumbs.db"}));
    EXPECT_EQ(view.page, 1);
    // A hand-over while something runs is dropped without a word.
    Search.Tag = app::Activity::Cleaning;
    page->directoryHandover("C:\\Temp");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SearchPage, DirectoryStartBringsTheHiddenWindowUpAtTheEnd) {
    rebuild({"C:\\Temp"});
    view.visible = false;
    page->directoryHandover("C:\\Temp");
    EXPECT_EQ(view.events,
              (Paths{"showSearchPage", "showSearchPage", "showSearchPage", "restore", "hideBalloon", "searchVege"}));
    EXPECT_TRUE(view.visible);

    // A folder handed over by a second copy leaves the window in the tray.
    rebuild();
    view.visible = false;
    view.events.clear();
    page->directoryHandover("C:\\Temp");
    EXPECT_FALSE(view.visible);
    EXPECT_EQ(view.events.back(), "searchVege");
}

}  // namespace
