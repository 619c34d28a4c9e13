#pragma once

#include <string>
#include <string_view>

class Program;

// The only way to the settings store: section "Settings" of this program's store, with key and
// value passed through EncodeText. A missing entry reads as the empty text.
std::string ReadSetting(Program& program, std::string_view key);
// False when the store could not keep the value.
bool WriteSetting(Program& program, std::string_view key, std::string_view value);
