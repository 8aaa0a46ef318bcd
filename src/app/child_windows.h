#pragma once
// The main window's child windows, by name: at most one window of each name is open. Opening
// a name that is open gives that window the focus; otherwise the window is made, shown and
// all child windows are cascaded. A name without a window yet (an editor still to come) can
// be opened and nothing happens.

#include <functional>
#include <utility>
#include <string>
#include <vector>

namespace mv52 {

// The window names the main window routes its commands to.
inline constexpr const char* kChannelEditorWindow = "frmCommChInfo";
inline constexpr const char* kOptionFeaturesWindow = "FrmOptFeatures";
inline constexpr const char* kChannelTableWindow = "frmChannelTable";
inline constexpr const char* kRogerBeepWindow = "FrmToneTips";
inline constexpr const char* kDtmfWindow = "FrmDTMF";

// A child window as the registry sees it. The window system owns it; it tells the registry
// when it goes away (windowClosed).
class ChildWindow {
public:
    virtual ~ChildWindow() = default;
    virtual void focus() = 0;
    // Unloads the window; it keeps every change already written to the document.
    virtual void close() = 0;
    // Writes an edit still held by an input control into the document (before a write).
    virtual void commitPendingEdit() {}
};

enum class ChildOpenResult {
    Opened,       // made and shown, then cascaded
    Focused,      // it was open already
    Unavailable,  // no window of that name exists (yet), or it could not be made
};

class ChildWindowRegistry {
public:
    // Makes and shows the window; nullptr when it cannot.
    using Factory = std::function<ChildWindow*()>;

    // `cascade` arranges all child windows; it runs after a window has been made.
    explicit ChildWindowRegistry(std::function<void()> cascade = {}) : cascade_(std::move(cascade)) {}

    // Gives `name` a window; a later definition replaces an earlier one.
    void define(const std::string& name, Factory factory);
    bool defined(const std::string& name) const;

    ChildOpenResult open(const std::string& name);
    // Every open window, in the order they were opened; the registry forgets them at once, so
    // a window of the same name can be opened again right away.
    void closeAll();
    // Before a write: every open window commits its pending edit.
    void commitPendingEdits();

    // The window went away (closed by the user, or destroyed). Unknown windows are ignored.
    void windowClosed(const ChildWindow* window);

    bool isOpen(const std::string& name) const { return find(name) != nullptr; }
    ChildWindow* find(const std::string& name) const;
    // The names of the open windows, in the order they were opened.
    std::vector<std::string> openNames() const;

private:
    struct Entry {
        std::string name;
        Factory factory;
        ChildWindow* window = nullptr;
        unsigned long long openedAt = 0;
    };
    Entry* entry(const std::string& name);
    const Entry* entry(const std::string& name) const;

    std::vector<Entry> entries_;
    std::function<void()> cascade_;
    unsigned long long openings_ = 0;
};

}  // namespace mv52
