#include "CoefficientJson.h"

#include "CoefficientText.h"
#include "MeasurementJson.h"
#include "Message.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>
#include <cmath>
#include <vector>

namespace {

const char* const kFormat = "filter-coefficients";
constexpr int kVersion = 1;

[[noreturn]] void refuse(const text::CMessage& why)
{
    throw CoefficientTextError(text::Tr("CoefficientJson", "not a JSON file of coefficients: %1").arg(why));
}

text::CJson typeJson(const CExportContext& context)
{
    if (context.design.nMethod != DesignNone)
        return FilterTypeName(context.design.nType);
    return context.requirements ? text::CJson(FilterTypeName(context.requirements->nType)) : text::CJson();
}

QJsonArray coefficientList(const QJsonDocument& document)
{
    if (document.isArray())
        return document.array();
    const QJsonObject o = document.object();
    if (o.value("format").toString() != QLatin1String(kFormat))
        refuse(text::Tr("CoefficientJson", "its \"format\" is not \"filter-coefficients\""));
    if (o.value("version").toInt(-1) != kVersion)
        refuse(text::Tr("CoefficientJson", "a version this program does not know"));
    if (!o.value("coefficients").isArray())
        refuse(text::Tr("CoefficientJson", "the field \"coefficients\" is missing or not a list"));
    const QJsonArray list = o.value("coefficients").toArray();
    if (o.contains("length") && o.value("length").toInt(-1) != list.size())
        refuse(text::Tr("CoefficientJson", "its \"length\" is not the number of coefficients"));
    return list;
}

// The numbers of the list that begins at json[at] ('['), as written: Qt's reader takes an
// integral double for an integer, which loses the sign of a zero.
std::vector<double> writtenNumbers(const std::string& json, size_t at)
{
    std::vector<double> numbers;
    for (size_t i = at + 1; i < json.size() && json[i] != ']';) {
        const size_t end = json.find_first_of(",] \t\r\n", i);
        double value = 0.0;
        if (end > i && std::from_chars(json.data() + i, json.data() + end, value).ec == std::errc())
            numbers.push_back(value);
        i = end == std::string::npos ? json.size() : json[end] == ']' ? end : end + 1;
    }
    return numbers;
}

// Where the list of coefficients of a well-formed document begins: the document itself,
// or the value of the member "coefficients" of its top object. npos when not found.
size_t listStart(const std::string& json)
{
    int depth = 0;
    for (size_t i = 0; i < json.size(); ++i) {
        if (json[i] == '[' && depth == 0)
            return i;
        if (json[i] == '{' || json[i] == '[')
            ++depth;
        else if (json[i] == '}' || json[i] == ']')
            --depth;
        else if (json[i] == '"') {
            const size_t begin = i;
            for (++i; i < json.size() && json[i] != '"'; ++i)
                i += json[i] == '\\' ? 1 : 0;
            const size_t colon = json.find_first_not_of(" \t\r\n", i + 1);
            if (depth == 1 && json.compare(begin, i + 1 - begin, "\"coefficients\"") == 0 && colon != std::string::npos
                && json[colon] == ':')
                return json.find_first_not_of(" \t\r\n", colon + 1);
        }
    }
    return std::string::npos;
}

}  // namespace

std::string FormatCoefficientJson(const CRealArray& h, const CExportContext& context)
{
    text::CJson coefficients = text::CJson::Array();
    for (int n = 0; n < h.GetSize(); ++n)
        coefficients.Add(h[n]);
    text::CJson o = text::CJson::Object();
    o.Set("format", kFormat).Set("version", kVersion).Set("length", h.GetSize()).Set("coefficients", coefficients);
    o.Set("type", typeJson(context));
    o.Set("design", DesignJson(context.design, context.dSampleRate));
    o.Set("requirements", context.requirements ? RequirementsJson(*context.requirements, context.dSampleRate) : text::CJson());
    if (context.dSampleRate > 0.0)
        o.Set("sample_rate_hz", context.dSampleRate);
    o.Set("measurements", MeasurementJson(MeasureFilter(h, context.requirements, context.design), context.dSampleRate));
    return o.Text();
}

CRealArray ParseCoefficientJson(const std::string& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(bytes), &error);
    if (document.isNull())
        refuse(text::Tr("CoefficientJson", "at byte %1: %2").arg(error.offset).arg(error.errorString().toStdString()));
    const QJsonArray list = coefficientList(document);
    if (list.isEmpty() || list.size() > kMaxFilterLength)
        refuse(text::Tr("CoefficientJson", "it holds %1 coefficients, not 1 to %2").arg(list.size()).arg(kMaxFilterLength));
    const size_t start = listStart(bytes);
    const std::vector<double> written = start == std::string::npos ? std::vector<double>() : writtenNumbers(bytes, start);
    CRealArray h(static_cast<int>(list.size()));
    for (int n = 0; n < h.GetSize(); ++n) {
        if (!list[n].isDouble() || !std::isfinite(list[n].toDouble()))
            refuse(text::Tr("CoefficientJson", "coefficient %1 is not a finite number").arg(n));
        const bool same = written.size() == static_cast<size_t>(h.GetSize()) && written[static_cast<size_t>(n)] == list[n].toDouble();
        h[n] = same ? written[static_cast<size_t>(n)] : list[n].toDouble();
    }
    return h;
}
