// The codec on any bytes: encoding never yields a code below 85, and decoding an encoded text
// gives the text back less the characters the encoding drops (codes 171 to 255).
#include "core/readings/TextCodec.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    std::string kept;
    for (unsigned char byte : bytes) {
        if (byte <= 170)
            kept.push_back(static_cast<char>(byte));
    }

    const std::string encoded = parsiva::EncodeBytes(bytes);
    for (unsigned char byte : encoded) {
        if (byte < 85)
            std::abort();
    }
    if (parsiva::DecodeBytes(encoded) != kept)
        std::abort();

    // The same through text: any bytes read as Windows-1252 are valid text.
    const std::string text = parsiva::FromWindows1252(bytes);
    const std::string encodedText = parsiva::EncodeText(text);
    for (unsigned char byte : parsiva::ToWindows1252(encodedText)) {
        if (byte < 85)
            std::abort();
    }
    if (parsiva::DecodeText(encodedText) != parsiva::FromWindows1252(kept))
        std::abort();

    // Bytes that are not valid UTF-8 must not hurt the text functions either.
    parsiva::DecodeText(parsiva::EncodeText(bytes));
    return 0;
}
