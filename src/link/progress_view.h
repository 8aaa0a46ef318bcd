#pragma once
// The progress window of a transfer, seen from the link session.

#include <functional>
#include <string>

namespace mv52 {

enum class CommOperation : int;  // data/comm_operation.h

class ProgressView {
public:
    virtual ~ProgressView() = default;

    // Shows the view for `operation` (its caption follows the operation and the language),
    // with the bar at 0 and the label "0%", and calls `onLoaded` once it is on screen. A
    // modal window may not return from open() until it is closed again.
    // The port of the coming transfer ("COM34 (/dev/ttyUSB1)"), named with the operation.
    virtual void showPort(const std::string& port) { (void)port; }
    virtual void open(CommOperation operation, std::function<void()> onLoaded) = 0;
    // The transfer goes on in a second pass (the read-back after a write): the caption follows
    // `operation`, the bar goes back to 0 and the label to "0%".
    virtual void beginPass(CommOperation operation) = 0;
    // Sets the bar to `percent` (0-100) and the label to its decimal text and "%" ("37%").
    virtual void setProgress(int percent) = 0;
    virtual bool visible() const = 0;
    // Also called when the session ends because the user closed the view; closing a view
    // that is already closed does nothing.
    virtual void close() = 0;
};

}  // namespace mv52
