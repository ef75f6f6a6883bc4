// Shortcuts: what is written reads back the same, a second write replaces the first, and
// removing one that is already gone is no failure. The user's Desktop is known.
#include <gtest/gtest.h>

#include "platform/contract_env.h"

using namespace kefelo;

namespace {

TEST(ShellLinksContract, WrittenShortcutReadsBackAndIsReplacedAndRemoved) {
    const auto env = contract::makeContractEnv();
    platform::ShellLinks& links = env->shellLinks();
    const std::string folder = env->root() + "\\Asztal és más";
    env->fs().createDirectory(folder);
    const std::string path = folder + "\\Kefeló - Takarítás.lnk";

    const platform::ShellLink link{"C:\\Program Files\\Kefeló\\kefelo.exe", "/autorun", "C:\\Program Files\\Kefeló\\",
                                   "Kefeló - A merevlemezterület karbantartója"};
    ASSERT_TRUE(links.create(path, link));
    EXPECT_EQ(links.read(path), link);

    platform::ShellLink plain = link;
    plain.arguments.clear();
    ASSERT_TRUE(links.create(path, plain));
    EXPECT_EQ(links.read(path), plain);

    EXPECT_TRUE(links.remove(path));
    EXPECT_FALSE(links.read(path));
    EXPECT_TRUE(links.remove(path));
}

TEST(ShellLinksContract, DesktopAndStartMenuAreKnown) {
    const auto env = contract::makeContractEnv();
    for (platform::KnownFolder folder : {platform::KnownFolder::Desktop, platform::KnownFolder::StartMenu}) {
        const std::optional<std::string> path = env->shellLinks().knownFolder(folder);
        ASSERT_TRUE(path);
        EXPECT_GT(path->size(), 3u);
        EXPECT_NE(path->back(), '\\');
    }
}

}  // namespace
