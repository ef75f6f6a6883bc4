#pragma once
// Acting on the found files: what deleting the active files hands over to "autodel.bat",
// and the texts of the operations on the active files and on the current row. The
// operations themselves are commands of the search page model.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kefelo::search {

// "autodel.bat", as the deletion of found files uses it. The batch belongs to the cleaning
// run, which implements this.
class UndeletableQueue {
public:
    virtual ~UndeletableQueue() = default;
    // The batch line that deletes an existing file ("del " and its path in the batch's
    // quoting); nullopt when no line can name the file exactly.
    virtual std::optional<std::string> deleteLine(const std::string& path) = 0;
    // The program directory holds an autodel.bat.
    virtual bool batchExists() = 0;
    // The lines added to the existing batch, those it holds already left out (letter case
    // ignored). False when it could not be written.
    virtual bool extendBatch(const std::vector<std::string>& lines) = 0;
    // A new batch of just these lines, written over any old one; tells the user itself
    // when writing fails. The batch operations of the tools page count it as a run's.
    virtual void writeNewBatch(const std::vector<std::string>& lines) = 0;
};

// The guard of delete, move and compress: nothing while `label_findselect` tells of no
// active file ("0 db") or still shows the result of the last of them ("[ ... ]").
bool activeFilesActionable(std::string_view label_findselect);

inline constexpr const char* kDeleteQuestion = "Valóban törölni kívánja a kijelölt állomány(oka)t?";
inline constexpr const char* kFreedCaption = " Nyert terület: ";
// After a delete into the Recycle Bin that the bin refused for some files.
std::string notRecycledMessage(size_t count, const char* reason);

inline constexpr const char* kQueueQuestion =
    "Egy vagy több kijelölt állományt nem sikerült eltávolítani, ezek bent maradnak\r\na \"Talált állományok\" "
    "listájában kipipálva.\r\n\r\nNéhány lehetséges ok, amiért a törlés nem sikerülhet:\r\n- Az állomány éppen meg "
    "van nyitva (vagy használja egy program);\r\n- A bejelentkezett felhasználónévvel nincs jogunk a törlési "
    "műveletre.\r\n\r\nKívánja felvenni a most nem törölhető állomány(oka)t az \"autodel.bat\" fájlba, hogy később "
    "ezen állomány segítségével újból megpróbáljuk az eltávolítás(uka)t?";
inline constexpr const char* kExtendQuestion =
    "Az \"autodel.bat\" állomány már létezik, tehát előzőleg már felvett fájlokat ezen állományba, vagy lefuttatta "
    "a Takarítási folyamatot és az ott nem törölhető állományok bejegyzései szerepelnek ezen állományban.\r\n\r\nA "
    "létező \"autodel.bat\" állományt tovább szeretné írni, megtartva a törlendő állományok bejegyzéseit?\r\n"
    "(Amennyiben a Nem-et választja a fájl eddigi tartalma elvész és egy új \"autodel.bat\" állomány készül)";
inline constexpr const char* kExtendFailed =
    "Nem sikerült az \"autodel.bat\" állomány bővítése a jelenleg kipipált állományokkal!";
inline constexpr const char* kNothingLeftToDeleteHint =
    "Jelenleg nincs több eltávolítható átmeneti állomány a megadott helyen";
inline constexpr const char* kProtectedFoundHint = "Azon állományokat amit kezelni kíván jelölje ki!";
inline constexpr const char* kNothingLeftHint = "Jelenleg nincs több kezelhető átmeneti állomány a megadott helyen!";
inline constexpr const char* kFolderTooLong = "A könyvtár elérési útja túl hosszú!\r\nNem tudom megjeleníteni!";

// The question before a name is protected.
std::string protectQuestion(std::string_view name);

}  // namespace kefelo::search
