// The reader of coefficient lists: one scanner over the text, a character at a time, with
// the little grammar state it needs (first line of names, C array declaration, body).
#include "CoefficientText.h"

#include "CoefficientTokens.h"
#include "Message.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

namespace {

using namespace detail;

// The largest scale shift a finite double can need: 2^1024 exceeds every double.
constexpr int kMaxShift = 1024;

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
    void SetShift(std::string_view value, const CPlace& place);
    void Number();
    double ValueOf(std::string_view token, const CPlace& place) const;
    void Word();
    void Mark(char c);
    void Separator(char c, const CPlace& place);
    void StartDeclaration();
    void Cell(double value, const CPlace& place);
    void Push(double value, const CPlace& place);
    void EndLine();
    void TakeNames();
    CRealArray Finish();

    std::string_view m_text;
    size_t m_pos = 0;
    CPlace m_place;
    State m_state = State::Top;
    std::vector<double> m_values;
    // The first line's names: each word, and the columns between separators.
    CPlace m_namesPlace;
    std::vector<std::string> m_words;
    std::vector<std::string> m_columns;
    bool m_bSeparatedNames = false;
    // The header's columns (0: no header), which one holds the value, and the current row.
    size_t m_nColumns = 0;
    size_t m_nValueColumn = 0;
    size_t m_nRowCount = 0;
    CPlace m_rowStart;
    bool m_bSizeSeen = false;
    int m_nFractionBits = 0;
    int m_nShift = 0;
    CPlace m_shiftPlace;
    bool m_bReversed = false;
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

void CScanner::Fail(const CPlace& place, const std::string& message) const
{
    throw CoefficientTextError(
        text::Tr("CoefficientParser", "line %1, column %2: %3").arg(place.nLine).arg(place.nColumn).arg(message));
}

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
    while (m_pos < m_text.size())
        Step(m_text[m_pos]);
    return Finish();
}

void CScanner::Step(char c)
{
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

// A "#" line: a comment, unless it defines the scale shift or the time reversal.
void CScanner::Directive()
{
    const CPlace place = m_place;
    const std::vector<std::string_view> words = wordsOf(RunOf([](char c) { return c != '\n'; }).substr(1));
    if (words.size() >= 3 && words[0] == "define" && endsWith(words[1], "_SCALE_SHIFT"))
        SetShift(words[2], place);
    else if (words.size() >= 3 && words[0] == "define" && endsWith(words[1], "_TIME_REVERSED")) {
        if (words[2] != "0" && words[2] != "1")
            Fail(place, text::Tr("CoefficientParser", "the time reversal %1 is neither 0 nor 1").arg(quoted(words[2])));
        m_bReversed = words[2] == "1";
    }
    SkipComment();
}

void CScanner::SetShift(std::string_view value, const CPlace& place)
{
    int shift = -1;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), shift);
    if (error != std::errc() || end != value.data() + value.size() || shift < 0 || shift > kMaxShift)
        Fail(place,
            text::Tr("CoefficientParser", "the scale shift %1 is not a whole number from 0 to %2")
                .arg(quoted(value))
                .arg(kMaxShift));
    m_nShift = shift;
    m_shiftPlace = place;
}

void CScanner::Number()
{
    const CPlace place = m_place;
    const std::string_view token = RunOf(isNumberChar);
    Advance(token.size());
    const double value = ValueOf(token, place);
    if (m_state == State::Top)
        Cell(value, place);
    else if (m_state == State::Body)
        Push(value, place);
    else if (m_state == State::Size && !m_bSizeSeen)
        m_bSizeSeen = true;
    else if (m_state == State::Names)
        Fail(m_namesPlace, text::Tr("CoefficientParser", "%1 is not a number").arg(quoted(m_words.front())));
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
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
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
        m_namesPlace = place;
        m_words.assign(1, std::string(word));
        m_columns.assign(1, std::string(word));
    } else if (m_state == State::Names) {
        m_words.emplace_back(word);
        std::string& column = m_columns.back();
        column += (column.empty() ? "" : " ") + std::string(word);
    } else if (m_state == State::Size && !m_bSizeSeen) {
        m_bSizeSeen = true;
    } else {
        Unexpected(place, word);
    }
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
    if (c == '[' && m_state == State::Names && !m_bSeparatedNames)
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
        m_bSeparatedNames = true;
        m_columns.emplace_back();
    } else if (!(m_state == State::Top || (m_state == State::Body && c == ',') || (m_state == State::Closed && c == ';'))) {
        Unexpected(place, std::string_view(c == ',' ? "," : ";"));
    }
}

// The element type among the declaration's words says how the values are stored.
void CScanner::StartDeclaration()
{
    for (const std::string& word : m_words) {
        if (word == "int16_t" || word == "q15_t")
            m_nFractionBits = 15;
        else if (word == "int32_t" || word == "q31_t")
            m_nFractionBits = 31;
    }
    m_bSizeSeen = false;
}

// A number between the braces-free lines: under a header of several columns, only the
// value column's number of each row counts.
void CScanner::Cell(double value, const CPlace& place)
{
    if (m_nColumns <= 1) {
        Push(value, place);
        return;
    }
    if (m_nRowCount == 0)
        m_rowStart = place;
    if (m_nRowCount == m_nColumns)
        Fail(place,
            text::Tr("CoefficientParser", "the line holds more values than the header's %1 columns").arg(m_nColumns));
    if (m_nRowCount++ == m_nValueColumn)
        Push(value, place);
}

void CScanner::Push(double value, const CPlace& place)
{
    if (m_values.size() == static_cast<size_t>(kMaxFilterLength))
        Fail(place, text::Tr("CoefficientParser", "more than %1 values").arg(kMaxFilterLength));
    m_values.push_back(value);
}

void CScanner::EndLine()
{
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
    const std::vector<std::string>& names = m_bSeparatedNames ? m_columns : m_words;
    m_nColumns = names.size();
    m_nValueColumn = names.size() - 1;
    for (size_t i = 0; i < names.size(); ++i)
        if (lowered(names[i]) == "coefficient" || lowered(names[i]) == "value")
            m_nValueColumn = i;
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
    CRealArray coefficients(static_cast<int>(m_values.size()));
    for (int i = 0; i < coefficients.GetSize(); ++i) {
        coefficients[i] = std::ldexp(m_values[static_cast<size_t>(i)], m_nShift - m_nFractionBits);
        if (!std::isfinite(coefficients[i]))
            Fail(m_shiftPlace, text::Tr("CoefficientParser", "the scale shift makes a value too large for a double"));
    }
    if (m_bReversed)
        std::reverse(coefficients.data(), coefficients.data() + coefficients.GetSize());
    return coefficients;
}

}  // namespace

CRealArray ParseCoefficientText(const std::string& text) { return CScanner(text).Read(); }
