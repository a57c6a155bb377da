#include "platform/component/StringList.h"

TStringList::TStringList(const TStringList& other) : TStrings(), FLines(other.FLines) {}

TStringList& TStringList::operator=(const TStringList& other) {
    Assign(other);
    return *this;
}

std::string TStringList::Get(int index) const {
    if (index < 0 || index >= Count())
        IndexError(index);
    return FLines[std::size_t(index)];
}

void TStringList::Put(int index, const std::string& line) {
    if (index < 0 || index >= Count())
        IndexError(index);
    if (FLines[std::size_t(index)] == line)
        return;
    Changing();
    FLines[std::size_t(index)] = line;
    Changed();
}

void TStringList::Insert(int index, const std::string& line) {
    if (index < 0 || index > Count())
        IndexError(index);
    Changing();
    FLines.insert(FLines.begin() + index, line);
    Changed();
}

void TStringList::Delete(int index) {
    if (index < 0 || index >= Count())
        IndexError(index);
    Changing();
    FLines.erase(FLines.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (FLines.empty())
        return;
    Changing();
    FLines.clear();
    Changed();
}

void TStringList::Changing() {
    if (UpdateCount() > 0) {
        if (FBatchChanged)
            return;
        FBatchChanged = true;
    }
    if (OnChanging)
        OnChanging(this);
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}

void TStringList::SetUpdateState(bool updating) {
    if (updating || !FBatchChanged)
        return;
    FBatchChanged = false;
    if (OnChange)
        OnChange(this);
}
