#include "core/cleaning/found_files_autodel.h"

#include <gtest/gtest.h>

#include "autodel_fixture.h"
#include "base/text/codec.h"

using namespace kefelo;
using Lines = std::vector<std::string>;

namespace {

class FoundFilesAutodel : public cleaningtest::AutodelTest {
protected:
    cleaning::FoundFilesAutodel queue{fs, *ops};

    Lines batchLines() const { return text::decodeLines(fs.content(at("autodel.bat")).value_or("")); }
    size_t count(const Lines& lines, const std::string& line) const {
        return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
    }
};

TEST_F(FoundFilesAutodel, ExtendingKeepsTheClosingBlockLastAndAddsNoLineTwice) {
    runWith({"C:\\T\\OLD.TMP"});
    ui.messages.clear();
    ASSERT_TRUE(queue.batchExists());
    ASSERT_TRUE(queue.extendBatch({"DEL \"c:\\t\\old.tmp\"", "del \"C:\\T\\NEW.TMP\"", "del \"C:\\T\\NEW.TMP\""}));

    const Lines lines = batchLines();
    const Lines& closing = cleaning::batchClosingBlock();
    ASSERT_GT(lines.size(), closing.size());
    EXPECT_TRUE(std::equal(closing.begin(), closing.end(), lines.end() - 6));
    EXPECT_EQ(lines[lines.size() - 7], "del \"C:\\T\\NEW.TMP\"");
    EXPECT_EQ(count(lines, "del \"C:\\T\\OLD.TMP\""), 1u);
    EXPECT_EQ(count(lines, "del \"C:\\T\\NEW.TMP\""), 1u);
    EXPECT_TRUE(readOnly(at("autodel.bat")));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FoundFilesAutodel, AShortOrHandEditedBatchIsRebuiltFromItsEntries) {
    // Cut short: the restore lines and one entry, no closing block.
    fs.addFile(at("autodel.bat"),
               "@ECHO OFF\r\ncopy \"C:\\Kefelo\\autoexec.bat\" \"C:\\autoexec.bat\" /y\r\n"
               "del \"C:\\Kefelo\\autoexec.bat\"\r\ndel \"C:\\T\\KEPT.TMP\"\r\nPAUSE\r\n");
    ASSERT_TRUE(queue.extendBatch({"del \"C:\\T\\NEW.TMP\""}));

    const Lines lines = batchLines();
    cleaning::BatchText fresh;
    fresh.start(true);
    fresh.setLines([&] {
        Lines l = fresh.lines();
        l.insert(l.end(), {"", "del \"C:\\T\\KEPT.TMP\"", "del \"C:\\T\\NEW.TMP\""});
        return l;
    }());
    fresh.finish(dir, 'C');
    EXPECT_EQ(lines, fresh.lines());
    EXPECT_TRUE(ops->runEnded());
}

TEST_F(FoundFilesAutodel, ANewBatchHoldsJustTheseLinesAndCountsAsARunsBatch) {
    fs.addFile("C:\\Long Folder\\a&b.tmp");
    fs.setShortName("C:\\Long Folder", "LONGFO~1");
    const std::optional<std::string> line = queue.deleteLine("C:\\Long Folder\\a&b.tmp");
    ASSERT_TRUE(line);
    EXPECT_EQ(*line, "del \"C:\\LONGFO~1\\a&b.tmp\"");
    EXPECT_EQ(queue.deleteLine("C:\\T\\what?.tmp"), std::nullopt);

    queue.writeNewBatch({*line});
    const Lines lines = batchLines();
    EXPECT_EQ(count(lines, *line), 1u);
    EXPECT_EQ(lines[lines.size() - 7], *line);
    EXPECT_TRUE(ops->runEnded());
    EXPECT_TRUE(batch.lines().empty());  // a run's own batch text is left alone
}

}  // namespace
