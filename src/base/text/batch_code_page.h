#pragma once
// The lines a batch file of the program runs right after its first "@Echo OFF", and the
// one it ends with. cmd decodes every line in the console's code page as it reaches it
// (the OEM one, 852 on a Hungarian system), while the program writes its batch files in
// Windows-1250: so they keep the console's code page, switch it to 1250 for the lines
// after them and give it back at the end, and turn delayed expansion off, so that a "!"
// in a name is plain text. Pure ASCII, so they read the same in every code page; silent
// whatever the echo state. The Windows 9x interpreter knows none of it.
#include <string>
#include <vector>

namespace kefelo::text {

const std::vector<std::string>& batchCodePageSwitch();
const std::string& batchCodePageRestore();

}  // namespace kefelo::text
