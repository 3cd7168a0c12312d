#include "WorkbenchCommandLine.h"

#include "Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

struct CTexts {
    Q_DECLARE_TR_FUNCTIONS(WorkbenchCommandLine)
};

const char* const kLanguage = "language";

// The workbench's options and argument, described in the language installed.
void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(CTexts::tr("FIR filter design workbench: designs filters by the window method or "
                                                "as equiripple filters and shows their responses and zeros."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(kLanguage,
        CTexts::tr("Show the workbench in <language>: ja (Japanese) or en (English). Without this option the first of "
                   "the user's languages decides (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): Japanese for ja and where no "
                   "locale is set, English for any other."),
        CTexts::tr("language")));
    parser.addPositionalArgument(CTexts::tr("document"),
        CTexts::tr("The filter document to open; without one the workbench starts with a new document."),
        CTexts::tr("[document]"));
}

}  // namespace

CWorkbenchCommandLine ReadWorkbenchCommandLine(const QStringList& arguments, const QStringList& uiLanguages)
{
    QCommandLineParser first;  // finds the language; the line is judged below, in that language
    describe(first);
    first.parse(arguments);
    const QString name = first.value(kLanguage);
    const std::optional<WorkbenchLanguage> named = LanguageNamed(name);
    CWorkbenchCommandLine line;
    line.language = named.value_or(LanguageForUi(uiLanguages));
    InstallLanguage(line.language);
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(arguments))
        line.strError = parser.errorText();
    else if (parser.isSet(kLanguage) && !named)
        line.strError = CTexts::tr("Unknown language \"%1\": use ja or en.").arg(name);
    else if (parser.isSet("help") || parser.isSet("help-all"))
        line.strHelp = parser.helpText();
    else if (parser.isSet("version"))
        line.strHelp = QString::fromStdString(VersionLine("filter"));
    else if (parser.positionalArguments().size() > 1)
        line.strError = CTexts::tr("Give one document at most.");
    else
        line.documents = parser.positionalArguments();
    return line;
}
