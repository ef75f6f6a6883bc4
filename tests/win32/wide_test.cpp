// UTF-8 <-> UTF-16 at the Windows boundary: every UTF-16 string a volume can hold,
// lone surrogates included, must survive narrow() then widen().
#include "platform/win32/wide.h"

#include <gtest/gtest.h>

using kefelo::platform::win32::narrow;
using kefelo::platform::win32::widen;

TEST(Wide, HungarianAndAstralTextConverts) {
    EXPECT_EQ(widen("Kefeló őŰ"), L"Kefel\u00f3 \u0151\u0170");
    EXPECT_EQ(narrow(L"Kefel\u00f3 \u0151\u0170"), "Kefeló őŰ");
    const std::wstring pair = {0xD83D, 0xDE00};  // U+1F600 as a surrogate pair
    EXPECT_EQ(narrow(pair), "\xF0\x9F\x98\x80");
    EXPECT_EQ(widen("\xF0\x9F\x98\x80"), pair);
}

TEST(Wide, LoneSurrogatesRoundTrip) {
    const std::wstring names[] = {
        {L'a', wchar_t(0xD800), L'b'},       // high without low
        {wchar_t(0xDC00), L'x'},             // low without high
        {L'x', wchar_t(0xDBFF)},             // high at the very end
        {wchar_t(0xDC00), wchar_t(0xD800)},  // a pair in the wrong order
    };
    for (const auto& name : names) {
        std::string utf8 = narrow(name);
        EXPECT_EQ(widen(utf8), name);
    }
    EXPECT_EQ(narrow(std::wstring{wchar_t(0xD800)}), "\xED\xA0\x80");
}

TEST(Wide, MalformedUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(widen("a\xFFz"), L"a\uFFFDz");
    EXPECT_EQ(widen("\xC3"), L"\uFFFD");                               // cut short at the end
    EXPECT_EQ(widen("\xC0\xAF"), L"\uFFFD\uFFFD");                     // overlong "/" must not pass as a separator
    EXPECT_EQ(widen("\xF4\x90\x80\x80"), std::wstring(4, L'\uFFFD'));  // past U+10FFFF
    EXPECT_EQ(widen(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
}
