#include "platform/component/Strings.h"

int TStrings::Add(const std::string& line) {
    int index = Count();
    Insert(index, line);
    return index;
}

void TStrings::Put(int index, const std::string& line) {
    if (index < 0 || index >= Count())
        IndexError(index);
    BeginUpdate();
    Delete(index);
    Insert(index, line);
    EndUpdate();
}

void TStrings::AddStrings(const TStrings& source) {
    // The count is taken first, so adding a list to itself doubles it once.
    int n = source.Count();
    BeginUpdate();
    for (int i = 0; i < n; ++i)
        Add(source.Get(i));
    EndUpdate();
}

int TStrings::IndexOf(std::string_view line) const {
    for (int i = 0; i < Count(); ++i)
        if (Get(i) == line)
            return i;
    return -1;
}

std::string TStrings::Text() const {
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += Get(i);
    }
    return text;
}

void TStrings::SetText(std::string_view text) {
    BeginUpdate();
    Clear();
    if (!text.empty()) {
        std::size_t start = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '\r' && text[i] != '\n')
                continue;
            Add(std::string(text.substr(start, i - start)));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        Add(std::string(text.substr(start)));
    }
    EndUpdate();
}

void TStrings::BeginUpdate() {
    if (FUpdateCount++ == 0)
        SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (FUpdateCount == 0)
        return;
    if (--FUpdateCount == 0)
        SetUpdateState(false);
}

bool TStrings::Equals(const TStrings& other) const {
    if (Count() != other.Count())
        return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != other.Get(i))
            return false;
    return true;
}

bool TStrings::Assign(const TPersistent& source) {
    auto* other = dynamic_cast<const TStrings*>(&source);
    if (other == nullptr)
        return false;
    if (other == this)
        return true;
    BeginUpdate();
    Clear();
    AddStrings(*other);
    EndUpdate();
    return true;
}

void TStrings::IndexError(int index) {
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}
