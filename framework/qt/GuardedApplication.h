#pragma once

// How the programs with windows end up when something fails beyond what a command
// handles itself: no exception leaves a program; the user reads why in a message box in
// the program's language, and a script reads one line on standard error and status 2.

#include <QApplication>
#include <QString>
#include <functional>

// The exception being handled as a sentence for a message box, in the user's language:
// text::DescribeCurrentException with a capital first letter and a full stop. Call it only
// inside a catch block.
QString CurrentFailureSentence();

// The application object of a program with windows. An exception that leaves an event
// handler is shown in a message box titled with the program's title (AfxGetAppTitle),
// and the program goes on with the next event.
class CGuardedApplication : public QApplication {
public:
    CGuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs body, a program's main after its application object exists. An exception that
// leaves it is written to standard error as "program: reason", shown in a message box
// when the program has windows, and gives the status 2.
int RunGuarded(const char* program, const std::function<int()>& body);

// Writes text to the standard output for program: 0 when it was written, else 2 with the
// reason on standard error ("cannot write the standard output: ...").
int WriteStandardOutput(const char* program, const QString& text);
