#pragma once

#include "lookandfeel/CustomLookAndFeelPainter.h"
#include "lookandfeel/LookAndFeelInterfaces.h"

#include <memory>
#include <string>
#include <vector>

class TPersistent;

struct TcxExtendedStylePainterInfo {
    std::string Name;
    TcxCustomLookAndFeelPainterClass Painter = nullptr;
    std::unique_ptr<TPersistent> Data;
};

// The registry of skin painters, kept sorted by name, and the look-and-feels that use one of
// them (told when a painter comes or goes).
class TcxExtendedStylePainters {
public:
    TcxExtendedStylePainters();
    ~TcxExtendedStylePainters();
    TcxExtendedStylePainters(const TcxExtendedStylePainters&) = delete;
    TcxExtendedStylePainters& operator=(const TcxExtendedStylePainters&) = delete;

    int Count() const { return int(FItems.size()); }
    const TcxExtendedStylePainterInfo& Items(int index) const {
        return *FItems[std::size_t(index)];
    }

    // False, and nothing registered, when a painter of that name exists (the data is freed).
    bool Register(const std::string& name, TcxCustomLookAndFeelPainterClass painter,
                  std::unique_ptr<TPersistent> data = nullptr);
    bool Unregister(const std::string& name);
    // Names match without regard to case; the first match wins.
    TcxCustomLookAndFeelPainterClass GetPainterByName(const std::string& name) const;
    const TcxExtendedStylePainterInfo* FindInfoByName(const std::string& name) const;
    std::string GetNameByPainter(TcxCustomLookAndFeelPainterClass painter) const;
    TPersistent* GetPainterData(TcxCustomLookAndFeelPainterClass painter) const;

    void AddListener(IcxLookAndFeelPainterListener* listener);
    void RemoveListener(IcxLookAndFeelPainterListener* listener);
    bool HasListener(IcxLookAndFeelPainterListener* listener) const;
    // Tells every listener, the last added first.
    void Changed(TcxCustomLookAndFeelPainterClass painter);

private:
    std::vector<std::unique_ptr<TcxExtendedStylePainterInfo>> FItems;
    std::vector<IcxLookAndFeelPainterListener*> FListeners;

    void Sort();
};

// The process-wide registry, made with the painters' process-wide state the first time it is
// asked for; nullptr once the process ends.
TcxExtendedStylePainters* GetExtendedStylePainters();
// The registry when it exists, without making it.
TcxExtendedStylePainters* ExistingExtendedStylePainters();
