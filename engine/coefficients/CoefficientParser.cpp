// The reader of coefficient lists: one scanner over the text, a character at a time, with
// the little grammar state it needs (first line of names, C array declaration, body).
#include "CoefficientText.h"

#include "CoefficientDeclaration.h"
#include "CoefficientNames.h"
#include "CoefficientTokens.h"
#include "Message.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

namespace {

using namespace detail;

class CScanner {
public:
    explicit CScanner(std::string_view text) : m_text(text) {}
    CRealArray Read();

private:
    // Top: between numbers. Names: the words of a first line (a header or a declaration).
    // Size, Declared, Assigned: inside "[...]", before "=", before "{". Body: inside the
    // braces. Closed: after the closing brace.
    enum class State { Top, Names, Size, Declared, Assigned, Body, Closed };

    char At(size_t i) const { return i < m_text.size() ? m_text[i] : '\0'; }
    bool StartsNumber() const;
    template <class Predicate>
    std::string_view RunOf(Predicate predicate) const;
    void Advance(size_t count);
    [[noreturn]] void Fail(const CPlace& place, const std::string& message) const;
    [[noreturn]] void Unexpected(const CPlace& place, std::string_view token) const;

    void Step(char c);
    void SkipComment();
    void SkipBlockComment();
    void Directive();
    void Number();
    double ValueOf(std::string_view token, const CPlace& place) const;
    void Word();
    void CheckNames(const CPlace& place) const;
    void Mark(char c);
    void Separator(char c, const CPlace& place);
    void StartDeclaration();
    void Size(std::string_view size, const CPlace& place);
    void Cell(const CReadValue& value);
    void Push(const CReadValue& value);
    void EndLine();
    void NoteBareValue(const CReadValue& value);
    void CountLine();
    void TakeNames();
    CRealArray Finish();

