#include "platform/draw/RealizedFont.h"

#include "platform/core/Gbk.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>

// The system's fontconfig loses a small block while it parses its own configuration files; leak
// checking in sanitizer builds leaves that library out.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PETCALC_LEAK_CHECKED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define PETCALC_LEAK_CHECKED 1
#endif
#ifdef PETCALC_LEAK_CHECKED
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
#endif

namespace {

struct TFaceRule {
    const char* Family; // fontconfig family
    bool Condensed;     // ask for the condensed width
    bool MonoStrikes;   // render monochrome from bitmap strikes at 11-16 px
};

// Program faces (lower-case UTF-8) to installed families, in order of preference.
const std::vector<TFaceRule>& RulesFor(const std::string& face) {
    static const std::vector<TFaceRule> song = {{"AR PL UMing CN", false, true},
                                                {"WenQuanYi Zen Hei Sharp", false, true},
                                                {"WenQuanYi Zen Hei", false, false}};
    static const std::vector<TFaceRule> ui = {{"DejaVu Sans", true, false},
                                              {"DejaVu Sans", false, false}};
    static const std::vector<TFaceRule> none;
    static const std::map<std::string, const std::vector<TFaceRule>*> table = {
        {"宋体", &song},        {"simsun", &song},
        {"新宋体", &song},      {"nsimsun", &song},
        {"ms sans serif", &ui}, {"tahoma", &ui},
        {"ms shell dlg", &ui},  {"ms shell dlg 2", &ui},
        {"arial", &ui},         {"microsoft sans serif", &ui}};
    auto it = table.find(face);
    return it == table.end() ? none : *it->second;
}

// Faces asked for a character the chosen faces lack.
const std::vector<TFaceRule>& FallbackRules() {
    static const std::vector<TFaceRule> rules = {{"AR PL UMing CN", false, true},
                                                 {"WenQuanYi Zen Hei Sharp", false, true},
                                                 {"DejaVu Sans", false, false}};
    return rules;
}

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

struct TFaceFile {
    std::string File;
    int Index = 0;
    bool IsBold = false;
};

FT_Library Library() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0)
            throw EFontError("The font renderer cannot be started");
        return l;
    }();
    return lib;
}

// Asks fontconfig for the family; exact: the match must really be that family.
bool FindFace(const std::string& family, bool condensed, bool bold, bool italic, bool exact,
              TFaceFile& out) {
    static bool init = FcInit() != 0;
    if (!init)
        return false;
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_OBLIQUE : FC_SLANT_ROMAN);
    if (condensed)
        FcPatternAddInteger(pat, FC_WIDTH, FC_WIDTH_CONDENSED);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pat, &result);
    FcPatternDestroy(pat);
    if (!match)
        return false;
    bool ok = true;
    if (exact) {
        ok = false;
        FcChar8* fam = nullptr;
        for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &fam) == FcResultMatch; ++i)
            if (Lower(reinterpret_cast<const char*>(fam)) == Lower(family))
                ok = true;
        if (condensed) {
            int width = 0;
            if (FcPatternGetInteger(match, FC_WIDTH, 0, &width) != FcResultMatch ||
                width != FC_WIDTH_CONDENSED)
                ok = false;
        }
    }
    FcChar8* file = nullptr;
    int index = 0;
    int weight = 0;
    if (ok && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
        out.File = reinterpret_cast<const char*>(file);
        out.Index = index;
        // fontconfig marks a regular face it would embolden as bold: that face needs our
        // synthetic bold.
        FcBool embolden = FcFalse;
        FcPatternGetBool(match, FC_EMBOLDEN, 0, &embolden);
        out.IsBold = weight >= FC_WEIGHT_DEMIBOLD && !embolden;
    } else {
        ok = false;
    }
    FcPatternDestroy(match);
    return ok;
}

// A font file read piece by piece as the renderer asks for tables and glyphs. Mapping the file
// would be simpler, but every touch of a mapping brings in its neighbouring pages as well: a
// window's worth of Chinese characters scattered over a 20 MB collection kept about 6 MB of it
// resident, against a few hundred kilobytes of tables read this way.
class TFontFile {
public:
    TFontFile() = default;
    TFontFile(const TFontFile&) = delete;
    TFontFile& operator=(const TFontFile&) = delete;
    ~TFontFile() {
        if (Fd >= 0)
            close(Fd);
    }

