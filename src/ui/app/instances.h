#pragma once
// The single-instance protocol between copies of the same executable: each copy's
// application window answers the registered message "IH_GETINSTANCEINFO", and a 16-byte
// block of shared memory carries the asker's identity there and the answer back.
#include <windows.h>

#include <string>
#include <vector>

#include "core/app/instance_identity.h"

namespace kefelo::ui {

// One running copy (`TInstanceInfoImpl`).
struct InstanceInfo {
    HWND applicationWindow = nullptr;
    HWND mainWindow = nullptr;  // null while that copy has no main window yet
    timeutil::TDateTime startTime = 0.0;
};

// Brings a window of a copy to the front: its owner when it has one, restored when
// minimised, then its last active popup. Does nothing for a handle that is gone.
void activateInstanceWindow(HWND window);

// `SendSearchRequest`: hands the payload (the directory and "|") to a window of a running
// copy by WM_COPYDATA. Gives up on a copy that does not answer within a few seconds.
void sendSearchRequest(HWND target, HWND sender, const std::string& payload);

// The identity of an executable file from its bytes; all zero when it cannot be read.
app::InstanceIdentity identityOfFile(const std::wstring& path);

// `InstanceHandler`: lives as long as the application window; one per process.
class InstanceHandler {
public:
    InstanceHandler(HWND applicationWindow, app::InstanceIdentity identity, timeutil::TDateTime startTime);
    ~InstanceHandler();
    InstanceHandler(const InstanceHandler&) = delete;
    InstanceHandler& operator=(const InstanceHandler&) = delete;

    // The main window the replies name (null until it exists).
    void setMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }

    // Every copy that answers, in window enumeration order, this one last
    // (`TInstancesInfoImpl`).
    std::vector<InstanceInfo> instances() const;

private:
    static LRESULT CALLBACK subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT answer(WPARAM wParam, LPARAM lParam) const;

    HWND applicationWindow_;
    HWND mainWindow_ = nullptr;
    app::InstanceIdentity identity_;
    timeutil::TDateTime startTime_;
    UINT message_ = 0;
    WNDPROC previous_ = nullptr;
};

}  // namespace kefelo::ui
