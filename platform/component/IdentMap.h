#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Names of values as layouts write them: enumeration values ("poDesktopCenter"), set elements
// (value = bit index), colours ("clBtnFace"), charsets, cursors. Names compare without regard
// to ASCII case; the first name of a value is the one written.
class TIdentMap {
public:
    TIdentMap() = default;
    TIdentMap(std::initializer_list<std::pair<std::string_view, long long>> entries);

    void Add(std::string_view name, long long value);
    bool ValueOf(std::string_view name, long long& value) const;
    // nullptr when the value has no name.
    const std::string* NameOf(long long value) const;
    int Count() const { return int(Entries.size()); }
    const std::pair<std::string, long long>& Entry(int index) const {
        return Entries[std::size_t(index)];
    }

private:
    std::vector<std::pair<std::string, long long>> Entries;
};

// The colour names: clBlack ... clWhite, the system colours (clBtnFace, clWindowText...),
// clNone and clDefault.
const TIdentMap& ColorIdents();
