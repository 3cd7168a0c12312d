#include "CoefficientNames.h"

namespace detail {

namespace {

bool namesValue(std::string_view word)
{
    return equalsIgnoringCase(word, "coefficient") || equalsIgnoringCase(word, "value");
}

int fractionBitsOf(std::string_view word)
{
    if (word == "int16_t" || word == "q15_t")
        return 15;
    return word == "int32_t" || word == "q31_t" ? 31 : 0;
}

}  // namespace

void CNameLine::Start(std::string_view word, const CPlace& place)
{
    *this = CNameLine();
    m_first = word;
    m_place = place;
    Word(word);
}

void CNameLine::Word(std::string_view word)
{
    const bool value = namesValue(word);
    if (value)
        m_valueWord = m_nWords;
    ++m_nWords;
    m_bColumnNamesValue = m_nWordsInColumn == 0 && value;
    ++m_nWordsInColumn;
    if (const int bits = fractionBitsOf(word)) {
        m_nFractionBits = bits;
        m_typeWord = word;
    }
}

void CNameLine::Separator()
{
    CloseColumn();
    ++m_nColumns;
    m_bSeparated = true;
}

void CNameLine::CloseColumn()
{
    if (m_nWordsInColumn == 1 && m_bColumnNamesValue)
        m_valueColumn = m_nColumns - 1;
    m_nWordsInColumn = 0;
    m_bColumnNamesValue = false;
}

size_t CNameLine::ColumnCount() const { return m_bSeparated ? m_nColumns : m_nWords; }

size_t CNameLine::ValueColumn() const
{
    CNameLine closed = *this;
    closed.CloseColumn();
    const std::optional<size_t> named = m_bSeparated ? closed.m_valueColumn : m_valueWord;
    return named.value_or(ColumnCount() - 1);
}

}  // namespace detail
