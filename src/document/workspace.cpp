#include "document/workspace.h"

namespace mv52 {

void Workspace::setBandText(const std::string& text) {
    bandText = text;
    bandLimits = deriveBandLimits(text);
}

void Workspace::setBandFromWorkMode() { setBandText(bandTextForWorkMode(current.header.currentWorkMode)); }

}  // namespace mv52
