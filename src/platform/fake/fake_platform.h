#pragma once
// Every fake of the platform and the bundle over them. A fixture derives from it (or
// holds one) and arranges the fakes by name: fs.addFile(...), ui.answers, clock.current.
#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_ui.h"
#include "platform/platform.h"

namespace kefelo::platform::fake {

struct FakePlatform {
    FakePlatform() { shell.files = &fs; }
    // The bundle refers to the members of this very object.
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    FakeFileSystem fs;
    FakeSystemInfo sys;
    FakeRegistry registry;
    FakeClock clock;
    FakeUi ui;
    FakeClipboard clipboard;
    FakeShell shell;  // not part of the bundle: only a few callers start programs
    Platform platform{fs, sys, registry, clock, ui, clipboard};
};

}  // namespace kefelo::platform::fake
