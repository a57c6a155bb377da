#pragma once

#include <string>
#include <string_view>

#include "platform/core/Exception.h"
#include "platform/core/Persistent.h"

// An index outside a string list.
class EStringListError : public Exception {
public:
    using Exception::Exception;
};

// A list of GBK text lines. The storage is the derived class's (a plain list, the lines of a
// memo); this base gives the operations built on it.
//
// Text is the lines joined with CR LF (no break after the last line). Setting Text splits at
// every CR LF, lone CR and lone LF, so reading Text back gives the same text with its breaks
// made CR LF; the empty text is no lines at all.
class TStrings : public TPersistent {
public:
    std::string ClassName() const override { return "TStrings"; }

    virtual int Count() const = 0;
    std::string Strings(int index) const { return Get(index); }
    void SetStrings(int index, const std::string& value) { Put(index, value); }
    std::string operator[](int index) const { return Get(index); }

    // Appends a line; returns its index.
    virtual int Add(const std::string& line);
    virtual void Insert(int index, const std::string& line) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    void AddStrings(const TStrings& source);
    // Index of the first line equal to line (byte for byte), -1 when there is none.
    int IndexOf(std::string_view line) const;

    std::string Text() const;
    void SetText(std::string_view text);

    // Groups changes: a derived list reports a batch of changes once, at the last EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    bool Equals(const TStrings& other) const;
    // Copies the lines of another string list; false for other sources.
    bool Assign(const TPersistent& source) override;

protected:
    TStrings() = default;
    TStrings(const TStrings&) = default;
    TStrings& operator=(const TStrings&) = default;

    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& line);
    // Called when the update count leaves 0 (true) and comes back to 0 (false).
    virtual void SetUpdateState(bool updating) { (void)updating; }
    [[noreturn]] static void IndexError(int index);

private:
    int FUpdateCount = 0;
};
