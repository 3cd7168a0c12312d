#pragma once

// Helpers of the workbench's widget tests: one QApplication per test program, a
// workbench started as the program starts it, and answers to modal dialogs.

#include "CFilterApp.h"
#include "CFilterDoc.h"
#include "CMainFrame.h"
#include "CPassBandDlg.h"
#include "GuardedApplication.h"
#include "ModalWatch.h"
#include "Resource.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The test program's application object, made on first use as the workbench makes its
// own, with its settings in a temporary folder.
inline QApplication& TestApplication()
{
    static int argc = 1;
    static char name[] = "filter-test";
    static char* argv[] = {name, nullptr};
    static QApplication* application = nullptr;
    static QTemporaryDir settingsDir;
    if (!application) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        application = new CGuardedApplication(argc, argv);
        CModalGuard::Start();
        QApplication::setApplicationName("filter-test");
        QApplication::setApplicationDisplayName("Filter");
    }
    return *application;
}

// Answers the next message box with OK and keeps its text (empty while none came).
class CMessageWatch {
public:
    explicit CMessageWatch(ModalExpected expected = ModalExpected::Always)
        : m_watch([this](QMessageBox* box) {
              m_strText = box->text();
              box->accept();
          }, expected) {}
    const QString& Text() const { return m_strText; }

private:
    QString m_strText;
    CModalWatch<QMessageBox> m_watch;
};

// A started workbench without arguments, its window shown and active.
class WorkbenchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        QSettings().remove("View");  // each test starts with the view options' defaults
        m_pApp = std::make_unique<CFilterApp>();
        ASSERT_TRUE(m_pApp->InitInstance({}));
        Frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame())) << "the workbench window did not become active in 5 s";
        QCoreApplication::processEvents();
    }
    void TearDown() override
    {
        Doc().SetModifiedFlag(false);
        m_pApp.reset();
    }

    CFilterApp& App() { return *m_pApp; }
    CMainFrame& Frame() { return m_pApp->GetFrame(); }
    CFilterDoc& Doc() { return m_pApp->GetFilterDoc(); }
    // The action of command id with its state brought up to date.
    QAction* Action(int id)
    {
        QCoreApplication::processEvents();
        Frame().UpdateCommandStates();
        return Frame().GetAction(id);
    }
    // Runs command id through its action, as a menu click does.
    void Run(int id)
    {
        Action(id)->trigger();
        QCoreApplication::processEvents();
    }

    // Designs a low pass of length 31 with cut-off 0.25 through the pass-band dialog.
    void DesignLowPass()
    {
        CModalWatch<CPassBandDlg> answer([](CPassBandDlg* dialog) {
            dialog->GetEdit(IDC_LOWCUT)->setText("0.25");
            dialog->GetEdit(IDC_LENGTH)->setText("31");
            dialog->accept();
        });
        Run(ID_TOOL_PASSBAND);
    }

    std::unique_ptr<CFilterApp> m_pApp;
};