    bool Open(const std::string& file) {
        Fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat st {};
        if (Fd < 0 || fstat(Fd, &st) != 0 || st.st_size <= 0)
            return false;
        Stream.size = static_cast<unsigned long>(st.st_size);
        Stream.descriptor.value = Fd;
        Stream.read = &TFontFile::Read;
        return true;
    }
    FT_Stream Get() { return &Stream; }

private:
    // Reads count bytes at offset (a zero count only seeks: nothing to do).
    static unsigned long Read(FT_Stream stream, unsigned long offset, unsigned char* buffer,
                              unsigned long count) {
        unsigned long done = 0;
        while (done < count) {
            ssize_t n = pread(int(stream->descriptor.value), buffer + done, count - done,
                              off_t(offset + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += static_cast<unsigned long>(n);
        }
        return done;
    }

    int Fd = -1;
    FT_StreamRec Stream{};
};

// A face of a font file, open once for the whole process: every realized font that uses it (each
// size, bold or not) shares it through a size object of its own, so the tables the renderer
// reads from the file (character map, metrics, bitmap-strike index) are held once.
struct TOpenFace {
    TFontFile Source; // outlives Face, which reads from it
    FT_Face Face = nullptr;
    ~TOpenFace() {
        if (Face)
            FT_Done_Face(Face);
    }
};

std::map<std::pair<std::string, int>, std::weak_ptr<TOpenFace>>& FacesOfFiles() {
    static std::map<std::pair<std::string, int>, std::weak_ptr<TOpenFace>> open;
    return open;
}

std::shared_ptr<TOpenFace> OpenFace(const std::string& file, int index) {
    auto& slot = FacesOfFiles()[{file, index}];
    if (auto face = slot.lock())
        return face;
    auto face = std::make_shared<TOpenFace>();
    FT_Open_Args args{};
    args.flags = FT_OPEN_STREAM;
    args.stream = face->Source.Get();
    if (!face->Source.Open(file) || FT_Open_Face(Library(), &args, index, &face->Face) != 0)
        return nullptr;
    slot = face;
    return face;
}

} // namespace

struct TRealizedFont::TFace {
    std::shared_ptr<TOpenFace> Shared;
    FT_Face Face = nullptr; // Shared's face
    FT_Size Size = nullptr; // this font's pixel size on it
    std::string File;
    int Index = 0;         // face in a collection file
    bool Mono = false;     // 1-bit rendering at this size
    bool Embolden = false; // bold asked of a face that has no bold design
    ~TFace() {
        if (Size)
            FT_Done_Size(Size);
    }
};

TRealizedFont::~TRealizedFont() = default;

std::size_t TRealizedFont::OpenFontFaces() {
    return std::size_t(std::count_if(FacesOfFiles().begin(), FacesOfFiles().end(),
                                     [](const auto& entry) { return !entry.second.expired(); }));
}

const std::string& TRealizedFont::PrimaryFile() const {
    return Faces.front()->File;
}

std::shared_ptr<TRealizedFont> TRealizedFont::Get(const TLogFont& lf) {
    using TKey = std::tuple<std::string, int, bool, bool>;
    static std::map<TKey, std::shared_ptr<TRealizedFont>> cache;
    TKey key{Lower(lf.FaceName), lf.Height == 0 ? -11 : lf.Height, lf.Weight >= 600, lf.Italic};
    auto it = cache.find(key);
    if (it != cache.end())
        return it->second;
    std::shared_ptr<TRealizedFont> font(new TRealizedFont());
    font->Open(lf);
    cache.emplace(key, font);
    return font;
}

// The program's texts are Chinese. Without any installed face that has Chinese characters they
// are drawn with what there is (as boxes); the user learns why once, on the error output.
void TRealizedFont::TellOnceWhenChineseIsMissing() const {
    static bool told = false;
    if (told)
        return;
    constexpr FT_ULong kZhong = 0x4E2D; // 中
    for (const auto& f : Faces)
        if (FT_Get_Char_Index(f->Face, kZhong) != 0)
            return;
    told = true;
    const char* family = Faces.front()->Face->family_name;
    std::fprintf(stderr,
                 "%s: no font with Chinese characters is installed; the texts are drawn with "
                 "\"%s\" instead (install fonts-arphic-uming or fonts-wqy-zenhei)\n",
                 program_invocation_short_name, family ? family : "?");
    std::fflush(stderr);
}

// Opens one face of a choice at the font's size; the first face opened sets the size.
bool TRealizedFont::AddFace(const std::string& file, int index, bool isBold, bool monoStrikes) {
    for (const auto& f : Faces)
        if (f->File == file && f->Index == index)
            return false;
    auto f = std::make_unique<TFace>();
    f->Shared = OpenFace(file, index);
    if (!f->Shared || FT_New_Size(f->Shared->Face, &f->Size) != 0)
        return false;
    f->Face = f->Shared->Face;
    FT_Activate_Size(f->Size);
    f->File = file;
    f->Index = index;
    f->Embolden = Bold && !isBold;
    if (Faces.empty()) {
        int em = -Height;
        if (Height > 0) {
            const TT_OS2* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(f->Face, FT_SFNT_OS2));
            int cell = os2 && os2->usWinAscent + os2->usWinDescent > 0
                           ? os2->usWinAscent + os2->usWinDescent
                           : f->Face->ascender - f->Face->descender;
            em =
                cell > 0 ? int(std::lround(double(Height) * f->Face->units_per_EM / cell)) : Height;
        }
        EmPixels = std::max(1, em);
    }
    if (FT_Set_Pixel_Sizes(f->Face, 0, FT_UInt(EmPixels)) != 0)
        return false;
    f->Mono = monoStrikes && EmPixels >= 11 && EmPixels <= 16;
    Faces.push_back(std::move(f));
    return true;
}

