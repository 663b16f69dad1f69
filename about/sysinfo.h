#pragma once

// Starts the system information tool. Plain C++, so that it also builds for
// Windows without Qt.

namespace services {
class System;
}

namespace about {

// Asks the system where its tool is and starts it. False when there is none
// or it cannot be started, for whatever reason: the caller then says that the
// tool is unavailable.
bool StartSysInfo(const services::System &system);

} // namespace about
