#include "about/sysinfo.h"
#include "services/system.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

// Any type code and any 1,024 bytes of data as the registry's answer: the
// text is what precedes the first zero, and data without one is an error the
// launcher catches, never a read past the buffer.
namespace {

struct Registry : services::System
{
    services::ValueRead read;
    services::ValueRead readValue(std::int32_t, const std::string &,
                                  const std::string &) const override
    {
        return read;
    }
    bool isNormalFile(const std::string &) const override { return true; }
    bool startProgram(const std::string &) const override { return true; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    Registry registry;
    registry.read.type = data.ConsumeIntegral<std::uint32_t>();
    data.ConsumeData(registry.read.data.data(), registry.read.data.size());
    const auto *zero = static_cast<const char *>(
        std::memchr(registry.read.data.data(), 0, registry.read.data.size()));
    std::string text = "vorher";
    try {
        about::GetKeyValue(registry, 0, "Key", "Value", text);
        if (!zero || (registry.read.type == about::RegSz && text != registry.read.data.data()))
            std::abort();
    } catch (const std::invalid_argument &) {
        if (zero)
            std::abort();
    }
    if (about::StartSysInfo(registry) != (zero != nullptr))
        std::abort();
    return 0;
}
