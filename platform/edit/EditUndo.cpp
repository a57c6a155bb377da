#include "platform/edit/EditUndo.h"

#include <utility>

void TEditUndo::Reset() {
    FChange = {};
    FCanUndo = false;
    FRunKind = eckOther;
}

bool TEditUndo::Merge(TEditChangeKind kind, std::size_t pos, const std::string& removed,
                      const std::string& inserted) {
    if (!FCanUndo || kind == eckOther || kind != FRunKind)
        return false;
    switch (kind) {
    case eckTyping:
        if (!removed.empty() || pos != FChange.Pos + FChange.Inserted.size())
            return false;
        FChange.Inserted += inserted;
        return true;
    case eckBackspace:
        if (!inserted.empty() || !FChange.Inserted.empty() || pos + removed.size() != FChange.Pos)
            return false;
        FChange.Removed.insert(0, removed);
        FChange.Pos = pos;
        return true;
    case eckDelete:
        if (!inserted.empty() || !FChange.Inserted.empty() || pos != FChange.Pos)
            return false;
        FChange.Removed += removed;
        return true;
    case eckOther:
        break;
    }
    return false;
}

void TEditUndo::Record(TEditChangeKind kind, std::size_t pos, std::string removed,
                       std::string inserted) {
    if (!Merge(kind, pos, removed, inserted)) {
        FChange.Pos = pos;
        FChange.Removed = std::move(removed);
        FChange.Inserted = std::move(inserted);
        FCanUndo = true;
    }
    FRunKind = kind;
}

TEditChange TEditUndo::TakeUndo() {
    TEditChange undo = FChange;
    std::swap(FChange.Removed, FChange.Inserted);
    FRunKind = eckOther;
    return undo;
}