bool TRealizedFont::AddRule(const char* family, bool condensed, bool monoStrikes, bool exact) {
    TFaceFile f;
    return FindFace(family, condensed, Bold, Italic, exact, f) &&
           AddFace(f.File, f.Index, f.IsBold, monoStrikes);
}

// The next face asked for characters the open faces lack; false when there is none left.
bool TRealizedFont::OpenNextFallback() {
    const auto& rules = FallbackRules();
    while (NextFallback < rules.size()) {
        const TFaceRule& r = rules[NextFallback++];
        if (AddRule(r.Family, r.Condensed, r.MonoStrikes, true))
            return true;
    }
    return false;
}

// The face asked for is opened now; the faces that stand in for characters it lacks are opened
// only when such a character is first drawn (each costs a font match and a file mapping).
void TRealizedFont::Open(const TLogFont& lf) {
    Bold = lf.Weight >= 600;
    Italic = lf.Italic;
    // Pixel size: negative height is the em size; positive is the cell (ascent + descent).
    Height = lf.Height == 0 ? -11 : lf.Height;
    const std::string face = Lower(GbkToUtf8(lf.FaceName));
    for (const TFaceRule& r : RulesFor(face))
        if (AddRule(r.Family, r.Condensed, r.MonoStrikes, true))
            break;
    if (Faces.empty() && !face.empty())
        AddRule(lf.FaceName.c_str(), false, false, false);
    while (Faces.empty() && OpenNextFallback()) {
    }
    if (Faces.empty())
        AddRule("sans-serif", false, false, false);
    if (Faces.empty())
        throw EFontError("No usable font is installed for \"" + lf.FaceName + "\"");

    // Metrics from the primary face's design units, as the platform reports them.
    FT_Face pf = Faces.front()->Face;
    const double scale = double(EmPixels) / (pf->units_per_EM ? pf->units_per_EM : 1000);
    const TT_OS2* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(pf, FT_SFNT_OS2));
    int asc = os2 && os2->usWinAscent ? os2->usWinAscent : pf->ascender;
    int desc = os2 && os2->usWinDescent ? os2->usWinDescent : -pf->descender;
    Tm.Ascent = int(std::lround(asc * scale));
    Tm.Descent = int(std::lround(desc * scale));
    Tm.Height = Tm.Ascent + Tm.Descent;
    Tm.InternalLeading = std::max(0, Tm.Height - EmPixels);
    Tm.Weight = Bold ? FW_BOLD : FW_NORMAL;
    Tm.Italic = lf.Italic;
    Tm.CharSet = lf.CharSet;
    // The platform's "MS Sans Serif" is a raster face: no rotation, no outline paths.
    bool raster = face == "ms sans serif";
    Tm.PitchAndFamily = std::uint8_t((FT_IS_SCALABLE(pf) && !raster) ? TMPF_TRUETYPE : 0);
    int avg = os2 && os2->xAvgCharWidth > 0 ? int(std::lround(os2->xAvgCharWidth * scale)) : 0;
    Tm.AveCharWidth = avg > 0 ? avg : Glyph(U'x').Advance;
    Tm.MaxCharWidth = std::max(Tm.AveCharWidth, int(std::lround(pf->max_advance_width * scale)));
    Thickness = std::max(1, int(std::lround(pf->underline_thickness * scale)));
    UnderlinePos = std::max(1, int(std::lround(-pf->underline_position * scale)));
    if (UnderlinePos >= Tm.Descent)
        UnderlinePos = std::max(1, Tm.Descent - 1);
    StrikePos = -std::max(1, int(std::lround(Tm.Ascent * 0.3)));
}

