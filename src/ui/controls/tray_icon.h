#pragma once
// The notification-area icon `TCoolTrayIcon`: hint, clicks, a popup menu and balloon tips.
// It keeps its own hidden window for the shell's callbacks. A balloon always ends with
// one of its events: where the shell never reports the time-out, the icon's own timer
// does, so work that waits for it (an automatic run) always ends.
#include <windows.h>

#include <functional>
#include <string>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include "ui/common/window.h"

namespace kefelo::ui {

enum class BalloonIcon { Information, Warning };

class TrayIcon : public Window {
public:
    ~TrayIcon() override;

    bool create(HINSTANCE instance, HICON icon);

    void setHint(const std::string& hint);
    const std::string& hint() const { return hint_; }
    void setVisible(bool visible);
    bool visible() const { return added_; }

    void showBalloon(const std::string& title, const std::string& text, BalloonIcon icon, UINT timeoutMs);
    // Takes the balloon away: it ends with the hide event and never times out.
    void hideBalloon();

    // Shows a popup menu at the cursor, owned by the icon's window; returns the chosen
    // command or 0.
    UINT trackMenu(HMENU menu);

    std::function<void()> onClick;
    std::function<void()> onMenu;
    std::function<void()> onBalloonClick;
    std::function<void()> onBalloonHide;
    std::function<void()> onBalloonTimeout;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    NOTIFYICONDATAW baseData(UINT flags) const;
    void add();
    void remove();
    void endBalloon(const std::function<void()>& event);

    HICON icon_ = nullptr;
    std::string hint_;
    bool added_ = false;
    bool balloonPending_ = false;
    UINT taskbarCreated_ = 0;
};

}  // namespace kefelo::ui
