#pragma once

#include <QStringList>
#include <optional>

// The languages the workbench speaks: its original Japanese texts, or English.
enum class WorkbenchLanguage { Japanese, English };

// The language for the user's UI languages, most wanted first (QLocale::system()
// .uiLanguages(), which follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG): Japanese when the
// first is Japanese ("ja", "ja-JP", ...) and where no locale is set at all ("C", "POSIX"
// or none), English for any other.
WorkbenchLanguage LanguageForUi(const QStringList& uiLanguages);
// The language a command line names: "ja" or "en"; nullopt for anything else.
std::optional<WorkbenchLanguage> LanguageNamed(const QString& name);

// Makes every text made from now on speak language: the workbench's own texts, the
// engine's messages and Qt's texts in its standard dialogs and message boxes (from Qt's
// translations, where the system has them). Replaces the language installed before. A
// QCoreApplication must exist.
void InstallLanguage(WorkbenchLanguage language);
