#pragma once
// The text of "konyvtarak.lst": container lines, then "*" and the task lines; and the texts
// no list file can hold.
#include <string>
#include <string_view>
#include <vector>

#include "core/config/config_model.h"
#include "platform/ui_services.h"

namespace kefelo::config {

struct ListFileRows {
    ContainerGrid containers;
    TaskGrid tasks;
};

// Rows from the lines of the file, before any directory is looked at. Containers come
// out Active ("|" prefix) or Inactive; tasks likewise, and the loader clears the mark of
// a task whose location does not exist. A trailing task row without location is gone.
ListFileRows parseListFile(const std::vector<std::string>& lines);

// The lines to write; empty when there is nothing to keep (the file is then deleted).
std::vector<std::string> formatListFile(const ContainerGrid& containers, const TaskGrid& tasks);

// The list files are Windows-1250: a character outside it would be written as "?" and read
// back as another name, in a mask even as a wildcard. Such a text is refused where it
// enters, with this message (error, OK) around it.
inline constexpr std::string_view kUnstorableTextIntro =
    "A következő szöveg olyan karaktert tartalmaz, amelyet a program listafájljai nem tudnak tárolni:\r\n";
inline constexpr std::string_view kUnstorableTextClosing = "\r\n\r\nKérem, válasszon vagy adjon meg másikat!";
std::string unstorableTextMessage(std::string_view text);

// True, after the message above, when the text cannot be stored; false and silent when it can.
bool refuseUnstorable(platform::UiServices& ui, std::string_view text);

}  // namespace kefelo::config
