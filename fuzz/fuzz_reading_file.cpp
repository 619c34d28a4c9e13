// Any bytes as a reading file: no crash, no hang, at most four lines, none over the bound,
// and the reader stops pulling bytes once it has its four lines.
#include "core/readings/ReadingFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte sets how the bytes arrive: in chunks of 1 to 256 bytes.
    const std::size_t chunk = static_cast<std::size_t>(data[0]) + 1;
    const char* bytes = reinterpret_cast<const char*>(data + 1);
    const std::size_t length = size - 1;
    std::size_t offset = 0;
    bool pulledAfterEnd = false;
    const parsiva::ByteSource source = [&](std::span<char> buffer) -> std::optional<std::size_t> {
        if (offset == length) {
            if (pulledAfterEnd)
                std::abort(); // asked again after being told the file ended
            pulledAfterEnd = true;
            return 0;
        }
        const std::size_t count = std::min({chunk, buffer.size(), length - offset});
        std::memcpy(buffer.data(), bytes + offset, count);
        offset += count;
        return count;
    };
    const auto lines = parsiva::ReadReadingLines(source);
    if (!lines)
        return 0;
    for (const std::string& line : *lines) {
        if (line.size() > parsiva::MaxReadingLineBytes ||
            line.find_first_of("\r\n") != std::string::npos)
            std::abort();
    }
    const parsiva::OpenedReading reading = parsiva::InterpretReadingLines(*lines);
    if (reading.MonthIndex && (*reading.MonthIndex < 0 || *reading.MonthIndex > 11))
        std::abort();
    return 0;
}
