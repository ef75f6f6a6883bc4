#include "ui/search/search_page.h"

#include <algorithm>
#include <string_view>

#include "ui/common/dpi.h"

namespace kefelo::ui {
namespace {
namespace list_number = config::list_number;

constexpr wchar_t kClassName[] = L"KefeloSearchPage";

enum : int { kIdCategoriesCaption = 1, kIdCategories, kIdTypesCaption, kIdTypes };

HWND label(HWND parent, std::string_view text, int id, HFONT font) {
    return Window::createChild(parent,
                               {.className = L"STATIC", .text = text, .style = SS_LEFT, .id = id, .font = font});
}
}  // namespace

bool SearchPage::create(HINSTANCE instance, HWND page) {
    page_ = page;
    WindowClassArgs wc;
    wc.className = kClassName;
    wc.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!registerClass(instance, wc)) return false;
    CreateArgs args;
    args.className = kClassName;
    args.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    args.exStyle = WS_EX_CONTROLPARENT;
    args.x = args.y = 0;
    args.width = args.height = 10;
    args.parent = page;
    if (!Window::create(instance, args)) return false;

    auto font = reinterpret_cast<HFONT>(SendMessageW(page, WM_GETFONT, 0, 0));
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    // The mnemonics reach the lists: each caption comes right before its list.
    categoriesCaption_ = label(hwnd(), "Átmeneti állományok &kategóriái:", kIdCategoriesCaption, font);
    if (!categories_.create(hwnd(), kIdCategories, font,
                            [this] { return lists_.list(list_number::kSearchCategories); }))
        return false;
    typesCaption_ = label(hwnd(), "Keresett állomány-&típusok:", kIdTypesCaption, font);
    if (!types_.create(hwnd(), kIdTypes, font, [this] { return lists_.list(list_number::kSearchTypes); })) return false;

    categories_.onToggle = [this](int index) { toggle(list_number::kSearchCategories, index); };
    types_.onToggle = [this](int index) { toggle(list_number::kSearchTypes, index); };
    categories_.onPopup = [this](POINT at, bool rightClick) { popup(list_number::kSearchCategories, at, rightClick); };
    types_.onPopup = [this](POINT at, bool rightClick) { popup(list_number::kSearchTypes, at, rightClick); };

    pageHook_.attach(page, [this](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_SIZE) fitToPage();
        return std::nullopt;
    });
    refresh();
    fitToPage();
    return true;
}

void SearchPage::refresh() {
    categories_.refill();
    types_.refill();
}

void SearchPage::fitToPage() {
    if (!page_ || !hwnd()) return;
    RECT client{};
    GetClientRect(page_, &client);
    SetWindowPos(hwnd(), nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SearchPage::layout() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const UINT dpi = dpiOf(hwnd());
    auto px = [dpi](int v) { return scaleForDpi(v, dpi); };
    const int w = client.right, h = client.bottom;
    const int margin = px(8), gap = px(8), captionH = px(16);
    // Room below the lists for the search location and the start button.
    const int reserved = px(72);
    const int listTop = margin + captionH;
    const int listH = std::max(px(60), h - listTop - reserved);
    const int inner = std::max(0, w - 2 * margin - gap);
    // Category names are long, masks short.
    const int categoriesW = inner * 3 / 5;
    const int typesX = margin + categoriesW + gap;
    MoveWindow(categoriesCaption_, margin, margin, categoriesW, captionH, TRUE);
    MoveWindow(categories_.hwnd(), margin, listTop, categoriesW, listH, TRUE);
    MoveWindow(typesCaption_, typesX, margin, inner - categoriesW, captionH, TRUE);
    MoveWindow(types_.hwnd(), typesX, listTop, inner - categoriesW, listH, TRUE);
}

void SearchPage::toggle(int number, int index) {
    config::CheckList* list = lists_.list(number);
    if (!list || index < 0 || index >= static_cast<int>(list->items.size())) return;
    list->selected = index;
    list->items[index].ticked = !list->items[index].ticked;
    lists_.clickCheck(number);
    refresh();
}

void SearchPage::popup(int number, POINT at, bool rightClick) {
    if (rightClick && !lists_.rightClick(number)) return;
    if (runSelectionPopup(hwnd(), at, lists_, number, openOwnTypes)) refresh();
}

LRESULT SearchPage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            layout();
            return 0;
        default:
            break;
    }
    return Window::handleMessage(message, wParam, lParam);
}

}  // namespace kefelo::ui
