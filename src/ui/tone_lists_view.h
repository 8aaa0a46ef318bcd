#pragma once
// A window with lists that name roger-beep entries or DTMF memories (the channel window, the
// optional-features window). After a change of those tables, the roger-beep and DTMF windows
// have every open window of this kind refill its lists.

namespace mv52 {

class ToneListsView {
public:
    virtual ~ToneListsView() = default;
    // The roger lists, from the entries that are valid now.
    virtual void ShowRB() = 0;
    // The BOT, EOT and CALL lists, from the memories that are not empty now.
    virtual void ShowDTMF() = 0;
};

}  // namespace mv52
