#include "CoefficientImport.h"

#include "CoefficientJson.h"
#include "CoefficientText.h"
#include "CoefficientTokens.h"
#include "NpyFormat.h"
#include "WordFormats.h"

namespace {

// The file's extension, without the dot; empty when it has none.
std::string extensionOf(const std::string& path)
{
    const std::string file = path.substr(path.find_last_of('/') + 1);
    const size_t dot = file.find_last_of('.');
    return dot == std::string::npos ? std::string() : file.substr(dot + 1);
}

}  // namespace

CRealArray ParseCoefficientFile(const std::string& bytes, const std::string& path, std::optional<int> bits)
{
    const std::string extension = extensionOf(path);
    if (IsNpyFile(bytes))
        return ParseNpy(bytes);
    const std::string_view text = std::string_view(bytes).substr(detail::byteOrderMarkLength(bytes));
    if (detail::equalsIgnoringCase(extension, "json"))
        return ParseCoefficientJson(std::string(text));
    if (detail::equalsIgnoringCase(extension, "coe"))
        return ParseWordFile(text, WordFormat::Coe, bits);
    if (detail::equalsIgnoringCase(extension, "mif"))
        return ParseWordFile(text, WordFormat::Mif, bits);
    if (detail::equalsIgnoringCase(extension, "hex"))
        return ParseWordFile(text, WordFormat::Hex, bits);
    return ParseCoefficientText(bytes);  // which takes a byte-order mark itself
}
