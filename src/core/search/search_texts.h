#pragma once
// Texts of the search page: captions, hints and messages of a search's life.
#include <cstdint>
#include <string>
#include <string_view>

#include "base/time/datetime.h"

namespace kefelo::search {

// `button_searchbegin` idle, and both buttons while a search runs.
inline constexpr const char* kBeginCaption = "Állományok keresése";
inline constexpr const char* kHaltCaption = "Keresés leállítása";
inline constexpr const char* kBackCaption = "Visszalépés";

// `group_finds`, `group_findsabout` and `group_findselect`.
inline constexpr const char* kFindsCaption = "  T a l á l t   á l l o m á n y o k  ";
inline constexpr const char* kSearchingCaption = " A  k e r e s é s  f o l y a m a t b a n . . . ";
inline constexpr const char* kSuspectCaption = " Gyanús állományok ";
inline constexpr const char* kFoundCaption = " Talált állományok ";
inline constexpr const char* kActiveCaption = " Aktív állományok ";

inline constexpr const char* kEmptySummary = "0 db\r\n0 bájt";
inline constexpr const char* kSearchingStatus = " A keresés folyamatban... Kérem várjon!";
inline constexpr const char* kLocationHint = "Válassza ki, vagy gépelje be a keresés helyét";
inline constexpr const char* kBrowseTitle = "A keresési hely megadása";

// The hints of `list_finds` at the end of a search.
inline constexpr const char* kFoundHint = "Azon állományokat amit kezelni kíván jelölje ki";
inline constexpr const char* kNothingFoundHint =
    "Nem találtam a megadott helyen kiterjesztés szerint megfelelő állományt!";
inline constexpr const char* kNothingFoundNotRecursiveHint =
    "Nincs találat! Ajánlott bekapcsolni a Rekurzív keresést a \"Beállítások\" panelen, majd újra próbálkozni!";
inline constexpr const char* kRefreshingHint = "A talált állományok listájának frissítése. Kérem, várjon!";

// A cleaning run's preview on the results page.
inline constexpr const char* kPreviewCaption = "  A   T a k a r í t á s   e l ő n é z e t e  ";
inline constexpr const char* kPreviewEmptyHint = "A Takarítás jelenleg egyetlen állományt sem törölne";
std::string previewStatus(int64_t files, int64_t keptFresh);

// Messages of the start.
inline constexpr const char* kAlreadySearching =
    "Már elindított egy keresési folyamatot!\r\nVárja meg annak befejeztét, vagy állítsa le!\r\n\r\n"
    "Nyomjon az \"OK\" gombra az éppen futó keresési folyamat folytatásához!";
inline constexpr const char* kNoTypes = "A kategória-listából válasszon ki legalább egyet!";
inline constexpr const char* kNoTypeTicked = "Legalább egy kiterjesztést jelöljön ki a kereséshez!";
inline constexpr const char* kNoLocation = "Adjon meg egy érvényes keresési helyet!";

// The error that ends a search whose types hold a mask the matcher cannot read.
std::string invalidMaskMessage(std::string_view mask, int position);

// The seconds between the start and the end of a search as "12.045"; "?" when they fall
// on different dates.
std::string elapsedText(timeutil::TDateTime start, timeutil::TDateTime end);

// `group_finds` once the walk has ended or was stopped.
std::string resultsCaption(std::string_view location, std::string_view elapsed);

// The tray hint while a folder is being searched.
std::string searchingTrayHint(std::string_view fileVersion, std::string_view folder);

}  // namespace kefelo::search
