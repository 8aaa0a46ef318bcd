#pragma once
// The reset defaults of the optional features.

namespace mv52 {

struct FurtherOptions;
struct OptionRecord;

// Reset defaults of the option record and of `txOffset`, `freqCh`, `asqLevel`, `rssiTable`;
// fields without a reset default keep their values.
void resetOptionDefaults(OptionRecord& options, FurtherOptions& further);

}  // namespace mv52
