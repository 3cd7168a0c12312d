// Zeroplot: shows the zeros in "root.bin" of the current directory in the z-plane.
#include "CZeroplotApp.h"

#include "Display.h"
#include "GuardedApplication.h"
#include "Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

// Reads the command line: --help, --version, and the framework's optional file. nullopt when
// the program ends here, with status set: the help or version shown (0) or the line refused (1).
std::optional<QStringList> readCommandLine(int& status)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Zeroplot shows the zeros of an FIR filter in the z-plane, with the unit circle. It reads them once, as it "
        "starts, from \"root.bin\" in the current folder, where the workbench filter writes them when it shows the "
        "zeros.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("file", "A file to open as the document, which names the window; the zeros come from "
                                         "\"root.bin\" all the same.", "[file]");
    const bool parsed = parser.parse(QCoreApplication::arguments());
    const QString error = !parsed ? parser.errorText()
        : parser.positionalArguments().size() > 1 ? QString("give one file at most")
                                                  : QString();
    status = error.isEmpty() ? 0 : 1;
    if (!error.isEmpty())
        std::fprintf(stderr, "Zeroplot: %s\n", qPrintable(error));
    else if (parser.isSet("help") || parser.isSet("help-all"))
        status = WriteStandardOutput("Zeroplot", parser.helpText());
    else if (parser.isSet("version"))
        status = WriteStandardOutput("Zeroplot", QString::fromStdString(VersionLine("Zeroplot")));
    else
        return parser.positionalArguments();
    return std::nullopt;
}

// The program once its application object exists: the command line, then the viewer.
int run(bool display)
{
    int status = 0;
    const std::optional<QStringList> files = readCommandLine(status);
    if (!files)
        return status;
    if (!display) {
        std::fprintf(stderr, "Zeroplot: no display to show the zeros on (set DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM)\n");
        return 1;
    }
    CZeroplotApp app;
    if (!app.InitInstance(*files))
        return 1;
    return QApplication::exec();
}

}  // namespace

// The outer guard catches what fails before the application object exists; the inner one
// what fails while it does, so that the message box can still be shown.
int main(int argc, char* argv[])
{
    return RunGuarded("Zeroplot", [&] {
        // Without a display the command line is still read, so that --help works anywhere.
        const bool display = DisplayAvailable(argc, argv);
        const std::unique_ptr<QCoreApplication> application = display
            ? std::make_unique<CGuardedApplication>(argc, argv)
            : std::make_unique<QCoreApplication>(argc, argv);
        QCoreApplication::setApplicationName("Zeroplot");
        QCoreApplication::setApplicationVersion("1.0.0.1");
        QCoreApplication::setOrganizationName("filter-workbench");
        QGuiApplication::setDesktopFileName("filter-workbench-zeroplot");  // the desktop entry of the window
        return RunGuarded("Zeroplot", [display] { return run(display); });
    });
}
