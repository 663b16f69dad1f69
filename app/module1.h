#pragma once

// Start-up of the program.
namespace Module1 {

// Sets up the application, shows the main window and runs until it closes.
int Main(int argc, char *argv[]);

} // namespace Module1
