#pragma once

#include <string>
#include <vector>

#include "platform/component/NotifyEvent.h"
#include "platform/component/Strings.h"

// A string list holding its own lines. OnChanging fires before a change and OnChange after it;
// between BeginUpdate and the matching EndUpdate a batch of changes fires each once (OnChanging
// at the first change, OnChange at the last EndUpdate). Nothing fires when nothing changes.
class TStringList : public TStrings {
public:
    TStringList() = default;
    TStringList(const TStringList& other);
    TStringList& operator=(const TStringList& other);

    std::string ClassName() const override { return "TStringList"; }

    int Count() const override { return int(FLines.size()); }
    void Insert(int index, const std::string& line) override;
    void Delete(int index) override;
    void Clear() override;

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    std::string Get(int index) const override;
    void Put(int index, const std::string& line) override;
    void SetUpdateState(bool updating) override;
    virtual void Changing();
    virtual void Changed();

private:
    std::vector<std::string> FLines;
    bool FBatchChanged = false;
};
