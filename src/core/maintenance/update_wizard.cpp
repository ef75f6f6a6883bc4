#include "core/maintenance/update_wizard.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string_view>

#include "base/text/codec.h"
#include "base/text/format.h"
#include "core/app/busy_guard.h"
#include "core/app/file_age.h"
#include "core/app/program_texts.h"

namespace kefelo::maintenance {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::MessageKind;

constexpr size_t kReadSize = 1024;

const std::vector<std::string> kMemo1 = {
    "A frissítési folyamat arra szolgál, hogy naprakésszé tegye az Ön Kefeló-példányát.",
    "Kérem, a frissítési folyamat megkezdése előtt, olvassa el figyelmesen az itt leírtakat!",
    "",
    "Előkészületek a folyamat előtt:",
    " 1) A Kefeló frissítése az Internetről történik, ezért véghezviteléhez elengedhetetlen",
    "     az élő Internet-kapcsolat!",
    " 2) Ha számítógépén fut tűzfal program, akkor engedélyezze, hogy a Kefeló",
    "     csatlakozhasson a kiszolgálójához. Ezt úgy teheti meg, hogy miután megnyomta",
    "     a \"Frissítés keresése\" gombot a felbukkanó, tűzfal által generált",
    "     párbeszédablakban a \"Yes\", \"Allow\", vagy hasonló feliratú gombra kattint.",
    "     (Az állományok letöltésén kívül a program semmilyen más műveletet nem végez!)",
    " 3) Biztosítsuk, hogy rendelkezzünk a Kefeló könyvtárához írási jogosultsággal.",
    "",
};

const std::vector<std::string> kMemo2 = {
    "Elérhető újabb Kefeló-változat, mint amit Ön használ.",
    "",
    "",
    "Hasznos információk:",
    " 1) Az állomány letöltési ideje 5 másodperctől 10-15 percig változhat, nagyságát",
    "      az Ön Internet-kapcsolatának típusa határozza meg.",
    " 2) Az időtakarékosság miatt a letöltendő állomány tömörített állapotban van.",
};

const std::vector<std::string> kMemo3 = {
    "A frissítést tartalmazó állomány letöltése sikeresen befejeződött.",
    "",
    "A program frissítési folyamatának befejezéséhez a Kefeló újraindul és lecseréli",
    "saját programállományát.",
    "A program újrainduláskor megjeleníti a Súgó leírás \"Verziótörténet\" részét, ahol",
    "tájékozódhat a program fejlesztéseiről és újdonságairól.",
    "",
    "Köszönöm, hogy frissíti az Ön Kefeló példányát! Tegye rendszeresen!",
    "",
};

const std::vector<std::string> kMemo4 = {
    "Jelenleg nem található újabb változat a Kefeló-ból.",
    "Az Ön által használt verzió a legújabb!",
    "",
    "Amennyiben hiányol ebből a verzióból valamilyen szolgáltatást, vagy egyéb",
    "hozzászólása lenne a programmal kapcsolatban, kérem, írjon egy e-mailt",
    "a program készítőjének, melyben részletesen leírja elképzeléseit.",
    "Köszönöm!",
    "",
    "( Hozzászólására természetesen minden esetben választ kap. )",
    "",
};

const std::vector<std::string> kMemo5Head = {
    "A frissítés letöltése sajnos nem sikerült!",
    "",
    "Lehetséges teendők:",
    " 1) Vizsgálja meg, hogy van-e élő Internet-kapcsolata;",
    " 2) Ha számítógépén fut tűzfal program, akkor engedélyezze, hogy a Kefeló",
    "    csatlakozhasson a kiszolgálójához.",
};

const std::vector<std::string> kMemo5Tail = {
    "",
    "Ha elérhető, de mégse letölthető, próbálja a \"Frissítés kézi letöltése..\" gombot, ekkor",
    "a Kefeló az alapértelemzett böngészőprogramon keresztül próbálja meg a letöltést.",
    "Ha így sikerül, helyezze a new.zip állományt a Kefeló könyvtárába, majd csomagolja",
    "ki, végül a régi kefelo.exe-t törölje, és a new.exe-t nevezze át kefelo.exe-re.",
    "",
};

const std::vector<std::string> kMemoConnecting = {
    "Kapcsolódás és letöltés a Kefeló kiszolgálójáról. Kérem, várjon türelemmel.",
    "",
    "Ha megerősítést vár a tűzfal programja, engedélyezze, hogy a Kefeló",
    "kapcsolódhasson kiszolgálójához!",
    "",
    "",
    "Ha lehet, ne navigáljon el erről az ablakról!",
};

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) out += "\r\n";
        out += lines[i];
    }
    return out;
}

