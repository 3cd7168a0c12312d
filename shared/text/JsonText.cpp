#include "JsonText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace text {

namespace {

std::string quotedString(const std::string& value)
{
    std::string text = "\"";
    for (const char c : value) {
        if (c == '"' || c == '\\') {
            text += '\\';
            text += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            text += escape;
        } else {
            text += c;  // UTF-8 passes as it is
        }
    }
    return text + "\"";
}

}  // namespace

CJson::CJson(double value)
{
    if (!std::isfinite(value))
        return;  // null
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    m_text.assign(digits, result.ptr);
    if (m_text == "-0")
        m_text = "-0.0";  // a reader may take "-0" for the integer 0
}

CJson::CJson(const std::string& value) : m_text(quotedString(value)) {}

CJson CJson::Object()
{
    CJson json;
    json.m_kind = Kind::Object;
    return json;
}

CJson CJson::Array()
{
    CJson json;
    json.m_kind = Kind::Array;
    return json;
}

CJson& CJson::Set(const std::string& key, CJson value)
{
    if (m_kind != Kind::Object)
        throw std::logic_error("JSON: a member set on a value that is not an object");
    for (auto& member : m_members)
        if (member.first == key) {
            member.second = std::move(value);
            return *this;
        }
    m_members.emplace_back(key, std::move(value));
    return *this;
}

CJson& CJson::Add(CJson value)
{
    if (m_kind != Kind::Array)
        throw std::logic_error("JSON: an element added to a value that is not an array");
    m_members.emplace_back(std::string(), std::move(value));
    return *this;
}

std::string CJson::Text() const
{
    std::string out;
    Write(out, 0);
    return out + "\n";
}

void CJson::Write(std::string& out, int depth) const
{
    if (m_kind == Kind::Scalar) {
        out += m_text;
        return;
    }
    const bool object = m_kind == Kind::Object;
    out += object ? "{" : "[";
    const std::string indent(static_cast<size_t>(2 * (depth + 1)), ' ');
    for (size_t i = 0; i < m_members.size(); ++i) {
        out += (i ? ",\n" : "\n") + indent;
        if (object)
            out += quotedString(m_members[i].first) + ": ";
        m_members[i].second.Write(out, depth + 1);
    }
    if (!m_members.empty())
        out += "\n" + std::string(static_cast<size_t>(2 * depth), ' ');
    out += object ? "}" : "]";
}

}  // namespace text