void TRealizedFont::TrimGlyphCache() {
    if (Cache.size() >= kMaxCachedGlyphs)
        Cache.clear();
}

const TGlyph& TRealizedFont::Glyph(char32_t code) {
    auto it = Cache.find(code);
    if (it != Cache.end())
        return it->second;
    return Cache.emplace(code, Render(code)).first->second;
}

TGlyph TRealizedFont::Render(char32_t code) {
    TGlyph g;
    if (code < 0x20 || code == 0x7F)
        return g;
    TFace* face = nullptr;
    FT_UInt index = 0;
    for (std::size_t i = 0; !face; ++i) {
        if (i == Faces.size() && !OpenNextFallback())
            break;
        index = FT_Get_Char_Index(Faces[i]->Face, FT_ULong(code));
        if (index != 0)
            face = Faces[i].get();
    }
    if (!face) {
        if (code >= 0x2E80)
            TellOnceWhenChineseIsMissing();
        face = Faces.front().get(); // the face's "missing" box
        index = 0;
    }
    FT_Activate_Size(face->Size);
    FT_Int32 flags = face->Mono ? (FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) : FT_LOAD_DEFAULT;
    if (FT_Load_Glyph(face->Face, index, flags) != 0)
        return g;
    FT_GlyphSlot slot = face->Face->glyph;
    if (slot->format != FT_GLYPH_FORMAT_BITMAP &&
        FT_Render_Glyph(slot, face->Mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0)
        return g;
    g.Advance = int((slot->advance.x + 32) >> 6);
    const FT_Bitmap& bm = slot->bitmap;
    g.Left = slot->bitmap_left;
    g.Top = -slot->bitmap_top;
    g.Width = int(bm.width);
    g.Height = int(bm.rows);
    g.Coverage.assign(std::size_t(g.Width) * std::size_t(g.Height), 0);
    for (int y = 0; y < g.Height; ++y) {
        const unsigned char* src = bm.buffer + std::ptrdiff_t(y) * bm.pitch;
        std::uint8_t* dst = g.Coverage.data() + std::size_t(y) * std::size_t(g.Width);
        for (int x = 0; x < g.Width; ++x) {
            if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
                dst[x] = (src[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
            else if (bm.pixel_mode == FT_PIXEL_MODE_GRAY)
                dst[x] = src[x];
        }
    }
    if (face->Embolden && g.Width > 0) {
        // One more column of ink to the right of every inked pixel.
        std::vector<std::uint8_t> wide(std::size_t(g.Width + 1) * std::size_t(g.Height), 0);
        for (int y = 0; y < g.Height; ++y)
            for (int x = 0; x <= g.Width; ++x) {
                int a = x < g.Width ? g.Coverage[std::size_t(y * g.Width + x)] : 0;
                int b = x > 0 ? g.Coverage[std::size_t(y * g.Width + x - 1)] : 0;
                wide[std::size_t(y * (g.Width + 1) + x)] = std::uint8_t(std::max(a, b));
            }
        g.Coverage = std::move(wide);
        ++g.Width;
        ++g.Advance;
    }
    return g;
}
