// The case reader on any bytes: a message or a case, never a crash or a
// hang; and a case it reads, written again, reads back the same.

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

#include "core/reading/casefile.h"
#include "tests/support/properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using properties::Require;
    const std::string file(reinterpret_cast<const char*>(data), size);
    for (const char* separator : {".", ","}) {
        const auto read = core::ReadCase(file, separator);
        if (const auto* message = std::get_if<std::string>(&read)) {
            Require(!message->empty(), "an empty message", file);
            continue;
        }
        const core::CaseWindows& windows = std::get<core::CaseWindows>(read);
        const auto again = core::ReadCase(core::WriteCase(windows, separator, "2026-12-09T10:00:00Z"), separator);
        Require(std::holds_alternative<core::CaseWindows>(again) && std::get<core::CaseWindows>(again) == windows,
                "a case written again reads back otherwise", file);
    }
    return 0;
}
