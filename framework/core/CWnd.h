#pragma once

#include "framework/core/NativeWindow.h"

// Command routing by identifier: a class answers the identifiers in its map.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    // Runs the handler for `id` when `execute` is set; says whether one exists.
    virtual bool OnCmdMsg(int id, bool execute);
};

template <class Target>
struct CommandMapEntry {
    int id;
    void (Target::*handler)();
};

// One lookup for every message map.
template <class Target, std::size_t N>
bool DispatchCommand(Target& target, const CommandMapEntry<Target> (&map)[N], int id, bool execute) {
    for (const CommandMapEntry<Target>& entry : map) {
        if (entry.id != id) continue;
        if (execute) (target.*entry.handler)();
        return true;
    }
    return false;
}

class CWnd : public CCmdTarget {
public:
    // Set while the window exists.
    NativeWindow* m_hWnd = nullptr;

    // Help topic for this window's contents; 0 for none.
    virtual unsigned GetHelpContext() const { return 0; }
};
