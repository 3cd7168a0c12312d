#pragma once

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

// Texts for the user, in the user's language where a program has said which. The code
// writes each text in English, as a source text with placeholders %1 .. %9, under a
// context (the class or file it belongs to); a program that shows texts in another
// language installs a translator that maps context and source text to the translation.
// Without one, which is how filter-cli and the tests run, every text reads in English.
//
// Write a text as Tr("Context", "Cannot open \"%1\": %2").arg(path).arg(reason): the
// context and the source must be string literals, so that the translation tools find
// them. Lists of texts are marked with TrNoop and translated where they are used.
namespace text {

// Maps a context and a source text to the text to show; the source text itself when it
// knows no translation.
using CTranslator = std::function<std::string(const char* context, const char* source)>;

// Installs translator for every text formatted from now on; an empty one formats English.
// Not thread-safe: install it at start-up, before texts are formatted.
void SetTranslator(CTranslator translator);

// A text with its arguments, formatted when it is read: in the installed translator's
// language by str() (and by the conversion to std::string), in English by English().
class CMessage {
public:
    // The source text source (a string literal with placeholders %1 .. %9) of context.
    CMessage(const char* context, const char* source) : m_pContext(context), m_pSource(source) {}
    // A value shown as it is, never translated: a number, a file name, a program's output.
    static CMessage Verbatim(std::string value);

    // This text with the next placeholder filled: %1 by the first arg, %2 by the second...
    CMessage arg(std::string value) const;
    // A nested text, formatted in the same language as this one.
    CMessage arg(const CMessage& part) const;
    template <class Integer, std::enable_if_t<std::is_integral_v<Integer>, int> = 0>
    CMessage arg(Integer value) const
    {
        return arg(std::to_string(value));
    }

    // The text in the installed translator's language.
    std::string str() const { return Format(true); }
    // The text in English, whatever translator is installed: for files and scripts.
    std::string English() const { return Format(false); }
    operator std::string() const { return str(); }

private:
    CMessage() = default;
    std::string Format(bool translated) const;

    const char* m_pContext = nullptr;
    const char* m_pSource = nullptr;
    std::string m_strVerbatim;  // the text of a verbatim value (m_pSource null)
    std::vector<CMessage> m_args;
};

// The translatable text source of context.
inline CMessage Tr(const char* context, const char* source) { return CMessage(context, source); }

// Marks source as a text of context for the translation tools, where a list holds texts
// that are translated later through Tr(context, entry); returns source.
constexpr const char* TrNoop(const char* /*context*/, const char* source) { return source; }

}  // namespace text
