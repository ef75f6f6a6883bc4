#pragma once
// A window subclass bound to an object: the handler sees every message first and returns
// a result to swallow it, or nothing to pass it on. No exception leaves the procedure, and
// the subclass removes itself when the window dies or the object goes.
#include <windows.h>

#include <functional>
#include <optional>

namespace kefelo::ui {

class Subclass {
public:
    using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

    Subclass() = default;
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;
    ~Subclass() { detach(); }

    bool attach(HWND hwnd, Handler handler);
    void detach();
    HWND hwnd() const { return hwnd_; }

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR data);
    HWND hwnd_ = nullptr;
    Handler handler_;
};

}  // namespace kefelo::ui
