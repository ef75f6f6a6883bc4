// The clipboard's text: what is put there comes back unchanged, accents and line breaks
// included, and a one-line edit's paste stops at the first line break.
#include <gtest/gtest.h>

#include "platform/contract_env.h"

using namespace kefelo;

namespace {

TEST(ClipboardContract, TextRoundTripsAndPastesUpToTheFirstLineBreak) {
    const auto env = contract::makeContractEnv();
    platform::Clipboard& clipboard = env->clipboard();

    const std::string text = "C:\\Árvíztűrő tükörfúrógép\r\nmásodik sor";
    ASSERT_TRUE(clipboard.setText(text));
    EXPECT_EQ(clipboard.text(), text);
    EXPECT_EQ(platform::pastedLine(clipboard), "C:\\Árvíztűrő tükörfúrógép");

    ASSERT_TRUE(clipboard.setText("egy sor"));
    EXPECT_EQ(clipboard.text(), "egy sor");
    EXPECT_EQ(platform::pastedLine(clipboard), "egy sor");
    ASSERT_TRUE(clipboard.setText("\nelső sor üres"));
    EXPECT_EQ(platform::pastedLine(clipboard), "");
}

}  // namespace
