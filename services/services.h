#pragma once

#include "services/messageboxes.h"
#include "services/system.h"

namespace services {

// The platform services the windows reach through seams. The program passes
// the real ones; tests pass stand-ins.
struct Services
{
    MessageBoxes &messageBoxes;
    const System &system;
};

} // namespace services
