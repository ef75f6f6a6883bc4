#pragma once
// Owned GDI objects.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace kefelo::ui {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const {
        if (object) DeleteObject(object);
    }
};

using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;

}  // namespace kefelo::ui
