#pragma once
// The update server's base address: the program's own site, or the mirror named by the
// environment variable KEFELO_UPDATE_SERVER (a company network, the tests' loopback).
#include <string>

namespace kefelo::ui {

std::string updateServerAddress();

}  // namespace kefelo::ui