std::string fileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

UpdateWizard::UpdateWizard(UpdateContext context, UpdateHost& host)
    : backCaption(kBackCaption), cancel3Caption(kCancelCaption), ctx_(std::move(context)), host_(host) {}

std::string UpdateWizard::memoText(int which) const {
    switch (which) {
        case kPagePrepare:
            return joined(kMemo1);
        case kPageNewer: {
            std::vector<std::string> lines = kMemo2;
            if (offer) {
                lines[1] =
                    "A frissítést tartalmazó állomány mérete: " + text::Ezredel(std::to_string(offer->size)) + " bájt.";
            }
            return joined(lines);
        }
        case kPageDownloaded:
            return joined(kMemo3);
        case kPageLatest:
            return joined(kMemo4);
        case kPageFailed: {
            std::vector<std::string> lines = kMemo5Head;
            lines.push_back(" 3) Ellenőrizze, hogy elérhető-e a Kefeló kiszolgálója ( " + ctx_.serverBase + " )");
            lines.insert(lines.end(), kMemo5Tail.begin(), kMemo5Tail.end());
            return joined(lines);
        }
        case kPageConnecting:
            return joined(kMemoConnecting);
        default:
            return {};
    }
}

void UpdateWizard::start() {
    page = kPagePrepare;
    caption = "Kefeló frissítése  -  1. lépés";
    status = "Kattintson a \"Frissítés keresése\" gombra a folyamat indításához!";
    gauge = 0;
    downloadState = kDownloadIdle;
    autoRun = 0;
    closeAfterDownload_ = false;
    host_.changed();
}

void UpdateWizard::beginAutomaticRun() {
    restartFlag = 0;
    backCaption = kProgramScreenCaption;
    page = kPagePrepare;
    autoRun = 1;
    cancel3Caption = kProgramScreenCaption;
    host_.changed();
}

void UpdateWizard::endAutomaticRun() {
    autoRun = 0;
    cancel3Caption = kCancelCaption;
    backCaption = kBackCaption;
    host_.changed();
}

void UpdateWizard::setLastAttemptNow() {
    lastUpdateAttempt = ctx_.platform.clock.now();
    host_.lastAttemptChanged(lastUpdateAttempt);
}

void UpdateWizard::failCheck() {
    status = "A frissítés letöltése nem sikerült!!";
    page = kPageFailed;
    caption = "Kefeló frissítése  -  a letöltés meghiúsult!";
    deleteOwn(path(kVersionFileName));
}

bool UpdateWizard::Check() {
    page = kPageConnecting;
    status = "Kapcsolódás a Kefeló kiszolgálójához... Kis türelmet kérek!";
    caption = "Kefeló frissítése - Kapcsolódás a kiszolgálóhoz";
    executableFileAge = app::FileAge(ctx_.platform.fs, ctx_.platform.clock, ctx_.executablePath);
    host_.changed();

    const int result = DownloadFile(versionFileUrl(), path(kVersionFileName), false);
    autoRun = 0;
    bool ok = false;
    if (result == kDownloadOk) {
        // A version file that cannot be read or makes no sense is a failed check: the wizard
        // must not stay on the connecting page, which has no buttons.
        const std::optional<std::string> bytes = ctx_.platform.fs.readFile(path(kVersionFileName));
        std::optional<VersionOffer> parsed = bytes ? parseVersionFile(*bytes) : std::nullopt;
        if (parsed) {
            ok = true;
            status = "Új verzió ellenőrzése...";
            host_.changed();
            if (!isNewer(executableFileAge, parsed->fileAge)) {
                offer.reset();
                setLastAttemptNow();
                status = "Jelenleg ez a változat a legújabb!";
                caption = "Kefeló frissítése  -  Újabb változat még nem elérhető!";
                page = kPageLatest;
            } else {
                offer = parsed;
                status = "Elérhető újabb programváltozat!";
                page = kPageNewer;
                caption = "Kefeló frissítése  -  2. lépés";
            }
        }
    }
    if (!ok) failCheck();
    host_.changed();
    host_.endBeep();
    return ok;
}

