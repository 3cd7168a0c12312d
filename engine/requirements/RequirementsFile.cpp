#include "RequirementsFile.h"

#include "FileIo.h"
#include "Message.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const char* const kFormat = "filter-requirements";
constexpr int kVersion = 1;

[[noreturn]] void damaged(const text::CMessage& why) { throw CRequirementsFileError(why); }

double numberField(const QJsonObject& o, const char* name)
{
    const QJsonValue v = o.value(QLatin1String(name));
    if (!v.isDouble())
        damaged(text::Tr("RequirementsFile", "the field \"%1\" is missing or not a number").arg(name));
    return v.toDouble();
}

void checkFormat(const QJsonObject& o)
{
    if (o.value("format").toString() != QLatin1String(kFormat))
        damaged(text::Tr("RequirementsFile", "not a requirements file"));
    if (o.value("version").toInt(-1) != kVersion)
        damaged(text::Tr("RequirementsFile", "a version of the requirements file this program does not know"));
}

// The list of numbers in the field name ("edges" or "gains"); notNumber says what is wrong
// with an element that is not a number.
std::vector<double> listField(const QJsonObject& o, const char* name, const text::CMessage& notNumber)
{
    if (!o.value(QLatin1String(name)).isArray())
        damaged(text::Tr("RequirementsFile", "the field \"%1\" is missing or not a list").arg(name));
    std::vector<double> list;
    for (const QJsonValue& v : o.value(QLatin1String(name)).toArray()) {
        if (!v.isDouble())
            damaged(notNumber);
        list.push_back(v.toDouble());
    }
    return list;
}

QJsonArray jsonList(const std::vector<double>& values)
{
    QJsonArray list;
    for (double v : values)
        list.append(v);
    return list;
}

}  // namespace

std::string RequirementsPath(const std::string& documentPath) { return documentPath + ".requirements.json"; }

std::string FormatRequirementsJson(const CRequirements& r)
{
    QJsonObject o{{"format", kFormat}, {"version", kVersion}, {"type", QString::fromStdString(FilterTypeName(r.nType))},
        {"edges", jsonList(r.edges)}, {"ripple_db", r.dRipple}, {"attenuation_db", r.dAttenuation}};
    if (RequirementsTakeBands(r.nType))
        o.insert("gains", jsonList(r.gains));
    return QJsonDocument(o).toJson(QJsonDocument::Indented).toStdString();
}

CRequirements ParseRequirementsJson(const std::string& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(bytes), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        damaged(text::Tr("RequirementsFile", "not a JSON object"));
    const QJsonObject o = document.object();
    checkFormat(o);
    CRequirements r;
    r.nType = FilterTypeFromName(o.value("type").toString().toStdString());
    if (r.nType < 0)
        damaged(text::Tr("RequirementsFile",
            "the field \"type\" is not lowpass, highpass, bandpass, bandstop, multiband, differentiator or hilbert"));
    r.edges = listField(o, "edges", text::Tr("RequirementsFile", "a band edge is not a number"));
    if (RequirementsTakeBands(r.nType))
        r.gains = listField(o, "gains", text::Tr("RequirementsFile", "a band's gain is not a number"));
    r.dRipple = numberField(o, "ripple_db");
    r.dAttenuation = numberField(o, "attenuation_db");
    try {
        CheckRequirements(r);
    } catch (const std::invalid_argument& e) {
        damaged(text::CMessage::Verbatim(e.what()));
    }
    return r;
}

CRequirements ReadRequirementsFile(const std::string& path)
{
    return ParseRequirementsJson(exchange::ReadFileBytes(path, kMaxRequirementsFileBytes));
}

void WriteRequirementsFile(const std::string& path, const CRequirements& r)
{
    exchange::WriteFileAtomically(path, FormatRequirementsJson(r));
}
