#include "core/cleaning/cleaning_page_model.h"

#include <gtest/gtest.h>

using namespace kefelo;

TEST(CleaningPageModel, BeginCleanHintNamesTheLastFullRun) {
    EXPECT_EQ(cleaning::beginCleanHint(0.0, "yyyy. MM. dd."),
              "Az aktív könyvtárak kiürítése és az aktív feladatok végrehajtása");
    const timeutil::TDateTime lastRun = timeutil::toDateTime({2026, 12, 8, 15, 3, 56, 0});
    EXPECT_EQ(
        cleaning::beginCleanHint(lastRun, "yyyy. MM. dd."),
        "Az aktív könyvtárak kiürítése és az aktív feladatok végrehajtása (Utolsó teljes futtatás: 2026. 12. 08.)");
    EXPECT_EQ(cleaning::beginCleanHint(lastRun, "M/d/yyyy"),
              "Az aktív könyvtárak kiürítése és az aktív feladatok végrehajtása (Utolsó teljes futtatás: 12/8/2026)");
}

TEST(CleaningPageModel, PrintJobTitle) {
    EXPECT_EQ(cleaning::printJobTitle("3.2.1.0", "2026. 12. 08."), "Kefeló v3.2.1.0 - Takarítási napló 2026. 12. 08.");
}
