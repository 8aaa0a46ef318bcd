#pragma once
// The document the program starts with.

#include <chrono>
#include <string>

namespace mv52 {

struct Workspace;

// The built-in defaults: untitled "new.dat", CB, the default channels, the option, radio
// information, roger-beep and further option defaults. `dateStamp` is today as YYYYMMDD.
void applyDefaultDocument(Workspace& ws, const std::string& dateStamp);

// The defaults, then the new-document initial data file of `programFolder` (when it can be
// read), then the saved copy, so that the document starts unchanged.
void buildStartupDocument(Workspace& ws, const std::string& dateStamp, const std::string& programFolder);

// A date in the local time zone as YYYYMMDD, and today's.
std::string dateStampOf(std::chrono::system_clock::time_point time);
std::string todayDateStamp();

}  // namespace mv52
