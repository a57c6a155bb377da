#include "platform/draw/FontMatchCache.h"

#include <dirent.h>
#include <fontconfig/fontconfig.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kHeader = "petcalc font matches 1";
constexpr std::size_t kMaxFileBytes = 64 * 1024;
constexpr std::size_t kMaxEntries = 256;
constexpr const char* kNoFace = "none"; // the file state kept for a request no face answers

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// "size:mtime" of a file, or empty when it cannot be examined.
std::string FileState(const std::string& path) {
    struct stat st {};
    if (path.empty() || stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return "";
    return std::to_string(st.st_size) + ":" + std::to_string(st.st_mtim.tv_sec) + "." +
           std::to_string(st.st_mtim.tv_nsec);
}

// Appends "path=mtime" (or "path=-" when absent) for a file or folder.
void AddPathState(std::string& out, const std::string& path) {
    struct stat st {};
    out += path;
    if (stat(path.c_str(), &st) == 0)
        out += "=" + std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
    else
        out += "=-";
    out += '\n';
}

// A font folder and the folders in it, two levels deep (a font package adds its own folder one
// or two levels below the root, which changes the modification time of the folder above it).
void AddFontTreeState(std::string& out, const std::string& root, int depth = 2) {
    AddPathState(out, root);
    if (depth == 0)
        return;
    DIR* dir = opendir(root.c_str());
    if (!dir)
        return;
    std::vector<std::string> children;
    while (dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..")
            continue;
        if (e->d_type == DT_DIR || e->d_type == DT_UNKNOWN)
            children.push_back(root + "/" + name);
    }
    closedir(dir);
    std::sort(children.begin(), children.end());
    for (const std::string& child : children) {
        struct stat st {};
        if (stat(child.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            AddFontTreeState(out, child, depth - 1);
    }
}

std::uint64_t Fnv1a(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

bool Storable(const std::string& text) {
    return text.find_first_of(std::string("\t\r\n\0", 4)) == std::string::npos;
}

bool MakeFolders(const std::string& file) {
    for (std::size_t slash = file.find('/', 1); slash != std::string::npos;
         slash = file.find('/', slash + 1)) {
        const std::string folder = file.substr(0, slash);
        if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

} // namespace

TFontMatchCache::TFontMatchCache(std::string path, std::string stamp)
    : Path(std::move(path)), Stamp(std::move(stamp)) {
    Load();
}

std::string TFontMatchCache::DefaultPath() {
    std::string base = Env("XDG_CACHE_HOME");
    if (base.empty() || base[0] != '/') {
        const std::string home = Env("HOME");
        if (home.empty() || home[0] != '/')
            return "";
        base = home + "/.cache";
    }
    return base + "/petcalc/font-matches";
}

std::string TFontMatchCache::CurrentStamp() {
    std::string state = "fontconfig " + std::to_string(FcGetVersion()) + "\n";
    for (const char* name : {"FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT", "HOME",
                             "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        state += std::string(name) + "=" + Env(name) + "\n";
    const std::string home = Env("HOME");
    std::string config = Env("XDG_CONFIG_HOME");
    if (config.empty())
        config = home + "/.config";
    std::string data = Env("XDG_DATA_HOME");
    if (data.empty())
        data = home + "/.local/share";
    std::string cache = Env("XDG_CACHE_HOME");
    if (cache.empty())
        cache = home + "/.cache";
    const std::string file = Env("FONTCONFIG_FILE");
    if (!file.empty())
        AddPathState(state, file);
    for (const std::string& path :
         {std::string("/etc/fonts/fonts.conf"), std::string("/etc/fonts/conf.d"),
          std::string("/etc/fonts/local.conf"), config + "/fontconfig",
          config + "/fontconfig/fonts.conf", config + "/fontconfig/conf.d", home + "/.fonts.conf",
          home + "/.fonts.conf.d", std::string("/var/cache/fontconfig"), cache + "/fontconfig"})
        AddPathState(state, path);
    for (const std::string& root :
         {std::string("/usr/share/fonts"), std::string("/usr/local/share/fonts"), data + "/fonts",
          home + "/.fonts"})
        AddFontTreeState(state, root);
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(Fnv1a(state)));
    return hex;
}

std::optional<TFontMatch> TFontMatchCache::Find(const std::string& request) const {
    auto it = Entries.find(request);
    if (it == Entries.end())
        return std::nullopt;
    const bool none = it->second.Match.File.empty();
    if (none ? it->second.FileState != kNoFace
             : FileState(it->second.Match.File) != it->second.FileState)
        return std::nullopt;
    return it->second.Match;
}

void TFontMatchCache::Store(const std::string& request, const TFontMatch& match) {
    const std::string state = match.File.empty() ? kNoFace : FileState(match.File);
    if (state.empty() || !Storable(request) || !Storable(match.File))
        return;
    if (Entries.size() >= kMaxEntries)
        Entries.clear();
    Entries[request] = TEntry{match, state};
    Save();
}

// Splits text at a separator.
std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t from = 0;;) {
        const std::size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at == std::string_view::npos ? at : at - from));
        if (at == std::string_view::npos)
            return parts;
        from = at + 1;
    }
}

void TFontMatchCache::Load() {
    if (Path.empty())
        return;
    // Plain file calls: the stream library's locale set-up would cost more memory than the
    // whole file.
    std::FILE* in = std::fopen(Path.c_str(), "rb");
    if (!in)
        return;
    std::string text(kMaxFileBytes + 1, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), in));
    std::fclose(in);
    if (text.size() > kMaxFileBytes || text.empty() || text.back() != '\n')
        return;
    text.pop_back();
    const std::vector<std::string_view> lines = Split(text, '\n');
    if (lines.size() < 2 || lines[0] != kHeader || lines[1] != Stamp ||
        lines.size() - 2 > kMaxEntries)
        return;
    std::map<std::string, TEntry> entries;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::vector<std::string_view> fields = Split(lines[i], '\t');
        if (fields.size() != 5 || fields[1].empty() != (fields[4] == kNoFace) ||
            (fields[3] != "0" && fields[3] != "1") || fields[2].empty() || fields[2].size() > 5 ||
            fields[2].find_first_not_of("0123456789") != std::string_view::npos)
            return; // damaged: none of it is trusted
        const int index = std::stoi(std::string(fields[2]));
        if (index > 0xFFFF)
            return;
        entries[std::string(fields[0])] =
            TEntry{{std::string(fields[1]), index, fields[3] == "1"}, std::string(fields[4])};
    }
    Entries = std::move(entries);
}

void TFontMatchCache::Save() const {
    if (Path.empty() || !MakeFolders(Path))
        return;
    std::string text = std::string(kHeader) + "\n" + Stamp + "\n";
    for (const auto& [request, entry] : Entries)
        text += request + "\t" + entry.Match.File + "\t" + std::to_string(entry.Match.Index) +
                "\t" + (entry.Match.IsBold ? "1" : "0") + "\t" + entry.FileState + "\n";
    const std::string temporary = Path + "." + std::to_string(getpid());
    std::FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out)
        return;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (std::fclose(out) != 0 || !written || std::rename(temporary.c_str(), Path.c_str()) != 0)
        std::remove(temporary.c_str());
}
