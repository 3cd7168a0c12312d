// The reader of the word files (coe, mif, hex): a tokenizer that skips each format's
// comments (and reads the line that gives the word length and scale shift), then each
// format's little grammar over its tokens, one at a time.
#include "WordFormats.h"

#include "CoefficientExport.h"
#include "CoefficientText.h"
#include "CoefficientTokens.h"
#include "Message.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <regex>
#include <string_view>
#include <vector>

namespace {

struct CToken {
    std::string_view text;  // empty at the end of the file
    int nLine = 0;
};

[[noreturn]] void fail(int line, const text::CMessage& why)
{
    throw CoefficientTextError(line > 0 ? text::Tr("WordFormats", "line %1: %2").arg(line).arg(why).str() : why.str());
}

using detail::quoted;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

// The tokens of a word file: words and, but in hex files, the marks = ; , (and : [ ] in mif).
class CTokens {
public:
    CTokens(std::string_view text, WordFormat format) : m_text(text), m_format(format) {}

    CToken Next();
    // The word length and scale shift the file's comment gave, once read past it.
    std::optional<int> CommentBits() const { return m_bits; }
    int CommentShift() const { return m_nShift; }

private:
    bool IsMark(char c) const;
    bool StartsComment() const;
    bool EndsWord(size_t at) const;
    void SkipBlanksAndComments();
    void SkipTo(std::string_view end);
    void LineComment();

    std::string_view m_text;
    WordFormat m_format;
    size_t m_pos = 0;
    int m_nLine = 1;
    bool m_bLineStart = true;
    std::optional<int> m_bits;
    int m_nShift = 0;
};

bool CTokens::IsMark(char c) const
{
    if (m_format == WordFormat::Hex)
        return false;
    return c == '=' || c == ';' || c == ',' || (m_format == WordFormat::Mif && (c == ':' || c == '[' || c == ']'));
}

bool CTokens::StartsComment() const
{
    const std::string_view two = m_text.substr(m_pos, 2);
    switch (m_format) {
    case WordFormat::Coe: return m_bLineStart && two[0] == ';';
    case WordFormat::Mif: return two == "--" || two[0] == '%';
    default: return two == "//" || two == "/*";
    }
}

bool CTokens::EndsWord(size_t at) const
{
    if (IsMark(m_text[at]) || isSpace(m_text[at]))
        return true;
    const std::string_view two = m_text.substr(at, 2);
    return (m_format == WordFormat::Mif && (two == "--" || two[0] == '%')) || (m_format == WordFormat::Hex && two[0] == '/');
}

CToken CTokens::Next()
{
    SkipBlanksAndComments();
    m_bLineStart = false;
    size_t end = m_pos + 1;
    if (m_pos < m_text.size() && !IsMark(m_text[m_pos]))
        while (end < m_text.size() && !EndsWord(end))
            ++end;
    end = std::min(end, m_text.size());
    for (size_t i = m_pos; i < end; ++i)
        if (detail::isBinary(m_text[i]))
            detail::failBinary(detail::placeOf(m_text, i));
    const CToken token{m_text.substr(m_pos, end - m_pos), m_nLine};
    m_pos = end;
    return token;
}

void CTokens::SkipBlanksAndComments()
{
    while (m_pos < m_text.size()) {
        if (m_text[m_pos] == '\n') {
            ++m_nLine, ++m_pos;
            m_bLineStart = true;
        } else if (isSpace(m_text[m_pos])) {
            ++m_pos;
        } else if (!StartsComment()) {
            return;
        } else if (m_text[m_pos] == '%') {
            ++m_pos, SkipTo("%");
        } else if (m_text.substr(m_pos, 2) == "/*") {
            m_pos += 2, SkipTo("*/");
        } else {
            LineComment();
        }
    }
}

void CTokens::SkipTo(std::string_view end)
{
    const size_t found = m_text.find(end, m_pos);
    if (found == std::string_view::npos)
        fail(m_nLine, text::Tr("WordFormats", "a comment is not closed"));
    for (; m_pos < found + end.size(); ++m_pos)
        m_nLine += m_text[m_pos] == '\n' ? 1 : 0;
}

// A comment to the end of the line; the line "words of B bits, scale shift K" is read.
void CTokens::LineComment()
{
    const size_t end = std::min(m_text.find('\n', m_pos), m_text.size());
    const std::string line(m_text.substr(m_pos, std::min<size_t>(end - m_pos, 200)));
    static const std::regex marker(R"(words of (\d{1,2}) bits, scale shift (\d{1,4})\s*$)");
    std::smatch m;
    if (std::regex_search(line, m, marker)) {
        m_bits = std::stoi(m[1]);
        m_nShift = std::stoi(m[2]);
        if (*m_bits < kMinWordBits || *m_bits > kMaxWordBits || m_nShift > 1024)
            fail(m_nLine, text::Tr("WordFormats", "the word length or scale shift of the comment is out of range"));
    }
    m_pos = end;
}

// A word as read: its digits, radix and line, turned into a value once the length is known.
struct CWord {
    std::string digits;
    int nRadix = 10;
    bool bSigned = true;  // decimal with an optional minus; else a two's-complement pattern
    int nLine = 0;
};

class CWordReader {
public:
    CWordReader(std::string_view text, WordFormat format, std::optional<int> bits)
        : m_tokens(text, format), m_format(format), m_bits(bits)
    {
    }
    CRealArray Read();

private:
    void ReadCoe();
    void ReadMif();
    void ReadHex();
    void MifHeader(std::string_view key, const CToken& value);
    void MifContent();
    void MifEntry(const CToken& address);
    CToken Expect(std::string_view what);
    void Push(const CToken& token, int radix, bool isSigned);
    size_t Count(const CToken& token, int radix) const;
    std::int64_t Value(const CWord& word, int bits) const;