int UpdateWizard::DownloadFile(const std::string& url, const std::string& localPath, bool showProgress) {
    int result = kDownloadOk;
    std::optional<app::BusyScope> busy;
    if (ctx_.activity) {
        busy.emplace(*ctx_.activity, app::Activity::Update);
        if (!busy->owns()) {
            if (!autoRun) app::FutValami(*ctx_.activity, ctx_.platform.ui);
            if (autoRun) host_.hideSplash();
            return kDownloadUrlFailed;
        }
    }
    {
        host_.changed();
        ctx_.platform.ui.pumpMessages();
        platform::OpenedUrl opened = ctx_.internet.open(fileNameOf(ctx_.executablePath), url);
        if (opened.result == platform::UrlOpen::NoConnection)
            result = kDownloadNoConnection;
        else if (opened.result != platform::UrlOpen::Ok || !opened.stream)
            result = kDownloadUrlFailed;
        // The body goes into a file beside the target, which takes the target's name only
        // once the body is whole: the version file up to its limit, the archive exactly as
        // announced. Anything else is dropped with the file beside.
        std::unique_ptr<platform::AtomicWriter> out;
        if (result == kDownloadOk) {
            out = ctx_.platform.fs.beginAtomicWrite(localPath);
            if (!out) result = kDownloadUrlFailed;
        }
        if (result == kDownloadOk) {
            const uint64_t expected = showProgress && offer ? offer->size : 0;
            const uint64_t limit = showProgress ? expected : kVersionFileLimit;
            uint64_t received = 0;
            Sha256 digest;
            bool whole = false;
            char buffer[kReadSize];
            for (;;) {
                const long long got = opened.stream->read(buffer, sizeof buffer);
                if (got < 0) {
                    result = kDownloadUrlFailed;
                    break;
                }
                // More than announced can only be the wrong file, or a reply without end:
                // not one byte more is read or kept.
                if (showProgress && static_cast<uint64_t>(got) > limit - received) {
                    result = kDownloadRefused;
                    break;
                }
                const std::string_view piece(buffer, std::min<uint64_t>(static_cast<uint64_t>(got), limit - received));
                if (!out->write(piece)) {
                    result = kDownloadUrlFailed;
                    break;
                }
                if (showProgress) digest.update(piece);
                received += piece.size();
                ctx_.platform.ui.pumpMessages();
                // A quit in the pump stops the download as its cancel button would.
                if (busy && !busy->owns()) {
                    if (downloadState == kDownloading) downloadState = kDownloadCancelled;
                    result = kDownloadUrlFailed;
                    break;
                }
                if (!showProgress) {
                    // The version file is short: read to its end, never past the limit.
                    whole = got == 0 || received >= limit;
                    if (whole) break;
                    continue;
                }
                if (expected > 0 && downloadState != kDownloadCancelled) {
                    const double percent = static_cast<double>(received) / static_cast<double>(expected) * 100.0;
                    const int shown = static_cast<int>(std::lround(percent));
                    status = std::to_string(shown) + "% letöltve...";
                    gauge = std::min(shown, 100);
                    host_.changed();
                }
                whole = got == 0;
                if (whole || downloadState != kDownloading) break;
            }
            // A cancelled download keeps nothing and still reports 0: the caller tells it by
            // the download state.
            if (result == kDownloadOk && whole) {
                const bool announced = !showProgress || (offer && received == offer->size &&
                                                         (!offer->sha256 || digest.finish() == *offer->sha256));
                if (!announced)
                    result = kDownloadRefused;
                else if (!out->commit())
                    result = kDownloadUrlFailed;
                else
                    written_.insert(localPath);
            }
        }
    }  // the connection is closed and an unfinished file beside dropped here, whatever happened
    if (autoRun) host_.hideSplash();
    return result;
}

void UpdateWizard::button_downloadClick() {
    if (downloadState == kDownloading) {
        downloadState = kDownloadCancelled;
        status = "A letöltés megszakadt!";
        gauge = 0;
        host_.changed();
        ctx_.platform.ui.message(MessageKind::Information, Buttons::Ok, kCancelledDownloadMessage);
        return;
    }
    if (downloadState != kDownloadIdle) return;
    downloadState = kDownloading;
    host_.changed();
    downloadFinished(DownloadFile(archiveUrl(), path(kArchiveName), true));
}

