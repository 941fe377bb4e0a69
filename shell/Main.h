#pragma once

// The program's road from its entry to the event loop and back out; returns the exit code.
int Main(int argc, char** argv);
