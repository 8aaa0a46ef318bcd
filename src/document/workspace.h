#pragma once
// The program's radio data for the whole run: the current document and its saved copy, the
// band text and limits that follow the current work mode, the file name and the radio image.

#include <memory>
#include <string>

#include "document/document.h"
#include "data/comm_operation.h"
#include "data/frequency.h"
#include "data/radio_image.h"

namespace mv52 {

struct Workspace {
    Document current;
    Document saved;
    RadioImage image;

    std::string bandText = kBandTextOther;
    BandLimits bandLimits = deriveBandLimits(kBandTextOther);
    std::string modelType = kModelType;   // the model the program serves
    std::string secondModel = kModelType;  // written into the radio information
    std::string firmwareVersion = "V200";

    bool untitled = true;
    std::string fileName = "new.dat";
    CommOperation commOperation = CommOperation::None;

    // The band text of the current work mode, and the limits parsed from it.
    void setBandFromWorkMode();
    void setBandText(const std::string& text);

    // Too large for the stack: hold it on the heap.
    static std::unique_ptr<Workspace> create() { return std::make_unique<Workspace>(); }
};

}  // namespace mv52
