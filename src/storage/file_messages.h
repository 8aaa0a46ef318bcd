#pragma once
// The texts that tell the user what happened to a file, beyond the bare "file error.": the
// file and the system's reason, and what a load found and said.

#include <string>

#include "data/durable_files.h"
#include "lang/language.h"

namespace mv52 {

// "PATH: reason", e.g. "/tmp/x.dat: permission denied".
std::string fileFailureText(const FileFailure& failure, LanguageIndex language);

// The channel file lacked `missing` of the records the data file counts.
std::string missingChannelsText(const std::string& channelPath, int missing, LanguageIndex language);

// A leftover of an interrupted save that does not load was moved to `newName`.
std::string setAsideText(const std::string& newName, LanguageIndex language);

// Asked before Save overwrites a pair another program wrote since it was opened or saved here
// (Yes overwrites, No saves under another name, Cancel does nothing).
std::string changedOnDiskQuestion(const std::string& fileName, LanguageIndex language);

// Asked before a write of a document whose channel file lacked channels (OK writes).
std::string writeWithMissingChannelsQuestion(LanguageIndex language);

}  // namespace mv52
