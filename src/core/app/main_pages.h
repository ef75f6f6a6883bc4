#pragma once
// The pages of the main page control `pc`, in order.
#include <array>

namespace kefelo::app {

enum MainPage : int {
    page_clean = 0,
    page_filesearch = 1,
    page_tools = 2,
    page_options = 3,
    page_help = 4,
};

inline constexpr int kMainPageCount = 5;

inline constexpr std::array<const char*, kMainPageCount> kMainPageCaptions = {
    "Tárolóürítés+feladatok kezelése",
    "Átmeneti állományok keresése és kezelése",
    "Műveletek",
    "Beállítások",
    "Segítség",
};

}  // namespace kefelo::app
