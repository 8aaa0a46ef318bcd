#include "app/child_windows.h"

#include <algorithm>

namespace mv52 {

ChildWindowRegistry::Entry* ChildWindowRegistry::entry(const std::string& name) {
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.name == name; });
    return it == entries_.end() ? nullptr : &*it;
}

const ChildWindowRegistry::Entry* ChildWindowRegistry::entry(const std::string& name) const {
    const auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.name == name; });
    return it == entries_.end() ? nullptr : &*it;
}

void ChildWindowRegistry::define(const std::string& name, Factory factory) {
    if (Entry* e = entry(name))
        e->factory = std::move(factory);
    else
        entries_.push_back({name, std::move(factory), nullptr, 0});
}

bool ChildWindowRegistry::defined(const std::string& name) const {
    const Entry* e = entry(name);
    return e != nullptr && static_cast<bool>(e->factory);
}

ChildOpenResult ChildWindowRegistry::open(const std::string& name) {
    Entry* e = entry(name);
    if (e == nullptr || !e->factory) return ChildOpenResult::Unavailable;
    if (e->window != nullptr) {
        e->window->focus();
        return ChildOpenResult::Focused;
    }
    // A copy: the factory may define windows itself, which can move the entries.
    const Factory factory = e->factory;
    ChildWindow* made = factory();
    if (made == nullptr) return ChildOpenResult::Unavailable;
    e = entry(name);
    e->window = made;
    e->openedAt = ++openings_;
    if (cascade_) cascade_();
    return ChildOpenResult::Opened;
}

void ChildWindowRegistry::closeAll() {
    std::vector<Entry*> open;
    for (Entry& e : entries_)
        if (e.window != nullptr) open.push_back(&e);
    std::sort(open.begin(), open.end(), [](const Entry* a, const Entry* b) { return a->openedAt < b->openedAt; });
    std::vector<ChildWindow*> windows;
    for (Entry* e : open) {
        windows.push_back(e->window);
        e->window = nullptr;
    }
    // Forgotten before they close, so that a window reporting its close finds nothing to do.
    for (ChildWindow* w : windows) w->close();
}

void ChildWindowRegistry::commitPendingEdits() {
    std::vector<ChildWindow*> windows;
    for (const Entry& e : entries_)
        if (e.window != nullptr) windows.push_back(e.window);
    for (ChildWindow* w : windows) w->commitPendingEdit();
}

void ChildWindowRegistry::windowClosed(const ChildWindow* window) {
    if (window == nullptr) return;
    for (Entry& e : entries_)
        if (e.window == window) e.window = nullptr;
}

ChildWindow* ChildWindowRegistry::find(const std::string& name) const {
    const Entry* e = entry(name);
    return e == nullptr ? nullptr : e->window;
}

std::vector<std::string> ChildWindowRegistry::openNames() const {
    std::vector<const Entry*> open;
    for (const Entry& e : entries_)
        if (e.window != nullptr) open.push_back(&e);
    std::sort(open.begin(), open.end(), [](const Entry* a, const Entry* b) { return a->openedAt < b->openedAt; });
    std::vector<std::string> names;
    for (const Entry* e : open) names.push_back(e->name);
    return names;
}

}  // namespace mv52
