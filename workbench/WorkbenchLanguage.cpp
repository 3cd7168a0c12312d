#include "WorkbenchLanguage.h"

#include "Message.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

// The translators installed last: the workbench's and Qt's own.
QPointer<QTranslator> s_pWorkbench;
QPointer<QTranslator> s_pQt;

void replace(QPointer<QTranslator>& installed, QTranslator* translator)
{
    delete installed;  // leaves the application's translators as it goes
    installed = translator;
    if (translator)
        QCoreApplication::installTranslator(translator);
}

}  // namespace

WorkbenchLanguage LanguageForUi(const QStringList& uiLanguages)
{
    const QString first = uiLanguages.value(0);
    const bool noLocale = first.isEmpty() || first == "C" || first == "POSIX";
    return noLocale || QLocale(first).language() == QLocale::Japanese ? WorkbenchLanguage::Japanese
                                                                      : WorkbenchLanguage::English;
}

std::optional<WorkbenchLanguage> LanguageNamed(const QString& name)
{
    if (name == "ja")
        return WorkbenchLanguage::Japanese;
    if (name == "en")
        return WorkbenchLanguage::English;
    return std::nullopt;
}

void InstallLanguage(WorkbenchLanguage language)
{
    const bool japanese = language == WorkbenchLanguage::Japanese;
    auto* workbench = new QTranslator(QCoreApplication::instance());
    if (!workbench->load(japanese ? ":/i18n/filter_ja.qm" : ":/i18n/filter_en.qm"))
        qWarning("The workbench's translation is missing from the program.");
    replace(s_pWorkbench, workbench);
    // Qt speaks English without a translation; its Japanese comes with the system's Qt.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (!japanese
        || !qt->load(QLocale(QLocale::Japanese), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        qt = nullptr;
    }
    replace(s_pQt, qt);
    text::SetTranslator([](const char* context, const char* source) {
        return QCoreApplication::translate(context, source).toStdString();
    });
}
