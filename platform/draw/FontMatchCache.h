#pragma once

#include <map>
#include <optional>
#include <string>

// The font files the program's face requests resolved to, kept between runs. Asking fontconfig
// means reading its whole configuration first, which costs more than everything else the program
// does before its first window is drawn; the few requests the program makes are answered from
// this file instead, as long as nothing that could change the answers has changed since: the
// stamp records the font configuration and font folders (their modification times and the
// fontconfig settings of the environment), and every answer records its font file's size and
// modification time. A damaged, foreign or stale file is ignored and rewritten; a file that
// cannot be written only costs the next start the same work again.
struct TFontMatch {
    std::string File;    // empty: no installed face answers the request
    int Index = 0;       // face in a collection file
    bool IsBold = false; // the face has a bold design
};

class TFontMatchCache {
public:
    // path: the cache file (empty: nothing is kept); stamp: the state the answers hold for.
    TFontMatchCache(std::string path, std::string stamp);

    // The kept answer for a request, when it is still current (a File left empty says that no
    // face answers it).
    std::optional<TFontMatch> Find(const std::string& request) const;
    // Keeps an answer, also that no face answers (the file is rewritten at once; nothing is kept
    // for a font file that cannot be examined or a name that would not read back).
    void Store(const std::string& request, const TFontMatch& match);

    // $XDG_CACHE_HOME/petcalc/font-matches, else ~/.cache/petcalc/font-matches; empty without
    // either variable.
    static std::string DefaultPath();
    // The current state of the font configuration, as recorded in the stamp.
    static std::string CurrentStamp();

private:
    struct TEntry {
        TFontMatch Match;
        std::string FileState; // size and modification time of the font file when kept
    };
    void Load();
    void Save() const;

    std::string Path;
    std::string Stamp;
    std::map<std::string, TEntry> Entries;
};
