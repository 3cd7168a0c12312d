#pragma once

#include "WorkbenchLanguage.h"

#include <QStringList>

// The workbench's command line as read: the language, and the document to open or the
// text to show instead.
struct CWorkbenchCommandLine {
    WorkbenchLanguage language = WorkbenchLanguage::Japanese;
    QStringList documents;  // the document to open, or none
    QString strHelp;        // the help or the version, when --help or --version asked for it
    QString strError;       // why the line was refused; empty when it was not
};

// Reads arguments (the program's name first): "--language ja|en", which overrides the
// language of uiLanguages (as LanguageForUi picks it), "--help", "--version", and at most
// one document. Installs the language (InstallLanguage) before anything else, so that the help and the
// refusals speak it.
CWorkbenchCommandLine ReadWorkbenchCommandLine(const QStringList& arguments, const QStringList& uiLanguages);
