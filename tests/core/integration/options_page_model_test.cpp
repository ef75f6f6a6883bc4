#include "core/integration/options_page_model.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_system.h"
#include "platform/fake/fake_ui.h"

using namespace kefelo;
using integration::GeneralOption;
using integration::OptionsPageModel;
using platform::RegistryRoot;

namespace {

struct OptionsFixture : ::testing::Test {
    config::ConfigModel config;
    platform::fake::FakeRegistry registry;
    platform::fake::FakeUi ui;
    std::vector<bool> recursive;
    std::vector<bool> addButton;
    std::vector<std::string> errors;
    OptionsPageModel model{{config, registry, ui, "C:\\Kefelo\\kefelo.exe",
                            [this](bool on) { recursive.push_back(on); }, [this](bool on) { addButton.push_back(on); },
                            [this](const std::string& text) { errors.push_back(text); }}};

    bool runValuePresent() {
        return registry
            .readString(RegistryRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Kefeló")
            .has_value();
    }
};

TEST_F(OptionsFixture, BothStartOptionsShareOneRunEntry) {
    model.check_autorunClick(true);
    EXPECT_TRUE(runValuePresent());
    EXPECT_TRUE(config.edit_daysofautorunEnabled);
    EXPECT_TRUE(config.check_quitprogramwhenautorundoneEnabled);

    model.setGeneral(GeneralOption::checked_startupwithwindows, true);
    model.setGeneral(GeneralOption::checked_startupwithwindows, false);
    EXPECT_TRUE(runValuePresent()) << "automatic cleaning still needs it";

    model.setGeneral(GeneralOption::checked_startupwithwindows, true);
    model.check_autorunClick(false);
    EXPECT_TRUE(runValuePresent()) << "the tray start still needs it";
    EXPECT_FALSE(config.edit_daysofautorunEnabled);
    EXPECT_FALSE(config.check_quitprogramwhenautorundoneEnabled);

    model.setGeneral(GeneralOption::checked_startupwithwindows, false);
    EXPECT_FALSE(runValuePresent());
    EXPECT_TRUE(errors.empty());
}

TEST_F(OptionsFixture, StoredSettingsAreAppliedOnce) {
    config.check_autorun = true;
    config.check_updatesearch = true;
    config.check_resursivesearchmode = false;
    config.check_noadd = config.check_nodrive = true;
    model.applyStoredSettings();
    EXPECT_TRUE(runValuePresent());
    EXPECT_TRUE(config.edit_daysofautorunEnabled);
    EXPECT_TRUE(config.edit_updatesearchEnabled);
    EXPECT_FALSE(config.check_noadd);
    EXPECT_FALSE(config.check_nodrive);
    EXPECT_FALSE(model.enabled(GeneralOption::check_nodrive));
    EXPECT_EQ(recursive, std::vector<bool>{false});

    // Both off: an entry someone else left is not the start-up's business.
    config::ConfigModel off;
    registry.writeString(RegistryRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Kefeló", "x");
    OptionsPageModel other{{off, registry, ui, "C:\\Kefelo\\kefelo.exe", nullptr, nullptr, nullptr}};
    other.applyStoredSettings();
    EXPECT_TRUE(runValuePresent());
}

TEST_F(OptionsFixture, CheckBoxesWriteTheModelAtOnce) {
    model.setGeneral(GeneralOption::check_gototrayonclose, true);
    model.setGeneral(GeneralOption::check_viewalerts, false);
    model.setGeneral(GeneralOption::check_beep, false);
    model.check_quitprogramwhenautorundoneClick(true);
    EXPECT_TRUE(config.check_gototrayonclose);
    EXPECT_FALSE(config.check_viewalerts);
    EXPECT_FALSE(config.check_beep);
    EXPECT_FALSE(config.check_quitprogramwhenautorundone) << "disabled while automatic cleaning is off";
    model.check_autorunClick(true);
    model.check_quitprogramwhenautorundoneClick(true);
    EXPECT_TRUE(config.check_quitprogramwhenautorundone);

    model.setGeneral(GeneralOption::check_resursivesearchmode, false);
    EXPECT_EQ(recursive.back(), false);
}

TEST_F(OptionsFixture, ManualContainersNeedTheWordOk) {
    ui.inputs = {std::string(" ok"), std::nullopt, std::string("oK")};
    model.check_noaddMouseDown(10, 20);
    EXPECT_FALSE(config.check_noadd) << "a leading blank is refused";
    ASSERT_EQ(ui.inputRequests.size(), 1u);
    EXPECT_EQ(ui.inputRequests[0].caption, "F I G Y E L E M !");
    EXPECT_EQ(ui.inputRequests[0].x, 10);
    model.check_noaddMouseDown(0, 0);
    EXPECT_FALSE(config.check_noadd);
    model.check_noaddMouseDown(0, 0);
    EXPECT_TRUE(config.check_noadd);
    EXPECT_TRUE(model.enabled(GeneralOption::check_nodrive));
    EXPECT_EQ(addButton, (std::vector<bool>{false, false, true}));

    // Pressing the ticked box unticks it and takes the drive option away without asking.
    model.setGeneral(GeneralOption::check_nodrive, true);
    ui.answers = {platform::Answer::No};
    model.check_noaddMouseDown(0, 0);
    EXPECT_FALSE(config.check_noadd);
    EXPECT_FALSE(config.check_nodrive);
    EXPECT_FALSE(model.enabled(GeneralOption::check_nodrive));
    EXPECT_EQ(ui.inputRequests.size(), 3u);
    EXPECT_FALSE(addButton.back());
}

TEST_F(OptionsFixture, WholeDriveOptionIsQuestionedByEverySharedClick) {
    ui.inputs = {std::string("ok")};
    model.check_noaddMouseDown(0, 0);
    ui.answers = {platform::Answer::No};
    model.setGeneral(GeneralOption::check_nodrive, true);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, platform::MessageKind::Warning);
    EXPECT_EQ(ui.messages[0].buttons, platform::Buttons::YesNo);
    EXPECT_TRUE(config.check_nodrive);

    const size_t recursionSets = recursive.size();
    ui.answers = {platform::Answer::Yes};
    model.setGeneral(GeneralOption::check_beep, false);
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_FALSE(config.check_nodrive);
    EXPECT_EQ(recursive.size(), recursionSets) << "Yes ends the handler";

    model.setGeneral(GeneralOption::check_deleteemptyfolder, false);
    EXPECT_EQ(ui.messages.size(), 2u);
    // Not among the five.
    model.setGeneral(GeneralOption::check_stayontop, true);
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(OptionsFixture, UpdateIntervalRules) {
    for (auto [typed, expected] : std::initializer_list<std::pair<const char*, const char*>>{
             {"", "1"}, {"abc", "1"}, {"7", "7"}, {"0", "1"}, {"-4", "1"}, {"99999999999999999999", "10"}}) {
        std::string text = typed;
        model.edit_updatesearchChange(text);
        EXPECT_EQ(text, expected) << typed;
        EXPECT_EQ(config.edit_updatesearch, expected);
    }
    EXPECT_EQ(model.stepUpdateSearch("x", cleaning::IntervalStep::UpKey), "2");
    EXPECT_EQ(model.stepUpdateSearch("1", cleaning::IntervalStep::LeftButton), "1");
    EXPECT_EQ(model.stepDaysOfAutorun("0", cleaning::IntervalStep::RightButton), "2");
    EXPECT_EQ(config.edit_daysofautorun, "2");

    model.check_updatesearchClick(true);
    EXPECT_TRUE(config.edit_updatesearchEnabled);
    model.check_updatesearchClick(false);
    EXPECT_FALSE(config.edit_updatesearchEnabled);
}

TEST_F(OptionsFixture, SelectorStartsOnGeneralAndFocusFollowsTheGroup) {
    EXPECT_EQ(model.selector().selected(), integration::group_advanced);
    EXPECT_FALSE(model.selector().select(integration::group_advanced));
    EXPECT_FALSE(model.selector().select(integration::kOptionGroupCount));
    EXPECT_TRUE(model.selector().select(integration::group_autoruns));
    EXPECT_EQ(integration::focusAfterSelection(model.selector().selected()), integration::FocusTarget::check_autorun);
    EXPECT_EQ(integration::focusAfterSelection(integration::group_advanced),
              integration::FocusTarget::checked_startupwithwindows);
    EXPECT_EQ(integration::focusAfterSelection(integration::group_protectfiles),
              integration::FocusTarget::list_protectfiles);
    EXPECT_EQ(integration::focusAfterSelection(integration::group_cleaning),
              integration::FocusTarget::edit_keepfreshhours);
}

// The hours box keeps digits only, at most five, without leading zeros; empty is off.
TEST_F(OptionsFixture, KeepFreshHoursTakeDigitsOnly) {
    std::string text = "0048";
    model.edit_keepfreshhoursChange(text);
    EXPECT_EQ(text, "48");
    EXPECT_EQ(config.keepFreshHours, 48);
    text = "1x2345678";
    model.edit_keepfreshhoursChange(text);
    EXPECT_EQ(text, "12345");
    EXPECT_EQ(config.keepFreshHours, 12345);
    text = "";
    model.edit_keepfreshhoursChange(text);
    EXPECT_EQ(config.keepFreshHours, 0);
    text = "000";
    model.edit_keepfreshhoursChange(text);
    EXPECT_EQ(text, "0");
}

}  // namespace
