#pragma once
// The file version of an executable's version resource, read at run time.
#include <string>

namespace kefelo::ui {

// Four dotted numbers ("3.2.1.0"); empty when the file has no version resource.
std::string fileVersionOf(const std::wstring& path);

}  // namespace kefelo::ui
