#include "lookandfeel/SystemPaletteChangedNotifier.h"

#include "lookandfeel/HiddenUtilityWindow.h"
#include "lookandfeel/Office11Colors.h"
#include "platform/window/WinApi.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// The one listener behind all notifiers.
class TcxSystemPaletteChangedListener {
public:
    TcxSystemPaletteChangedListener()
        : FWindow("TcxSystemPaletteChangedListener", [this](UINT msg, WPARAM, LPARAM, LRESULT&) {
              if (msg == WM_SYSCOLORCHANGE)
                  Changed();
              return false; // the default procedure still sees every message
          }) {}

    void Add(TcxSystemPaletteChangedNotifier* n) {
        FNotifiers.push_back(n);
        FWindow.Ensure();
    }
    void Listen() { FWindow.Ensure(); }
    void Remove(TcxSystemPaletteChangedNotifier* n) {
        FNotifiers.erase(std::remove(FNotifiers.begin(), FNotifiers.end(), n), FNotifiers.end());
    }
    int Count() const { return int(FNotifiers.size()); }

    void Changed() {
        RefreshOffice11Colors();
        // A notifier may go away while another one runs: each call checks it is still there.
        const std::vector<TcxSystemPaletteChangedNotifier*> snapshot = FNotifiers;
        for (bool primary : {true, false}) {
            for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
                if ((*it)->IsPrimary() == primary && Registered(*it))
                    (*it)->DoChanged();
            }
        }
    }

private:
    bool Registered(TcxSystemPaletteChangedNotifier* n) const {
        return std::find(FNotifiers.begin(), FNotifiers.end(), n) != FNotifiers.end();
    }

    std::vector<TcxSystemPaletteChangedNotifier*> FNotifiers;
    THiddenUtilityWindow FWindow;
};

TcxSystemPaletteChangedListener* gListener = nullptr;

} // namespace

TcxSystemPaletteChangedNotifier::TcxSystemPaletteChangedNotifier(bool isPrimary)
    : FIsPrimary(isPrimary) {
    if (!gListener)
        gListener = new TcxSystemPaletteChangedListener;
    gListener->Add(this);
}

TcxSystemPaletteChangedNotifier::~TcxSystemPaletteChangedNotifier() {
    if (!gListener)
        return;
    gListener->Remove(this);
    if (gListener->Count() == 0) {
        delete gListener;
        gListener = nullptr;
    }
}

void TcxSystemPaletteChangedNotifier::Listen() {
    if (gListener)
        gListener->Listen();
}

void TcxSystemPaletteChangedNotifier::DoChanged() {
    if (OnSystemPaletteChanged)
        OnSystemPaletteChanged();
}

int SystemPaletteNotifierCount() {
    return gListener ? gListener->Count() : 0;
}
