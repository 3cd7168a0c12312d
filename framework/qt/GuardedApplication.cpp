#include "GuardedApplication.h"

#include "CWinApp.h"
#include "Failure.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Tells the user of the exception being handled; a message box needs memory too, so
// when even that fails, standard error has to do.
void reportCurrentFailure(const char* program)
{
    try {
        const QString sentence = CurrentFailureSentence();
        std::fprintf(stderr, "%s: %s\n", program, qPrintable(sentence));
        if (qobject_cast<QApplication*>(QCoreApplication::instance()))
            QMessageBox::critical(QApplication::activeWindow(), AfxGetAppTitle(), sentence);
    } catch (...) {
        std::fprintf(stderr, "%s: not enough memory\n", program);
    }
}

}  // namespace

QString CurrentFailureSentence()
{
    QString text = QString::fromStdString(text::DescribeCurrentException());
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    if (text.endsWith('.') || text.endsWith(u'。'))
        return text;
    return QCoreApplication::translate("CWinApp", "%1.", "a reason told as a sentence").arg(text);
}

CGuardedApplication::CGuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool CGuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCurrentFailure(qPrintable(applicationName()));
        return false;
    }
}

int RunGuarded(const char* program, const std::function<int()>& body)
{
    try {
        return body();
    } catch (...) {
        reportCurrentFailure(program);
        return 2;
    }
}

int WriteStandardOutput(const char* program, const QString& text)
{
    errno = 0;
    std::fputs(qPrintable(text), stdout);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    const int error = errno;
    std::fprintf(stderr, "%s: %s\n", program,
        qPrintable(QCoreApplication::translate("GuardedApplication", "cannot write the standard output: %1")
                .arg(error ? std::strerror(error) : "write error")));
    return 2;
}
