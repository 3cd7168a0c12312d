#include "Message.h"

#include <utility>

namespace text {

namespace {

CTranslator& installedTranslator()
{
    static CTranslator translator;
    return translator;
}

}  // namespace

void SetTranslator(CTranslator translator) { installedTranslator() = std::move(translator); }

CMessage CMessage::Verbatim(std::string value)
{
    CMessage message;
    message.m_strVerbatim = std::move(value);
    return message;
}

CMessage CMessage::arg(std::string value) const { return arg(Verbatim(std::move(value))); }

CMessage CMessage::arg(const CMessage& part) const
{
    CMessage filled = *this;
    filled.m_args.push_back(part);
    return filled;
}

// One pass over the pattern, so that an argument holding "%2" is never filled itself.
std::string CMessage::Format(bool translated) const
{
    if (!m_pSource)
        return m_strVerbatim;
    const CTranslator& translator = installedTranslator();
    const std::string pattern = translated && translator ? translator(m_pContext, m_pSource) : std::string(m_pSource);
    std::string text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const size_t index = i + 1 < pattern.size() ? static_cast<size_t>(pattern[i + 1] - '1') : m_args.size();
        if (pattern[i] == '%' && index < m_args.size() && index < 9) {
            text += m_args[index].Format(translated);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace text
