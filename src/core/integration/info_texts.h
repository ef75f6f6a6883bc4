#pragma once
// The description boxes of the tools and options pages: what the box shows while the
// mouse is over a control.
#include <string>
#include <string_view>

namespace kefelo::integration {

inline constexpr std::string_view kInfoGroupCaption =
    "  R é s z l e t e s e b b   i n f o r m á c i ó   a z   i t t   t a l á l h a t ó   s z o l g á l t a t á s o k "
    "r ó l  (Kimentés: CTRL+F3)  ";
inline constexpr std::string_view kInfoGroupHint =
    "A leírást a Ctrl+F3 billentyűkombinációval kimentheti a Jegyzettömbbe";

// The three buttons of the undeletable-files group; their text depends on whether they
// are enabled (an "autodel.bat" exists) and, for the last, on the system family.
enum class AutodelButton { View, Save, Run };
std::string autodelButtonDescription(AutodelButton button, bool enabled, bool ntFamily);

}  // namespace kefelo::integration
