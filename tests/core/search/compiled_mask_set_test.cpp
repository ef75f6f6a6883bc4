#include "core/search/compiled_mask_set.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/config/categories.h"
#include "core/search/mask_list.h"

using namespace kefelo;
using search::CompiledMaskSet;
using search::InvalidMask;
using search::MaskList;

namespace {

std::string everyCategory() {
    std::string masks;
    for (int c = 0; c < config::kFixedCategoryCount; ++c) {
        if (!masks.empty()) masks += ", ";
        masks += config::FileMask(config::fixedMaskLine(c));
    }
    return masks;
}

// Names separated by single blanks; two blanks in a row hold an empty name.
std::vector<std::string> split(std::string_view text) {
    std::vector<std::string> out;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find(' ', start), text.size());
        out.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

// Names that meet each quick path: the extension table, the first and last character,
// the character after the dot, literal names, dots folded away, letter case, accents.
const std::vector<std::string> kNames = split(
    "x.tmp X.TMP a.b.tmp x.tmp.old tmp .tmp x. . x.Temp data.$$$ x.~mp x.~abc ~wrl0001.tmp ~x data.ba~ "
    "data.b~ data.ab$ x.^a x.a~ x.___ readme.txt READ.ME.TXT bootlog.prv mylog.txt log.txt xlog.txt.bak "
    "chklist.ms chklist file0001._dd file._dd ffastun.ffl twain001.mtx thumbs.db thumbs.db.x iebak.dat "
    "x.sik árvíz.tmp x.tmá \xC3.tmp x.\xC3 MSCREATE.DIR x.--- x.db$ x.$db setup.exe README  a..b..tmp");

TEST(CompiledMaskSet, AnswersAsThePlainMaskListDoes) {
    const std::vector<std::string> lists = {everyCategory(),
                                            "*.TMP",
                                            "**.tmp, *?.bak",
                                            "*., README",
                                            "*.*",
                                            "*",
                                            "?*.tmp, [a-c]*.t?p, *.[!t]mp",
                                            "*.verylongextension, *.a.b, .tmp, *.TMP*",
                                            "*.É, Á*.txt",
                                            ",  ,*.TMP, ~*.*",
                                            ""};
    for (const std::string& list : lists) {
        const CompiledMaskSet compiled(list);
        const MaskList plain(list);
        EXPECT_EQ(compiled.size(), plain.size());
        for (const std::string& name : kNames)
            EXPECT_EQ(compiled.Matches(name), plain.Matches(name)) << "masks: " << list << " name: " << name;
    }
}

TEST(CompiledMaskSet, EveryCategoryTogether) {
    const CompiledMaskSet all(everyCategory());
    EXPECT_EQ(all.size(), 68u);
    for (const char* name : {"x.tmp", "READ.ME.TXT", "xlog.txt.bak", "mylog.txt", "data.ba~", "FILE9._DD", "Thumbs.db"})
        EXPECT_TRUE(all.Matches(name)) << name;
    for (const char* name : {"setup.exe", "x.tmá", "thumbs.db.x", "data.b", "README", "log"})
        EXPECT_FALSE(all.Matches(name)) << name;
}

TEST(CompiledMaskSet, FirstBadMaskIsReportedAsTheListReportsIt) {
    try {
        CompiledMaskSet set("*.tmp, [x, [");
        FAIL();
    } catch (const InvalidMask& e) {
        EXPECT_STREQ(e.what(), "'[x' is an invalid mask at (3)");
    }
}

}  // namespace