void UpdateWizard::downloadFinished(int result) {
    const bool cancelled = downloadState == kDownloadCancelled;
    // Idle again either way, so that the button starts a new download, not a cancel.
    downloadState = kDownloadIdle;
    if (cancelled) {
        if (closeAfterDownload_) {
            closeAfterDownload_ = false;
            deleteDownloads();
            host_.close();
        }
        host_.changed();
        return;
    }
    host_.endBeep();
    if (result == kDownloadRefused) {
        // Not the announced archive: none of it was kept, let alone unpacked.
        gauge = 0;
        failCheck();
        host_.changed();
        return;
    }
    if (result != kDownloadOk) {
        ctx_.platform.ui.message(MessageKind::Error, Buttons::Ok, kNetworkErrorMessage);
        status = "A frissítést nem sikerült letölteni!";
        caption = "Kefeló frissítése  -  A frissítést nem sikerült letölteni!";
        host_.changed();
        return;
    }
    caption = "Kefeló frissítése  -  A frissítés letöltve";
    status = "Frissítés letöltve!";
    page = kPageDownloaded;
    host_.changed();
}

void UpdateWizard::button_restartClick() {
    platform::FileSystem& fs = ctx_.platform.fs;
    bool unpacked = false;
    {
        const std::optional<std::string> archive = fs.readFile(path(kArchiveName));
        std::unique_ptr<platform::ZipArchive> zip =
            archive && offer && archiveMatches(*archive, *offer) ? ctx_.zip.open(path(kArchiveName)) : nullptr;
        if (zip) {
            const std::vector<size_t> chosen = entriesToUnpack(zip->entries());
            unpacked = !chosen.empty();
            for (size_t index : chosen) {
                const std::optional<std::string> bytes = zip->read(index);
                if (!bytes || !fs.writeFileAtomic(path(kNewExecutableName), *bytes))
                    unpacked = false;
                else
                    written_.insert(path(kNewExecutableName));
            }
        }
    }  // the archive is closed here
    if (!unpacked || !fs.fileExists(path(kNewExecutableName))) {
        if (ctx_.platform.ui.message(MessageKind::Confirmation, Buttons::YesNo, kUnpackFailedQuestion) == Answer::Yes)
            ctx_.shell.executeFile("explorer.exe", ctx_.programDirectory, "", true);
        return;
    }

    const std::optional<BatchProgram> program =
        batchProgram(fs, ctx_.programDirectory, ctx_.executablePath, text::BatchCharset::Windows1250);
    const auto lines = program ? updateBatchLines(*program) : std::nullopt;
    const bool started = lines && fs.writeFileAtomic(path(kBatchName), text::encodeLines(*lines)) &&
                         ctx_.shell.executeFile(path(kBatchName), "", "", false);
    if (!started) {
        ctx_.platform.ui.message(MessageKind::Error, Buttons::Ok, kReplaceFailedMessage);
        return;
    }
    restartFlag = 1;
    setLastAttemptNow();
    host_.close();
    host_.quitForRestart();
}

void UpdateWizard::deleteOwn(const std::string& file) {
    if (written_.erase(file)) ctx_.platform.fs.deleteFile(file);
}

void UpdateWizard::deleteDownloads() {
    deleteOwn(path(kArchiveName));
    deleteOwn(path(kNewExecutableName));
    deleteOwn(path(kVersionFileName));
}

void UpdateWizard::cancel() {
    if (downloadState == kDownloading) {
        // The running download stops at its next read and closes the wizard then.
        downloadState = kDownloadCancelled;
        closeAfterDownload_ = true;
        return;
    }
    deleteDownloads();
    host_.close();
}

void UpdateWizard::button_updatemanualdownloadClick() { ctx_.shell.executeFile(archiveUrl(), "", "", true); }

void UpdateWizard::button2Click() { ctx_.shell.executeFile(app::kForumAddress, "", "", true); }

void UpdateWizard::button_openprogramsdirClick() { ctx_.shell.propertiesDialog(ctx_.programDirectory); }

}  // namespace kefelo::maintenance