    std::string_view m_text;
    size_t m_pos = 0;
    CPlace m_place;
    State m_state = State::Top;
    std::vector<CReadValue> m_values;
    CNameLine m_names;
    // The header's columns (0: no header), which one holds the value, and the current row.
    size_t m_nColumns = 0;
    size_t m_nValueColumn = 0;
    size_t m_nRowCount = 0;
    CPlace m_rowStart;
    bool m_bSizeSeen = false;
    CDeclaration m_declaration;
    // Lines of bare numbers: how many values the current one holds, its first value, and
    // whether two of them were joined by a comma between digits ("0,1"); the count of lines
    // of one value, the first line of such a pair, and whether any line held other values.
    size_t m_nLineValues = 0;
    CReadValue m_lineFirst{0.0, {}, {}};
    std::optional<CReadValue> m_linePair;
    size_t m_nSingleLines = 0;
    std::optional<CReadValue> m_tightPair;
    bool m_bOtherLines = false;
};

bool CScanner::StartsNumber() const
{
    const char c = At(m_pos);
    const size_t next = m_pos + ((c == '+' || c == '-') ? 1 : 0);
    return isDigit(At(next)) || (At(next) == '.' && isDigit(At(next + 1)));
}

template <class Predicate>
std::string_view CScanner::RunOf(Predicate predicate) const
{
    size_t end = m_pos;
    while (end < m_text.size() && predicate(m_text[end]))
        ++end;
    return m_text.substr(m_pos, end - m_pos);
}

void CScanner::Advance(size_t count)
{
    for (const size_t end = m_pos + count; m_pos < end; ++m_pos) {
        const unsigned char c = static_cast<unsigned char>(m_text[m_pos]);
        if (c == '\n')
            m_place = CPlace{m_place.nLine + 1, 1};
        else if ((c & 0xC0) != 0x80)  // not a continuation byte of UTF-8
            ++m_place.nColumn;
    }
}

void CScanner::Fail(const CPlace& place, const std::string& message) const { failAt(place, message); }

void CScanner::Unexpected(const CPlace& place, std::string_view token) const
{
    switch (m_state) {
    case State::Size: Fail(place, text::Tr("CoefficientParser", "%1 where \"]\" was expected").arg(quoted(token)));
    case State::Declared: Fail(place, text::Tr("CoefficientParser", "%1 where \"=\" was expected").arg(quoted(token)));
    case State::Assigned: Fail(place, text::Tr("CoefficientParser", "%1 where \"{\" was expected").arg(quoted(token)));
    case State::Closed: Fail(place, text::Tr("CoefficientParser", "%1 after the end of the array").arg(quoted(token)));
    default: Fail(place, text::Tr("CoefficientParser", "%1 is not a number").arg(quoted(token)));
    }
}

CRealArray CScanner::Read()
{
    m_pos = byteOrderMarkLength(m_text);  // a UTF-8 byte-order mark begins the text, not a column
    while (m_pos < m_text.size())
        Step(m_text[m_pos]);
    return Finish();
}

void CScanner::Step(char c)
{
    if (isBinary(c))
        failBinary(m_place);
    if (c == '\n')
        EndLine();
    else if (isBlank(c))
        Advance(1);
    else if (c == '#')
        Directive();
    else if (c == '/' && At(m_pos + 1) == '/')
        SkipComment();
    else if (c == '/' && At(m_pos + 1) == '*')
        SkipBlockComment();
    else if (StartsNumber())
        Number();
    else if (isWordStart(c))
        Word();
    else
        Mark(c);
}

void CScanner::SkipComment() { Advance(RunOf([](char c) { return c != '\n'; }).size()); }

void CScanner::SkipBlockComment()
{
    const size_t end = m_text.find("*/", m_pos + 2);
    if (end == std::string_view::npos)
        Fail(m_place, text::Tr("CoefficientParser", "the comment \"/*\" is not closed"));
    Advance(end + 2 - m_pos);
}

// A "#" line: a comment, unless it defines what the declaration knows.
void CScanner::Directive()
{
    const CPlace place = m_place;
    const std::vector<std::string_view> words = firstWords(RunOf([](char c) { return c != '\n'; }).substr(1), 3);
    if (words.size() >= 2 && words[0] == "define")
        m_declaration.Define(words[1], words.size() >= 3 ? words[2] : std::string_view(), place);
    SkipComment();
}

void CScanner::Number()
{
    const CPlace place = m_place;
    const std::string_view token = RunOf(isNumberChar);
    Advance(token.size());
    const CReadValue value{ValueOf(token, place), token, place};
    if (m_state == State::Top)
        Cell(value);
    else if (m_state == State::Body)
        Push(value);
    else if (m_state == State::Size && !m_bSizeSeen)
        Size(token, place);
    else if (m_state == State::Names)
        Fail(m_names.Place(), text::Tr("CoefficientParser", "%1 is not a number").arg(quoted(m_names.FirstWord())));
    else
        Unexpected(place, token);
}

double CScanner::ValueOf(std::string_view token, const CPlace& place) const
{
    std::string_view digits = token;
    if (digits.front() == '+')
        digits.remove_prefix(1);  // from_chars takes no plus sign
    if (digits.size() > 1 && (digits.back() == 'f' || digits.back() == 'F'))
        digits.remove_suffix(1);  // C's float suffix
    double value = 0.0;
    // A constant with C's float suffix is a float, and stands for that float exactly.
    float single = 0.0f;
    const bool isFloat = digits.size() < token.size() - (token.front() == '+' ? 1 : 0);
    const auto [end, error] = isFloat ? std::from_chars(digits.data(), digits.data() + digits.size(), single)
                                      : std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (isFloat)
        value = static_cast<double>(single);
    if (error == std::errc::result_out_of_range)
        Fail(place, text::Tr("CoefficientParser", "%1 is out of the range of a double").arg(quoted(token)));
    if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
        Fail(place, text::Tr("CoefficientParser", "%1 is not a number").arg(quoted(token)));
    return value;
}

void CScanner::Word()
{
    const CPlace place = m_place;
    const std::string_view word = RunOf(isWordChar);
    Advance(word.size());
    if (m_state == State::Top && m_values.empty() && m_nColumns == 0) {
        m_state = State::Names;
        m_names.Start(word, place);
    } else if (m_state == State::Names) {
        m_names.Word(word);
        CheckNames(place);
    } else if (m_state == State::Size && !m_bSizeSeen) {
        Size(word, place);
    } else {
        Unexpected(place, word);
    }
}

// A first line of more words or columns than a file holds values cannot be a header or
// a declaration that leads to values, so it is refused where it passes that, without
// reading the rest of the line.
void CScanner::CheckNames(const CPlace& place) const
{
    const size_t most = static_cast<size_t>(kMaxFilterLength);
    if (m_names.WordCount() > most || m_names.ColumnCount() > most)
        Fail(place, text::Tr("CoefficientParser", "the first line holds more than %1 names").arg(kMaxFilterLength));
}

void CScanner::Mark(char c)
{
    const CPlace place = m_place;
    if (isSeparator(c)) {
        Advance(1);
        Separator(c, place);
        return;
    }
    const bool bareList = m_state == State::Top && m_values.empty() && m_nColumns == 0;
    State next = m_state;
    if (c == '[' && m_state == State::Names && !m_names.Separated())
        next = State::Size;
    else if (c == ']' && m_state == State::Size)
        next = State::Declared;
    else if (c == '=' && m_state == State::Declared)
        next = State::Assigned;
    else if (c == '{' && (m_state == State::Assigned || bareList))
        next = State::Body;
    else if (c == '}' && m_state == State::Body)
        next = State::Closed;
    else
        Unexpected(place, endsStray(c) ? m_text.substr(m_pos, 1) : RunOf([](char x) { return !endsStray(x); }));
    if (next == State::Size)
        StartDeclaration();
    m_state = next;
    Advance(1);
}

void CScanner::Separator(char c, const CPlace& place)
{
    if (m_state == State::Names) {
        m_names.Separator();
        CheckNames(place);
    } else if (!(m_state == State::Top || (m_state == State::Body && c == ',') || (m_state == State::Closed && c == ';'))) {
        Unexpected(place, std::string_view(c == ',' ? "," : ";"));
    }
}

// The element type among the declaration's words says how the values are stored.
void CScanner::StartDeclaration()
{
    m_declaration.SetElementType(m_names.FractionBits(), m_names.TypeWord());
    m_bSizeSeen = false;
}

void CScanner::Size(std::string_view size, const CPlace& place)
{
    m_declaration.SetSize(size, place);
    m_bSizeSeen = true;
}

// A number between the braces-free lines: under a header of several columns, only the
// value column's number of each row counts.
void CScanner::Cell(const CReadValue& value)
{
    if (m_nColumns == 0)
        NoteBareValue(value);
    if (m_nColumns <= 1) {
        Push(value);
        return;
    }
    if (m_nRowCount == 0)
        m_rowStart = value.place;
    if (m_nRowCount == m_nColumns)
        Fail(value.place,
            text::Tr("CoefficientParser", "the line holds more values than the header's %1 columns").arg(m_nColumns));
    if (m_nRowCount++ == m_nValueColumn)
        Push(value);
}

void CScanner::Push(const CReadValue& value)
{
    if (m_values.size() == static_cast<size_t>(kMaxFilterLength))
        Fail(value.place, text::Tr("CoefficientParser", "more than %1 values").arg(kMaxFilterLength));
    if (m_state == State::Body)
        m_declaration.CheckValue(value);
    m_values.push_back(value);
}

// A value on a line of bare numbers: the second, when a comma between digits joins it to
// the first ("0,1"), makes the line such a pair.
void CScanner::NoteBareValue(const CReadValue& value)
{
    if (m_nLineValues++ == 0) {
        m_lineFirst = value;
        m_linePair.reset();
        return;
    }
    const char* firstEnd = m_lineFirst.token.data() + m_lineFirst.token.size();
    const bool tight = m_nLineValues == 2 && value.token.data() == firstEnd + 1 && *firstEnd == ','
        && isDigit(m_lineFirst.token.back()) && isDigit(value.token.front());
    if (tight)
        m_linePair = CReadValue{0.0, std::string_view(m_lineFirst.token.data(), m_lineFirst.token.size() + 1 + value.token.size()),
            m_lineFirst.place};
}

// A line of bare numbers ends: of one value, such a pair, or other.
void CScanner::CountLine()
{
    if (m_nLineValues == 1)
        ++m_nSingleLines;
    else if (m_nLineValues == 2 && m_linePair && !m_tightPair)
        m_tightPair = m_linePair;
    else if (m_nLineValues > 1 && !(m_nLineValues == 2 && m_linePair))
        m_bOtherLines = true;
    m_nLineValues = 0;
}

void CScanner::EndLine()
{
    if (m_state == State::Top && m_nColumns == 0)
        CountLine();
    if (m_state == State::Names) {
        TakeNames();
    } else if (m_state == State::Top && m_nColumns > 1) {
        if (m_nRowCount != 0 && m_nRowCount != m_nColumns)
            Fail(m_rowStart,
                text::Tr("CoefficientParser", "the line holds %1 of the header's %2 columns")
                    .arg(m_nRowCount)
                    .arg(m_nColumns));
        m_nRowCount = 0;
    }
    if (m_pos < m_text.size())
        Advance(1);
}

void CScanner::TakeNames()
{
    m_nColumns = m_names.ColumnCount();
    m_nValueColumn = m_names.ValueColumn();
    m_state = State::Top;
}

CRealArray CScanner::Finish()
{
    EndLine();
    if (m_state == State::Body)
        Fail(m_place, text::Tr("CoefficientParser", "the array is not closed by \"}\""));
    if (m_state == State::Size || m_state == State::Declared || m_state == State::Assigned)
        Fail(m_place, text::Tr("CoefficientParser", "the array declaration is not complete"));
    if (m_values.empty())
        Fail(m_place, text::Tr("CoefficientParser", "the text holds no number"));
    if (m_tightPair && m_nSingleLines > 0 && !m_bOtherLines)
        Fail(m_tightPair->place, text::Tr("CoefficientParser",
            "%1 is ambiguous where every other line holds one number: a decimal comma, or two values? "
            "Write a decimal point, or a blank after the comma")
                                     .arg(quoted(m_tightPair->token)));
    return m_declaration.Coefficients(m_values);
}

}  // namespace

CRealArray ParseCoefficientText(const std::string& text) { return CScanner(text).Read(); }
