#pragma once

#include <functional>

// Tells about system colour changes. Every notifier registers with one process-wide listener
// (made with the first notifier, freed with the last), which owns a hidden window that hears
// the system colour change. On a change the listener first refreshes the office-style colours,
// then calls the primary notifiers, last registered first, then the others, last registered
// first: the caches of the painters are rebuilt before any look-and-feel reports the change.
class TcxSystemPaletteChangedNotifier {
public:
    explicit TcxSystemPaletteChangedNotifier(bool isPrimary = false);
    virtual ~TcxSystemPaletteChangedNotifier();
    TcxSystemPaletteChangedNotifier(const TcxSystemPaletteChangedNotifier&) = delete;
    TcxSystemPaletteChangedNotifier& operator=(const TcxSystemPaletteChangedNotifier&) = delete;

    bool IsPrimary() const { return FIsPrimary; }
    // Makes sure the listener's window exists in the running window system (it is made with the
    // first notifier, or again in a window system started later).
    void Listen();
    // Called by the listener; calls OnSystemPaletteChanged.
    virtual void DoChanged();

    std::function<void()> OnSystemPaletteChanged;

private:
    bool FIsPrimary;
};

// The number of registered notifiers (0 when the listener does not exist).
int SystemPaletteNotifierCount();
