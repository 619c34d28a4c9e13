#pragma once

#include <string>
#include <string_view>

namespace parsiva {

// Windows-1252 bytes of a UTF-8 text; a character outside the code page becomes '?' (63).
// The five codes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the
// control characters of the same number, so every byte value round-trips.
std::string ToWindows1252(std::string_view utf8);
// UTF-8 text of Windows-1252 bytes.
std::string FromWindows1252(std::string_view bytes);

// The codec of reading files and the settings store, on UTF-8 text: each character's
// Windows-1252 code is shifted by +85 (codes 171..255 are dropped) or -85 (codes 0..84 dropped).
std::string EncodeText(std::string_view utf8);
std::string DecodeText(std::string_view utf8);

// True when the text comes back unchanged from EncodeText and DecodeText, as a stored value must.
bool SurvivesCodec(std::string_view utf8);

// True when the bytes are well-formed UTF-8: no stray, overlong or truncated sequence, no
// surrogate, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// The same shifts on Windows-1252 bytes.
std::string EncodeBytes(std::string_view bytes);
std::string DecodeBytes(std::string_view bytes);

} // namespace parsiva
