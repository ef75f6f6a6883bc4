#include "base/text/batch_code_page.h"

namespace kefelo::text {

const std::vector<std::string>& batchCodePageSwitch() {
    static const std::vector<std::string> lines = {
        "@setlocal EnableExtensions DisableDelayedExpansion",
        "@set kefelo_cp=",
        // "Active code page: 852"; some languages end the sentence with a ".".
        "@for /f \"tokens=2 delims=:.\" %%c in ('chcp') do @set kefelo_cp=%%c",
        "@chcp 1250 >nul 2>&1",
    };
    return lines;
}

const std::string& batchCodePageRestore() {
    static const std::string line = "@if defined kefelo_cp chcp %kefelo_cp% >nul 2>&1";
    return line;
}

}  // namespace kefelo::text