    CTokens m_tokens;
    WordFormat m_format;
    std::optional<int> m_bits;
    std::vector<CWord> m_words;
    // mif: the depth, the data radix and which addresses were given
    size_t m_nDepth = 0;
    int m_nDataRadix = 16;
    bool m_bDataSigned = false;
    int m_nAddressRadix = 10;
    std::vector<bool> m_given;
};

// a and b equal but for the case of ASCII letters.
bool same(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

CToken CWordReader::Expect(std::string_view what)
{
    const CToken token = m_tokens.Next();
    if (!same(token.text, what))
        fail(token.nLine, text::Tr("WordFormats", "%1 where \"%2\" was expected")
                              .arg(token.text.empty() ? std::string("the end of the file") : quoted(token.text))
                              .arg(std::string(what)));
    return token;
}

void CWordReader::Push(const CToken& token, int radix, bool isSigned)
{
    if (m_words.size() == static_cast<size_t>(kMaxFilterLength))
        fail(token.nLine, text::Tr("WordFormats", "more than %1 values").arg(kMaxFilterLength));
    std::string digits;
    for (const char c : token.text)
        if (c != '_')
            digits += c;
    m_words.push_back({digits, radix, isSigned, token.nLine});
}

size_t CWordReader::Count(const CToken& token, int radix) const
{
    size_t value = 0;
    const auto [end, error] = std::from_chars(token.text.data(), token.text.data() + token.text.size(), value, radix);
    if (error != std::errc() || end != token.text.data() + token.text.size())
        fail(token.nLine, text::Tr("WordFormats", "%1 is not a whole number").arg(quoted(token.text)));
    return value;
}

std::int64_t CWordReader::Value(const CWord& word, int bits) const
{
    const std::int64_t top = std::int64_t(1) << bits;
    std::int64_t value = 0;
    const char* first = word.digits.data();
    const char* last = first + word.digits.size();
    const auto [end, error] = std::from_chars(first + (word.bSigned && *first == '+'), last, value, word.nRadix);
    const bool inRange = word.bSigned ? value >= -top / 2 && value < top / 2 : value >= 0 && value < top;
    if (error != std::errc() || end != last || !inRange)
        fail(word.nLine, text::Tr("WordFormats", "\"%1\" is not a word of %2 bits").arg(word.digits.substr(0, 40)).arg(bits));
    return !word.bSigned && value >= top / 2 ? value - top : value;
}

void CWordReader::ReadCoe()
{
    for (CToken key = m_tokens.Next(); !key.text.empty(); key = m_tokens.Next()) {
        Expect("=");
        if (same(key.text, "radix") || same(key.text, "memory_initialization_radix")) {
            const CToken radix = m_tokens.Next();
            if (radix.text != "10" && radix.text != "16")
                fail(radix.nLine, text::Tr("WordFormats", "the radix %1 is not read; only 10 and 16 are").arg(quoted(radix.text)));
            m_nDataRadix = radix.text == "10" ? 10 : 16;
            Expect(";");
            continue;
        }
        const bool data = same(key.text, "coefdata") || same(key.text, "memory_initialization_vector");
        CToken token = m_tokens.Next();
        for (; !token.text.empty() && token.text != ";"; token = m_tokens.Next())
            if (data && token.text != ",")
                Push(token, m_nDataRadix, m_nDataRadix == 10);
        if (token.text.empty())
            fail(token.nLine, text::Tr("WordFormats", "the statement %1 is not ended by \";\"").arg(quoted(key.text)));
    }
}

void CWordReader::ReadMif()
{
    for (CToken key = m_tokens.Next();; key = m_tokens.Next()) {
        if (key.text.empty())
            fail(key.nLine, text::Tr("WordFormats", "there is no \"CONTENT BEGIN\""));
        if (same(key.text, "CONTENT")) {
            Expect("BEGIN");
            MifContent();
            return;
        }
        Expect("=");
        MifHeader(key.text, m_tokens.Next());
        Expect(";");
    }
}

void CWordReader::MifHeader(std::string_view key, const CToken& value)
{
    static const struct {
        const char* name;
        int radix;
        bool isSigned;
    } radixes[] = {{"HEX", 16, false}, {"DEC", 10, true}, {"UNS", 10, false}, {"BIN", 2, false}, {"OCT", 8, false}};
    if (same(key, "WIDTH")) {
        m_bits = static_cast<int>(Count(value, 10));
        if (*m_bits < kMinWordBits || *m_bits > kMaxWordBits)
            fail(value.nLine, text::Tr("WordFormats", "the width %1 is not %2 to %3 bits").arg(*m_bits).arg(kMinWordBits).arg(kMaxWordBits));
    } else if (same(key, "DEPTH")) {
        m_nDepth = Count(value, 10);
        if (m_nDepth < 1 || m_nDepth > static_cast<size_t>(kMaxFilterLength))
            fail(value.nLine, text::Tr("WordFormats", "the depth %1 is not 1 to %2").arg(m_nDepth).arg(kMaxFilterLength));
    } else if (same(key, "ADDRESS_RADIX") || same(key, "DATA_RADIX")) {
        for (const auto& r : radixes)
            if (same(value.text, r.name)) {
                (same(key, "DATA_RADIX") ? m_nDataRadix : m_nAddressRadix) = r.radix;
                if (same(key, "DATA_RADIX"))
                    m_bDataSigned = r.isSigned;
                return;
            }
        fail(value.nLine, text::Tr("WordFormats", "the radix %1 is not known").arg(quoted(value.text)));
    }
}

void CWordReader::MifContent()
{
    if (m_nDepth == 0 || !m_bits)
        fail(0, text::Tr("WordFormats", "WIDTH and DEPTH must come before the content"));
    m_words.assign(m_nDepth, CWord());
    m_given.assign(m_nDepth, false);
    for (CToken address = m_tokens.Next(); !same(address.text, "END"); address = m_tokens.Next()) {
        if (address.text.empty())
            fail(address.nLine, text::Tr("WordFormats", "the content is not ended by \"END;\""));
        MifEntry(address);
    }
    Expect(";");
    for (size_t a = 0; a < m_nDepth; ++a)
        if (!m_given[a])
            fail(0, text::Tr("WordFormats", "address %1 is given no value").arg(a));
}

// "A : V;", "A : V1 V2 ...;" (consecutive addresses) or "[A..B] : V;" (one value for all).
void CWordReader::MifEntry(const CToken& address)
{
    size_t first = 0, last = 0;
    bool range = address.text == "[";
    if (range) {
        const CToken span = m_tokens.Next();
        const size_t dots = span.text.find("..");
        if (dots == std::string_view::npos)
            fail(span.nLine, text::Tr("WordFormats", "%1 is not a range of addresses").arg(quoted(span.text)));
        first = Count({span.text.substr(0, dots), span.nLine}, m_nAddressRadix);
        last = Count({span.text.substr(dots + 2), span.nLine}, m_nAddressRadix);
        Expect("]");
    } else {
        first = last = Count(address, m_nAddressRadix);
    }
    Expect(":");
    size_t at = first;
    for (CToken value = m_tokens.Next(); value.text != ";"; value = m_tokens.Next(), ++at) {
        if (value.text.empty())
            fail(value.nLine, text::Tr("WordFormats", "the entry is not ended by \";\""));
        for (size_t a = at; a <= (range ? last : at); ++a) {
            if (a >= m_nDepth || m_given[a])
                fail(value.nLine, text::Tr("WordFormats", "address %1 is outside the depth or given twice").arg(a));
            m_given[a] = true;
            m_words[a] = {std::string(value.text), m_nDataRadix, m_bDataSigned, value.nLine};
        }
    }
}

void CWordReader::ReadHex()
{
    for (CToken word = m_tokens.Next(); !word.text.empty(); word = m_tokens.Next()) {
        if (word.text[0] == '@')
            fail(word.nLine, text::Tr("WordFormats", "addresses (%1) are not read").arg(quoted(word.text)));
        Push(word, 16, false);
    }
}

CRealArray CWordReader::Read()
{
    const std::optional<int> given = m_bits;
    if (m_format == WordFormat::Coe)
        ReadCoe();
    else if (m_format == WordFormat::Mif)
        ReadMif();
    else
        ReadHex();
    if (m_words.empty())
        fail(0, text::Tr("WordFormats", "the file holds no value"));
    const std::optional<int> bits = m_format == WordFormat::Mif ? m_bits : m_tokens.CommentBits() ? m_tokens.CommentBits() : given;
    if (!bits)
        throw WordLengthMissing(text::Tr("WordFormats", "the file does not state its word length (filter-cli: --bits)"));
    CRealArray values(static_cast<int>(m_words.size()));
    for (size_t i = 0; i < m_words.size(); ++i)
        values[static_cast<int>(i)] = std::ldexp(static_cast<double>(Value(m_words[i], *bits)), m_tokens.CommentShift() - (*bits - 1));
    return values;
}

}  // namespace

CRealArray ParseWordFile(std::string_view text, WordFormat format, std::optional<int> bits)
{
    return CWordReader(text, format, bits).Read();
}
