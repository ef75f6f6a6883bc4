#include "core/cleaning/automatic_cleaning.h"

#include <gtest/gtest.h>

#include <string>

using namespace kefelo;
using cleaning::IntervalStep;

namespace {

TEST(AutomaticCleaning, RunKeyFollowsFirstThenTheDependentOptionsFollowTheCheckBox) {
    config::ConfigModel config;
    bool enabledSeenByHandler = true;
    config.check_autorun = true;
    cleaning::check_autorunClick(config, [&] { enabledSeenByHandler = config.edit_daysofautorunEnabled; });
    EXPECT_FALSE(enabledSeenByHandler);
    EXPECT_TRUE(config.edit_daysofautorunEnabled);
    EXPECT_TRUE(config.check_quitprogramwhenautorundoneEnabled);

    config.check_autorun = false;
    cleaning::check_autorunClick(config, nullptr);
    EXPECT_FALSE(config.edit_daysofautorunEnabled);
    EXPECT_FALSE(config.check_quitprogramwhenautorundoneEnabled);
}

TEST(AutomaticCleaning, IntervalTextIsAlwaysAWholeNumber) {
    for (const char* bad : {"", "abc", "1.5", "3 "}) {
        std::string text = bad;
        cleaning::edit_daysofautorunChange(text);
        EXPECT_EQ(text, "1") << bad;
    }
    for (const char* good : {"12", "0", "-3"}) {
        std::string text = good;
        cleaning::edit_daysofautorunChange(text);
        EXPECT_EQ(text, good);
    }
}

TEST(AutomaticCleaning, StepsGoUpFreelyAndDownNeverBelowOne) {
    struct Case {
        const char* before;
        IntervalStep step;
        const char* after;
    };
    const Case cases[] = {
        {"1", IntervalStep::DownKey, "1"},   {"1", IntervalStep::LeftButton, "1"},
        {"1", IntervalStep::RightButton, "2"}, {"5", IntervalStep::UpKey, "6"},
        {"5", IntervalStep::DownKey, "4"},   {"0", IntervalStep::LeftButton, "0"},
        {"x", IntervalStep::UpKey, "2"},     {"x", IntervalStep::Other, "1"},
        {"007", IntervalStep::Other, "007"}, {"007", IntervalStep::UpKey, "8"},
    };
    for (const Case& c : cases) {
        std::string text = c.before;
        cleaning::edit_daysofautorunStep(text, c.step);
        EXPECT_EQ(text, c.after) << c.before;
    }
}

}  // namespace
