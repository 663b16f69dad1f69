#pragma once

#include "services/clipboard.h"
#include "services/helpviewer.h"
#include "services/messageboxes.h"
#include "services/system.h"

namespace services {

// The platform services the windows reach through seams. The program passes
// the real ones; tests pass stand-ins.
struct Services
{
    MessageBoxes &messageBoxes;
    Clipboard &clipboard;
    HelpViewer &helpViewer;
    const System &system;
};

} // namespace services
