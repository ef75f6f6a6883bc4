#pragma once
// Resource ids of the executable itself.

#define IDI_KEFELO 1

#define KEFELO_VERSION_NUMBERS 3, 2, 1, 0
#define KEFELO_VERSION_TEXT "3.2.1.0"
