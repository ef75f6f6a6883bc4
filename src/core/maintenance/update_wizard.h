#pragma once
// The update wizard `TfrmUpdate` as state: which page shows, the caption, the status
// panel, the gauge and the flags, and the steps behind its buttons. The window copies the
// state to its controls after every `changed()`.
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/time/datetime.h"
#include "core/app/activity.h"
#include "core/maintenance/update_rules.h"
#include "platform/internet.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "platform/zip_reader.h"

namespace kefelo::maintenance {

enum UpdatePage {
    kPagePrepare = 0,  // step 1
    kPageNewer = 1,    // step 2, the download
    kPageDownloaded = 2,
    kPageLatest = 3,
    kPageFailed = 4,
    kPageConnecting = 5,
};
inline constexpr int kUpdatePageCount = 6;

// `DownloadFile`'s result codes. kDownloadRefused: the reply was not the announced file
// (more or fewer bytes, another digest); nothing of it was kept.
enum DownloadResult { kDownloadOk = 0, kDownloadUrlFailed = 1, kDownloadNoConnection = 2, kDownloadRefused = 3 };
// The tag of `button_download`.
enum DownloadState { kDownloadIdle = 0, kDownloading = 1, kDownloadCancelled = 2 };

// What the wizard needs of the program around it.
class UpdateHost {
public:
    virtual ~UpdateHost() = default;
    // The state changed: show it now (the wizard may be inside a long step).
    virtual void changed() = 0;
    virtual void endBeep() = 0;
    virtual void hideSplash() = 0;
    // `UtolsoUpdCaption`: the main window takes the last attempt and shows it.
    virtual void lastAttemptChanged(timeutil::TDateTime lastAttempt) = 0;
    // Settings and lists saved, tray icon hidden, the application ended.
    virtual void quitForRestart() = 0;
    virtual void close() = 0;
};

struct UpdateContext {
    platform::Platform& platform;
    platform::Shell& shell;
    platform::Internet& internet;
    platform::ZipReader& zip;
    std::string programDirectory;  // with trailing "\"
    std::string executablePath;
    std::string serverBase;  // without trailing "/"
    // The program's activity code: a download holds it, so that nothing else starts while
    // it pumps (none before the main window exists).
    app::Activity* activity = nullptr;
};

class UpdateWizard {
public:
    UpdateWizard(UpdateContext context, UpdateHost& host);

    // A: opened by hand.
    void start();
    // B: `Check` (also "Frissítés keresése" and "Újrakapcsolódás").
    bool Check();
    // C: `DownloadFile`.
    int DownloadFile(const std::string& url, const std::string& localPath, bool showProgress);
    // D: "Frissítés letöltése", also while a download runs (then it cancels).
    void button_downloadClick();
    // E: "Frissítés".
    void button_restartClick();
    // F: every cancel button, "Vissza" and Escape.
    void cancel();
    // G.
    void button_updatemanualdownloadClick();
    void button2Click();
    void button_openprogramsdirClick();

    // The start-up's update run: flags and captions before, and back after.
    void beginAutomaticRun();
    void endAutomaticRun();

    std::string versionFileUrl() const { return ctx_.serverBase + kVersionFilePath; }
    std::string archiveUrl() const { return ctx_.serverBase + kArchivePath; }
    std::string memoText(int page) const;

    // --- what the window shows ---
    int page = kPagePrepare;
    std::string caption;
    std::string status;
    int gauge = 0;
    std::string backCaption;     // `button_back`
    std::string cancel3Caption;  // `button_cancel3`

    // --- the wizard's flags and values ---
    int downloadState = kDownloadIdle;  // tag of `button_download`
    int restartFlag = 0;                // tag of `button_restart`
    int autoRun = 0;                    // the wizard's own tag
    std::optional<VersionOffer> offer;  // the memo of page 1 holds the size
    int64_t executableFileAge = -1;
    timeutil::TDateTime lastUpdateAttempt = 0.0;

private:
    std::string path(const char* name) const { return ctx_.programDirectory + name; }
    // Deletes the file only when this wizard wrote it and has not deleted it since.
    void deleteOwn(const std::string& file);
    void deleteDownloads();
    void failCheck();
    void downloadFinished(int result);
    void setLastAttemptNow();

    UpdateContext ctx_;
    UpdateHost& host_;
    // A cancel came while the download ran: the wizard closes once it has stopped.
    bool closeAfterDownload_ = false;
    // The files this wizard put into the program directory: a cancel removes these and
    // nothing that was there before.
    std::set<std::string> written_;
};

// Texts the rules choose.
inline constexpr const char* kCancelledDownloadMessage = "A letöltés felhasználói kérésre megszakadt!";
inline constexpr const char* kNetworkErrorMessage = "Hálózati hiba miatt a letöltés nem fejeződött be!  Próbálja újra!";
inline constexpr const char* kUnpackFailedQuestion =
    "A kicsomagolás nem sikerült, így a frissítési folyamat megszakadt.\r\nMegnyitja a Kefeló könyvtárát további "
    "kezelésre?";
inline constexpr const char* kReplaceFailedMessage = "Hiba történt a frissítés során!\r\n\r\nA frissítés félbeszakadt!";
inline constexpr const char* kProgramScreenCaption = "A program képernyője";
inline constexpr const char* kBackCaption = "Vissza";
inline constexpr const char* kCancelCaption = "Mégse";

// The buttons' hints.
inline constexpr const char* kHintSearchUpdate =
    "Fellép az Internet-re és a Kefeló kiszolgálóján új verziót keres.Ha van, engedélyezze a kilépést a tűzfal "
    "programon!";
inline constexpr const char* kHintDownload =
    "Fellép az Internet-re és a Kefeló kiszolgálójáról letölti az új verziót.Ha van, engedélyezze a kilépést a "
    "tűzfal programon!";
inline constexpr const char* kHintRestart = "Frissíti a Kefeló programállományát, majd újraindítja a programot";
inline constexpr const char* kHintCancelDownloaded = "Az ablak bezárása + a letöltött állományok törlése";
inline constexpr const char* kHintCancel = "Az ablak bezárása";
inline constexpr const char* kHintBack = "Kilépés az ablakból";
inline constexpr const char* kHintGauge = "A letöltött adatmennyiség százaléka a teljeshez képest";

}  // namespace kefelo::maintenance
