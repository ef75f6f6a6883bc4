#pragma once
// The help viewer's rules: the topic list, the topic on show, the font size and word wrap
// of the view, the texts it prints and copies, and the plain-text copy "olvassel.txt".
#include <string>
#include <string_view>
#include <vector>

#include "core/help/help_text.h"
#include "platform/file_system.h"
#include "platform/ui_services.h"

namespace kefelo::help {

inline constexpr const char* kReadmeFileName = "olvassel.txt";

// Hints of the help group's controls and of the welcome screen's red field.
inline constexpr const char* kContentsHint = "Válasszon témakört a program Súgójából";
inline constexpr const char* kFontSizeHint = "A Súgó szövegének betűmérete";
inline constexpr const char* kViewHint = "A Súgó szöveg kezeléséhez kattintson jobb egérgombbal";
inline constexpr const char* kReadHelpHint = "Olvassa el figyelmesen a program leírását!";
// The e-mail button of the contact group; the update wizard's copy of it shows it too.
inline constexpr const char* kEmailToAuthorHint =
    "Levél írása a Kefeló készítőjének az alapértelmezett levelezőprogrammal";

// The view's context menu `pSugo`.
inline constexpr const char* kMenuWordWrap = "Hosszú sorok tördelése";
inline constexpr const char* kMenuCopy = "Másolás vágólapra";
inline constexpr const char* kMenuPrint = "Nyomtatás";
inline constexpr const char* kMenuPrintCurrent = "Az aktuális témakört";
inline constexpr const char* kMenuPrintAll = "A teljes súgót";

// Closes the topic on the welcome screen, in bold italic, followed by one blank.
inline constexpr const char* kWelcomeNote =
    "A program főablakának megnyitásához kattintson duplán a fent található, piros hátterű mezőre!";
inline constexpr const char* kPrintAllJobTitle = "Kefeló program Súgója";

inline constexpr int kFirstFontSize = 8;
inline constexpr int kLastFontSize = 16;
inline constexpr int kInitialFontSize = 9;

// "8" to "16", the items of the font size list.
std::vector<std::string> fontSizeItems();

class HelpViewer {
public:
    // The built-in documentation, parsed once.
    HelpViewer();
    explicit HelpViewer(const std::vector<std::string>& lines);

    const std::vector<HelpTopic>& topics() const { return topics_; }
    std::vector<std::string> titles() const;

    // -1 when there is no topic at all.
    int current() const { return current_; }
    // An index outside the list changes nothing.
    void select(int index);
    // The version history: the fifth topic from the end.
    void selectVersionHistory();

    // The current topic's lines joined by CR LF; empty without a topic.
    std::string currentText() const;
    // The print job title of the current topic.
    std::string currentTitle() const;
    // The whole text, markers included, as "A teljes súgót" prints it.
    std::string wholeText() const;

    // Points; sizes outside 8 to 16 are refused.
    int fontSize() const { return fontSize_; }
    bool setFontSize(int points);
    bool wordWrap = false;

private:
    std::vector<std::string> lines_;
    std::vector<HelpTopic> topics_;
    int current_ = -1;
    int fontSize_ = kInitialFontSize;
};

// Where the copy goes and the warning when it cannot be written.
std::string readmePath(std::string_view programDirectory);
std::string readmeSaveWarning(std::string_view programDirectory);

enum class ReadmeResult { AlreadyThere, Written, Failed };
// At start: writes "olvassel.txt" only when the program directory has none, so a copy the
// user kept or edited stays; a failure warns only while alerts are on.
ReadmeResult saveReadmeIfMissing(platform::FileSystem& fs, platform::UiServices& ui,
                                 const std::string& programDirectory, bool viewAlerts);
// Writes the documentation to a path whatever is there (the install wizard's button).
bool writeDocumentation(platform::FileSystem& fs, const std::string& path);

}  // namespace kefelo::help
