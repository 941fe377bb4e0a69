#pragma once

#include <exception>
#include <functional>
#include <string>

namespace Runtime {
// Prepares the framework (the toolkit's application object) once; later calls do nothing.
void Init(int& argc, char** argv);
// The program's name as the desktop shows it, in the title bar of a window whose title is
// empty among other places; without it the desktop shows the executable's file name.
void ProgramName(const std::string& name);

// Runs a handler called from the event loop. An exception that escapes it goes to the report
// of an unhandled exception, after which the program shuts down as at Quit.
void Dispatch(const std::function<void()>& handler);

// The report of an unhandled exception: by default a message box naming it. Tests record.
void OnUnhandledException(
    std::function<void(const std::string& className, const std::string& message)> reporter);

// Handles the events that are waiting (deferred deletions included), for tests.
void ProcessEvents();
}  // namespace Runtime
