#pragma once

#include <string>
#include <string_view>

#include "platform/core/Exception.h"

// A fault in a layout: syntax, unknown class or property, bad value. The message starts with
// the file name and line ("main.layout(12): ...") and names the offending word.
class EReadError : public Exception {
public:
    EReadError(const std::string& fileName, int line, const std::string& message);
    const std::string& FileName() const { return FFileName; }
    int Line() const { return FLine; }

private:
    std::string FFileName;
    int FLine;
};

// Limits on what a layout may hold; a layout beyond one is refused with an EReadError.
inline constexpr std::size_t kMaxLayoutBytes = 1024 * 1024;
inline constexpr std::size_t kMaxLayoutNameLength = 255;
inline constexpr std::size_t kMaxLayoutStringBytes = 64 * 1024; // as written in the file

enum TLayoutTokenKind {
    ltEnd,    // end of the text
    ltIdent,  // a name: letters, digits, '_' (not starting with a digit)
    ltNumber, // a decimal or 0x-hexadecimal integer, possibly negative
    ltString, // a quoted string, already converted to GBK
    ltSymbol, // one of = : . , [ ] ( ) < >
};

struct TLayoutToken {
    TLayoutTokenKind Kind = ltEnd;
    std::string Text; // name, GBK string value, or the symbol
    long long Number = 0;
    int Line = 1;

    bool IsSymbol(char c) const { return Kind == ltSymbol && Text.size() == 1 && Text[0] == c; }
    bool IsWord(std::string_view word) const { return Kind == ltIdent && Text == word; }
    // How an error message shows the token.
    std::string Describe() const;
};

// Splits layout text (UTF-8) into tokens. Blanks and line breaks separate tokens; '#' starts a
// comment running to the end of the line. Strings are double-quoted on one line, with the
// escapes \" \\ \r \n \t and \xHH (one raw byte); their text is converted to GBK, and a
// character GBK cannot hold is an error. A text longer than kMaxLayoutBytes, a name longer than
// kMaxLayoutNameLength and a string longer than kMaxLayoutStringBytes are errors.
class TLayoutLexer {
public:
    TLayoutLexer(std::string_view text, std::string fileName);

    const TLayoutToken& Peek();
    TLayoutToken Next();
    const std::string& FileName() const { return FFileName; }
    [[noreturn]] void Fail(int line, const std::string& message) const;

private:
    TLayoutToken Scan();
    void SkipBlanks();
    TLayoutToken ScanString();
    TLayoutToken ScanNumber();

    std::string_view FText;
    std::string FFileName;
    std::size_t FPos = 0;
    int FLine = 1;
    bool FHasPeek = false;
    TLayoutToken FPeek;
};
