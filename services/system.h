#pragma once

// Where the operating system keeps its system information tool, and how to
// start it. Plain C++, so that the launcher also builds for Windows without Qt.

#include <string>

namespace services {

class System
{
public:
    virtual ~System() = default;
    // Where the system keeps the tool: a program's path, or a desktop entry.
    // Empty when it has none.
    virtual std::string findTool() const = 0;
    // Starts the tool that findTool found as a program of its own, without
    // waiting for it; false when it cannot be started.
    virtual bool startTool(const std::string &tool) const = 0;
};

// The system the program was built for; one source file per platform.
class NativeSystem final : public System
{
public:
    std::string findTool() const override;
    bool startTool(const std::string &tool) const override;
};

} // namespace services
