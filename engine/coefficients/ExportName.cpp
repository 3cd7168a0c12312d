#include "ExportName.h"

#include "Message.h"

#include <algorithm>
#include <iterator>

namespace {

// The keywords of C (C17 and C23) and of MATLAB, none of which can name an array or a variable.
const char* const kKeywords[] = {"auto", "bool", "break", "case", "catch", "char", "classdef", "const", "constexpr",
    "continue", "default", "do", "double", "else", "elseif", "end", "enum", "extern", "false", "float", "for",
    "function", "global", "goto", "if", "inline", "int", "long", "nullptr", "otherwise", "parfor", "persistent",
    "register", "restrict", "return", "short", "signed", "sizeof", "spmd", "static", "static_assert", "struct",
    "switch", "thread_local", "true", "try", "typedef", "typeof", "union", "unsigned", "void", "volatile", "while"};

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isNameChar(char c) { return isLetter(c) || (c >= '0' && c <= '9') || c == '_'; }

bool isKeyword(const std::string& name)
{
    return std::find_if(std::begin(kKeywords), std::end(kKeywords), [&](const char* k) { return name == k; })
        != std::end(kKeywords);
}

// The file name at the end of path without its last extension.
std::string baseName(const std::string& path)
{
    const std::string file = path.substr(path.find_last_of('/') + 1);
    const size_t dot = file.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? file : file.substr(0, dot);
}

}  // namespace

std::string CheckExportName(const std::string& name)
{
    if (name.empty() || !isLetter(name.front()))
        return text::Tr("ExportName", "the name must begin with a letter");
    if (!std::all_of(name.begin(), name.end(), isNameChar))
        return text::Tr("ExportName", "the name may hold only letters, digits and underscores");
    if (name.size() > kMaxExportNameLength)
        return text::Tr("ExportName", "the name may be at most %1 characters long").arg(kMaxExportNameLength);
    if (isKeyword(name))
        return text::Tr("ExportName", "\"%1\" is a keyword of C or MATLAB").arg(name);
    return {};
}

std::string ExportNameFromPath(const std::string& path)
{
    std::string name;
    for (const char c : baseName(path)) {
        if (isNameChar(c))
            name += c;
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    name.erase(0, name.find_first_not_of('_'));
    if (name.empty() || !isLetter(name.front()))
        name = "filter_" + name;
    if (isKeyword(name))
        name += '_';
    name.resize(std::min(name.size(), kMaxExportNameLength));
    return name;
}
