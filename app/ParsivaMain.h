#pragma once

// The whole run of the program: the command line, the application, the real services, start-up
// and the event loop. Returns the process's exit status.
int ParsivaMain(int argc, char* argv[]);
