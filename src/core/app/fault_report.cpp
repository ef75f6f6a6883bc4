#include "core/app/fault_report.h"

namespace kefelo::app {
namespace {

// Sets a flag for as long as it lives, also when the callback it guards throws.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

std::string faultConsoleLine(std::string_view where, std::string_view what) {
    return "! Varatlan hiba (" + std::string(where) + "): " + std::string(what) + " !";
}

std::string faultMessage(std::string_view what) {
    return "A művelet váratlan hiba miatt megszakadt:\r\n" + std::string(what) + "\r\n\r\nA program tovább fut.";
}

void FaultReporter::report(FaultSource source, std::string_view where, std::string_view what) {
    // A fault while the line itself is written would come straight back here.
    if (writingConsole_) return;
    if (console) {
        FlagScope writing(writingConsole_);
        console(faultConsoleLine(where, what));
    }
    if (source != FaultSource::UserCommand || quiet || boxOpen_ || !showError) return;
    FlagScope open(boxOpen_);
    showError(faultMessage(what));
}

}  // namespace kefelo::app
