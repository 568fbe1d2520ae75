// Runs a console tool hidden and captures what it writes.
#pragma once

#include <chrono>
#include <string>

#include "pause_function.h"

// The tools' output is read in blocks of this size, with a pause after each
// block so a chatty tool cannot keep the worker spinning.
inline constexpr int kOutputBlockBytes = 4095;
inline constexpr std::chrono::milliseconds kPauseAfterOutputBlock{200};

// Runs the command line (split by the Windows rules, started directly, never
// through a shell) with standard output and error merged, and returns all it
// wrote once it has closed its output. Returns the empty text when the
// program cannot be started.
std::string RunConsoleCommand(const std::string& commandLine, const PauseFunction& pauseAfterBlock);
