// Reads a shortcut through the shell's own link object and prints, one to a line in
// UTF-8: target, arguments, working folder and description. Exit status 1 when the file
// cannot be loaded as a shortcut.
#include <windows.h>
// The shell headers need the definitions above.
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>

namespace {
const CLSID kShellLink = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kShellLinkW = {0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

void printLine(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    bytes += '\n';
    DWORD wrote = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr);
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    int status = 1;
    if (SUCCEEDED(CoCreateInstance(kShellLink, nullptr, CLSCTX_INPROC_SERVER, kShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(kPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(argv[1], STGM_READ))) {
        wchar_t buffer[INFOTIPSIZE + 1];
        buffer[0] = L'\0';
        link->GetPath(buffer, INFOTIPSIZE, nullptr, SLGP_RAWPATH);
        printLine(buffer);
        buffer[0] = L'\0';
        link->GetArguments(buffer, INFOTIPSIZE);
        printLine(buffer);
        buffer[0] = L'\0';
        link->GetWorkingDirectory(buffer, INFOTIPSIZE);
        printLine(buffer);
        buffer[0] = L'\0';
        link->GetDescription(buffer, INFOTIPSIZE);
        printLine(buffer);
        status = 0;
    }
    if (file) file->Release();
    if (link) link->Release();
    CoUninitialize();
    return status;
}
