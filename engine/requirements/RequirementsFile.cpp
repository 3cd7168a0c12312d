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

std::vector<double> edgesField(const QJsonObject& o)
{
    if (!o.value("edges").isArray())
        damaged(text::Tr("RequirementsFile", "the field \"edges\" is missing or not a list"));
    std::vector<double> edges;
    for (const QJsonValue& v : o.value("edges").toArray()) {
        if (!v.isDouble())
            damaged(text::Tr("RequirementsFile", "a band edge is not a number"));
        edges.push_back(v.toDouble());
    }
    return edges;
}

}  // namespace

std::string RequirementsPath(const std::string& documentPath) { return documentPath + ".requirements.json"; }

std::string FormatRequirementsJson(const CRequirements& r)
{
    QJsonArray edges;
    for (double edge : r.edges)
        edges.append(edge);
    const QJsonObject o{{"format", kFormat}, {"version", kVersion},
        {"type", QString::fromStdString(FilterTypeName(r.nType))}, {"edges", edges}, {"ripple_db", r.dRipple},
        {"attenuation_db", r.dAttenuation}};
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
        damaged(text::Tr("RequirementsFile", "the field \"type\" is not lowpass, highpass, bandpass or bandstop"));
    r.edges = edgesField(o);
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
