#include "check.h"
#include "sysinfo.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

// The launcher's reading of a registry value: any answer code, any type code
// and any bytes in the 1024-byte buffer. GetKeyValue must give the text or
// the number the data holds, leave other types alone and refuse a buffer
// without an end; StartSysInfo must start the tool or tell the user, never
// both, never throw.
namespace {

const std::string Before = "vorher";

sysinfo::ValueRead anyRead(FuzzedDataProvider &data)
{
    sysinfo::ValueRead read;
    read.result = data.ConsumeBool() ? 0 : data.ConsumeIntegral<std::int32_t>();
    read.type = data.ConsumeIntegral<std::uint32_t>();
    const std::vector<char> bytes = data.ConsumeBytes<char>(read.data.size());
    std::copy(bytes.cbegin(), bytes.cend(), read.data.begin());
    return read;
}

void checkGetKeyValue(const sysinfo::ValueRead &read)
{
    sysinfo::Platform platform;
    platform.readValue = [&read](std::int32_t, const std::string &, const std::string &) {
        return read;
    };
    const auto zero = std::find(read.data.cbegin(), read.data.cend(), '\0');
    std::string value = Before;
    bool found = false;
    try {
        found = sysinfo::GetKeyValue(platform, sysinfo::LocalMachine, "Key", "Value", value);
    } catch (const std::invalid_argument &) {
        check(read.result == 0 && zero == read.data.cend(), "refused only a buffer without end");
        return;
    }
    check(found == (read.result == 0), "found exactly when the registry answered 0");
    if (!found) {
        check(value.empty(), "nothing found leaves no text");
    } else if (read.type == sysinfo::RegSz) {
        check(value == std::string(read.data.cbegin(), zero), "a string up to its end");
    } else if (read.type == sysinfo::RegDword) {
        std::uint32_t number = 0; // the data as the little-endian machine reads it
        std::memcpy(&number, read.data.data(), sizeof number);
        check(value == std::to_string(number), "a DWORD in decimal digits");
    } else {
        check(value == Before, "other types leave the text as it was");
    }
}

void checkStartSysInfo(const sysinfo::ValueRead &read, bool isFile, bool starts)
{
    int startCalls = 0;
    sysinfo::Platform platform{
        [&read](std::int32_t, const std::string &, const std::string &) { return read; },
        [isFile](const std::string &) { return isFile; },
        [&startCalls, starts](const std::string &) {
            ++startCalls;
            return starts;
        },
    };
    int told = 0;
    sysinfo::StartSysInfo(platform, [&told](const std::string &text) {
        check(text == sysinfo::UnavailableText, "the user is told the fixed text");
        ++told;
    });
    check(startCalls <= 1, "the tool is started at most once");
    check(told == (startCalls == 1 && starts ? 0 : 1), "started, or else the user is told once");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const bool isFile = data.ConsumeBool();
    const bool starts = data.ConsumeBool();
    const sysinfo::ValueRead read = anyRead(data);
    checkGetKeyValue(read);
    checkStartSysInfo(read, isFile, starts);
    return 0;
}
