#pragma once

// The first line of coefficient text while it may still be a header of column names or
// the start of a C array declaration: what the reader needs of its words, kept in constant
// memory however long the line.

#include "CoefficientTokens.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace detail {

class CNameLine {
public:
    // Begins the line with its first word, at place; the view must outlive this object.
    void Start(std::string_view word, const CPlace& place);
    void Word(std::string_view word);
    // A comma or semicolon: the words after it belong to the next column.
    void Separator();

    // The names of a header: the columns between separators when there are any, else the
    // words. The value is read from the last column named "coefficient" or "value" (case
    // ignored), else from the last column.
    size_t ColumnCount() const;
    size_t WordCount() const { return m_nWords; }
    size_t ValueColumn() const;
    bool Separated() const { return m_bSeparated; }
    // The fraction bits of the element type a declaration's words name: 15 for int16_t
    // and q15_t, 31 for int32_t and q31_t (the last such word counts), else 0; and that word.
    int FractionBits() const { return m_nFractionBits; }
    std::string_view TypeWord() const { return m_typeWord; }
    std::string_view FirstWord() const { return m_first; }
    const CPlace& Place() const { return m_place; }

private:
    // Ends the current column: a column of one word naming the value is remembered.
    void CloseColumn();

    std::string_view m_first;
    CPlace m_place;
    size_t m_nWords = 0;
    size_t m_nColumns = 1;
    size_t m_nWordsInColumn = 0;
    bool m_bColumnNamesValue = false;
    bool m_bSeparated = false;
    std::optional<size_t> m_valueWord;
    std::optional<size_t> m_valueColumn;
    int m_nFractionBits = 0;
    std::string_view m_typeWord;
};

}  // namespace detail
