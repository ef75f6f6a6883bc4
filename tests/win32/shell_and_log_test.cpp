// The shell launcher against the real shell, and the saved log's RTF against the real
// rich-text control: what the control reads back must be the log's text and colours.
#include <gtest/gtest.h>
#include <richedit.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "core/cleaning/cleaning_log.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_shell.h"

using namespace kefelo;

namespace {

TEST(Win32Shell, ExecuteFileRunsAProgramHiddenInItsDirectory) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::filesystem::path dir = std::filesystem::path(temp) / L"kefelo shell test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);

    platform::win32::Win32Shell shell;
    EXPECT_TRUE(shell.executeFile("cmd.exe", "/c echo ok> kimenet.txt", platform::win32::narrow(dir.wstring()), false));
    std::filesystem::path out = dir / L"kimenet.txt";
    for (int i = 0; i < 200 && !std::filesystem::exists(out); ++i) Sleep(50);
    EXPECT_TRUE(std::filesystem::exists(out));
    Sleep(200);  // let cmd close the file before it goes
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);

    EXPECT_FALSE(shell.executeFile("C:\\nincs ilyen\\program.exe", "", "", false));
}

struct StreamSource {
    const std::string* bytes;
    size_t pos = 0;
};

DWORD CALLBACK readStream(DWORD_PTR cookie, LPBYTE buffer, LONG want, LONG* got) {
    auto* src = reinterpret_cast<StreamSource*>(cookie);
    size_t n = std::min<size_t>(static_cast<size_t>(want), src->bytes->size() - src->pos);
    memcpy(buffer, src->bytes->data() + src->pos, n);
    src->pos += n;
    *got = static_cast<LONG>(n);
    return 0;
}

TEST(LogRtf, RichEditReadsTextColoursAndStyles) {
    ASSERT_NE(LoadLibraryW(L"riched20.dll"), nullptr);
    // A message-only window needs no display, so this runs without X as well.
    HWND edit = CreateWindowExW(0, RICHEDIT_CLASSW, L"", ES_MULTILINE, 0, 0, 400, 300, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);

    cleaning::CleaningLog log;
    log.setAttributes({true, true}, cleaning::LogColour::WindowText);
    log.addLine("Összegzés: {ő} \\ ű");
    log.setAttributes({}, cleaning::LogColour::Navy);
    log.addLine("C:\\Tár\\a.tmp");
    log.setAttributes({}, cleaning::LogColour::Red);
    log.addLine(" ! C:\\中\\b.tmp");
    std::string rtf = log.rtf();

    StreamSource src{&rtf};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&src), 0, readStream};
    SendMessageW(edit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    EXPECT_EQ(stream.dwError, 0u);

    GETTEXTLENGTHEX lengthOf{GTL_DEFAULT, 1200};
    LONG length = static_cast<LONG>(SendMessageW(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthOf), 0));
    std::wstring text(length + 1, L'\0');
    GETTEXTEX get{static_cast<DWORD>((length + 1) * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
    SendMessageW(edit, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get), reinterpret_cast<LPARAM>(text.data()));
    text.resize(wcslen(text.c_str()));
    // The control ends paragraphs with CR alone; the last break becomes its own final
    // paragraph mark, which it does not report.
    EXPECT_EQ(platform::win32::narrow(text), "Összegzés: {ő} \\ ű\rC:\\Tár\\a.tmp\r ! C:\\中\\b.tmp");

    auto formatAt = [&](LONG pos) {
        CHARRANGE range{pos, pos + 1};
        SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        CHARFORMAT2W cf{};
        cf.cbSize = sizeof cf;
        SendMessageW(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
        return cf;
    };
    CHARFORMAT2W heading = formatAt(0);
    EXPECT_TRUE(heading.dwEffects & CFE_BOLD);
    EXPECT_TRUE(heading.dwEffects & CFE_UNDERLINE);
    LONG navyAt = static_cast<LONG>(text.find(L"C:\\T"));
    CHARFORMAT2W navy = formatAt(navyAt);
    EXPECT_FALSE(navy.dwEffects & (CFE_BOLD | CFE_UNDERLINE));
    EXPECT_EQ(navy.crTextColor, RGB(0, 0, 128));
    CHARFORMAT2W red = formatAt(static_cast<LONG>(text.find(L" ! ")) + 1);
    EXPECT_EQ(red.crTextColor, RGB(255, 0, 0));
    DestroyWindow(edit);
}

}  // namespace
