#pragma once

// The program's start-up and shutdown, in the order main() runs them.

#include <exception>
#include <functional>

// Prepares the framework's globals before anything else runs.
void Initialize();
// Installs the exception helper, runs start-up and then the event loop;
// returns when the loop has ended or start-up has failed.
void Main();
// Start-up, run by the framework's initialisation: the application object
// with its menu bar, then the game window.
void Startup();
void NewAppInstance();
void MakeDefaultView();
// Releases the program's globals: the three sounds, the framework's
// windows, and last the menu bar.
void Finalize();

// Runs a call for the framework; gives back the runtime exception that
// escaped it, or nothing. Other exceptions pass on.
std::exception_ptr CallFunctionWithExceptionHandling(const std::function<void()>& call);
