#pragma once

class frmMain;

// Start-up of the program.
namespace Module1 {

// The one main window, created by Main.
inline frmMain *gMainForm = nullptr;

// Sets up the application, shows the main window and runs until it closes.
int Main(int argc, char *argv[]);

} // namespace Module1
