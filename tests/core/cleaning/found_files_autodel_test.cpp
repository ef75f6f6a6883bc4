#include "core/cleaning/found_files_autodel.h"
#include "base/text/batch_code_page.h"

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

TEST_F(FoundFilesAutodel, ExtendingKeepsTheSwitchFirstTheRestoreLastAndAddsNoLineTwice) {
    runWith({"C:\\T\\OLD.TMP"});
    ui.messages.clear();
    ASSERT_TRUE(queue.batchExists());
    const Lines before = batchLines();
    ASSERT_TRUE(queue.extendBatch({"DEL \"c:\\t\\old.tmp\"", "del \"C:\\T\\NEW.TMP\"", "del \"C:\\T\\NEW.TMP\""}));

    const Lines lines = batchLines();
    const Lines& closing = cleaning::batchClosingBlock();
    ASSERT_EQ(lines.size(), before.size() + 1);
    // Extending twice never stacks a second switch or restore.
    EXPECT_TRUE(std::equal(before.begin(), before.end() - 7, lines.begin()));
    EXPECT_TRUE(std::equal(closing.begin(), closing.end(), lines.end() - 7));
    EXPECT_EQ(lines.back(), text::batchCodePageRestore());
    EXPECT_EQ(lines[lines.size() - 8], "del \"C:\\T\\NEW.TMP\"");
    EXPECT_EQ(count(lines, "del \"C:\\T\\OLD.TMP\""), 1u);
    EXPECT_EQ(count(lines, "del \"C:\\T\\NEW.TMP\""), 1u);
    EXPECT_TRUE(readOnly(at("autodel.bat")));
    EXPECT_TRUE(ui.messages.empty());
}

// A batch an older version wrote has neither the switch nor the restore line: it gets
// both before the lines it gains, which may name accented files.
TEST_F(FoundFilesAutodel, AnOlderBatchGainsTheSwitchAfterItsFirstLineAndTheRestoreLast) {
    const Lines older = {"@ECHO OFF", "copy \"C:\\Kefelo\\autoexec.bat\" \"C:\\autoexec.bat\" /y",
                         "del \"C:\\Kefelo\\autoexec.bat\"", "@ECHO OFF", "del \"C:\\T\\KEPT.TMP\""};
    Lines file = older;
    file.insert(file.end(), cleaning::batchClosingBlock().begin(), cleaning::batchClosingBlock().end());
    fs.addFile(at("autodel.bat"), text::encodeLines(file) + "\r\n", platform::attr::kReadOnly);
    fs.addFile("C:\\T\\tűz.tmp");
    const std::optional<std::string> accented = queue.deleteLine("C:\\T\\tűz.tmp");
    ASSERT_EQ(accented, std::optional<std::string>("del \"C:\\T\\tűz.tmp\""));
    ASSERT_TRUE(queue.extendBatch({*accented}));

    Lines expected = {older[0]};
    expected.insert(expected.end(), text::batchCodePageSwitch().begin(), text::batchCodePageSwitch().end());
    expected.insert(expected.end(), older.begin() + 1, older.end());
    expected.push_back(*accented);
    expected.insert(expected.end(), cleaning::batchClosingBlock().begin(), cleaning::batchClosingBlock().end());
    expected.push_back(text::batchCodePageRestore());
    EXPECT_EQ(batchLines(), expected);
    EXPECT_TRUE(readOnly(at("autodel.bat")));
}

// Windows 9x reads the batch in its DOS code page and cannot switch: an accented name
// gets no line, and the batch no switch.
TEST_F(FoundFilesAutodel, NineXKeepsItsBatchInAscii) {
    sys.platform = 1;
    runWith({"C:\\T\\OLD.TMP"});
    fs.addFile("C:\\T\\tűz.tmp");
    EXPECT_EQ(queue.deleteLine("C:\\T\\tűz.tmp"), std::nullopt);
    fs.setShortName("C:\\T\\tűz.tmp", "TZ~1.TMP");
    EXPECT_EQ(queue.deleteLine("C:\\T\\tűz.tmp"), std::optional<std::string>("del \"C:\\T\\TZ~1.TMP\""));

    ASSERT_TRUE(queue.extendBatch({"del \"C:\\T\\TZ~1.TMP\""}));
    const Lines lines = batchLines();
    EXPECT_EQ(lines[1], "copy \"C:\\Kefelo\\autoexec.bat\" \"C:\\autoexec.bat\" /y");
    EXPECT_EQ(lines.back(), "@ECHO ON");
    EXPECT_EQ(lines[lines.size() - 7], "del \"C:\\T\\TZ~1.TMP\"");
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
    EXPECT_EQ(lines[lines.size() - 8], *line);
    EXPECT_TRUE(ops->runEnded());
    EXPECT_TRUE(batch.lines().empty());  // a run's own batch text is left alone
}

}  // namespace
