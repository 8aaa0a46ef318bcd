#pragma once
// An editor window that can show the document afresh after undo or redo changed it under it.

namespace mv52 {

class DocumentView {
public:
    virtual ~DocumentView() = default;
    // Every list, value and selection shown again from the document; nothing is written.
    virtual void showDocument() = 0;
};

}  // namespace mv52
