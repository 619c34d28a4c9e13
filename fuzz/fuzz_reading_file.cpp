// Any bytes as a reading file: no crash, no hang, at most five lines, none over its bound, and
// the reader stops pulling bytes once it has its lines. A name taken from the fifth line always
// agrees with line 1. The same bytes as a name, where they are UTF-8, come back exactly from the
// file written for them.
#include "core/readings/ReadingFile.h"
#include "core/readings/TextCodec.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

// Reads bytes in chunks of chunk bytes; aborts if asked again once told the bytes ended.
std::optional<parsiva::EncodedReadingLines> ReadInChunks(std::string_view bytes,
                                                         std::size_t chunk) {
    std::size_t offset = 0;
    bool pulledAfterEnd = false;
    const parsiva::ByteSource source = [&](std::span<char> buffer) -> std::optional<std::size_t> {
        if (offset == bytes.size()) {
            if (pulledAfterEnd)
                std::abort();
            pulledAfterEnd = true;
            return 0;
        }
        const std::size_t count = std::min({chunk, buffer.size(), bytes.size() - offset});
        std::memcpy(buffer.data(), bytes.data() + offset, count);
        offset += count;
        return count;
    };
    return parsiva::ReadReadingLines(source);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte sets how the bytes arrive: in chunks of 1 to 256 bytes.
    const std::size_t chunk = static_cast<std::size_t>(data[0]) + 1;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    if (const auto lines = ReadInChunks(bytes, chunk)) {
        for (std::size_t i = 0; i < lines->size(); ++i) {
            const std::size_t bound =
                i < 4 ? parsiva::MaxReadingLineBytes : parsiva::MaxExactNameLineBytes;
            if ((*lines)[i].size() > bound ||
                (*lines)[i].find_first_of("\r\n") != std::string::npos)
                std::abort();
        }
        const parsiva::OpenedReading reading = parsiva::InterpretReadingLines(*lines);
        if (reading.MonthIndex && (*reading.MonthIndex < 0 || *reading.MonthIndex > 11))
            std::abort();
        const std::string lineOne = parsiva::FromWindows1252(parsiva::DecodeBytes((*lines)[0]));
        if (reading.Name != lineOne && (!parsiva::IsValidUtf8(reading.Name) ||
                                        parsiva::NameAsReadBack(reading.Name) != lineOne))
            std::abort();
    }

    // Short enough that its first line stays within the bound, whatever it encodes to.
    if (parsiva::IsValidUtf8(bytes) && bytes.size() <= parsiva::MaxReadingLineBytes) {
        const parsiva::BirthDetails details{std::string(bytes), 23, "August", 1975};
        const std::string file = parsiva::ReadingFileBytes(details);
        const auto lines = ReadInChunks(file, chunk);
        if (!lines || parsiva::InterpretReadingLines(*lines).Name != details.Name)
            std::abort();
        if (parsiva::NameAsReadBack(details.Name) == details.Name && (*lines)[4].size() != 0)
            std::abort(); // a name the four lines keep gets no fifth line
    }
    return 0;
}
