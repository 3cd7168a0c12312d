#pragma once

// Helpers of the workbench's widget tests: one QApplication per test program, a
// workbench started as the program starts it, and answers to modal dialogs.

#include "CFilterApp.h"
#include "CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The test program's application object, made on first use, with its settings in a
// temporary folder.
inline QApplication& TestApplication()
{
    static int argc = 1;
    static char name[] = "filter-test";
    static char* argv[] = {name, nullptr};
    static QApplication* application = nullptr;
    static QTemporaryDir settingsDir;
    if (!application) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        application = new QApplication(argc, argv);
        QApplication::setApplicationName("filter-test");
        QApplication::setApplicationDisplayName("Filter");
    }
    return *application;
}

// Calls handle with the next modal window of type T once it is the active modal widget,
// from inside that window's event loop.
template <class T>
void WhenModal(std::function<void(T*)> handle)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, handle] {
        if (T* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            handle(window);
        }
    });
    timer->start();
}

// Closes the next message box and returns its text through *text.
inline void CloseNextMessage(QString* text)
{
    WhenModal<QMessageBox>([text](QMessageBox* box) {
        *text = box->text();
        box->accept();
    });
}

// A started workbench without arguments, its window shown and active.
class WorkbenchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        m_pApp = std::make_unique<CFilterApp>();
        ASSERT_TRUE(m_pApp->InitInstance({}));
        Frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
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

    std::unique_ptr<CFilterApp> m_pApp;
};
