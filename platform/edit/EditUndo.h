#pragma once

#include <cstddef>
#include <string>

// The one change an edit can take back. A change replaced Removed by Inserted at Pos; taking it
// back replaces Inserted by Removed, which is itself a change, so a second undo redoes it, as
// users of classic edits know it.
struct TEditChange {
    std::size_t Pos = 0;
    std::string Removed;
    std::string Inserted;
};

// How a change came about. Consecutive typing, consecutive Backspaces and consecutive Deletes
// merge into one change, so one undo takes back a typed word rather than its last letter.
enum TEditChangeKind { eckOther, eckTyping, eckBackspace, eckDelete };

class TEditUndo {
public:
    bool CanUndo() const { return FCanUndo; }
    const TEditChange& Change() const { return FChange; }

    // Forgets the change (the text was replaced as a whole).
    void Reset();
    // Ends a run of typing or deleting: the next change starts a new undo step.
    void BreakRun() { FRunKind = eckOther; }
    // Records a change just made, merging it with the previous one when both belong to the same
    // run (typing on at the end of the typed text, Backspace just before the deleted text,
    // Delete at the same place).
    void Record(TEditChangeKind kind, std::size_t pos, std::string removed, std::string inserted);
    // The change to apply for an undo; afterwards the stored change is its inverse.
    TEditChange TakeUndo();

private:
    bool Merge(TEditChangeKind kind, std::size_t pos, const std::string& removed,
               const std::string& inserted);

    TEditChange FChange;
    bool FCanUndo = false;
    TEditChangeKind FRunKind = eckOther;
};
