#pragma once

// Answers to modal windows for the widget tests of both programs, and the guard that keeps
// an unanswered modal window from blocking a test: every wait for a window ends, at the
// latest after kModalDeadlineMs, in an answer or in a test failure naming the windows.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <list>
#include <string>

// How long a modal window may stay open without an answer before it is closed (ms).
constexpr int kModalDeadlineMs = 5000;

// The class and title of window, as failures name it ("QMessageBox "Filter""), with a
// message box's text.
inline std::string DescribeWindow(const QWidget* window)
{
    std::string text = std::string(window->metaObject()->className()) + " \""
        + window->windowTitle().toStdString() + "\"";
    if (const auto* box = qobject_cast<const QMessageBox*>(window))
        text += " saying \"" + box->text().toStdString() + "\"";
    return text;
}

// Closes window as its Cancel button does: a progress dialog is cancelled, another dialog
// rejected, any other window closed.
inline void DismissWindow(QWidget* window)
{
    if (auto* progress = qobject_cast<QProgressDialog*>(window))
        progress->cancel();
    else if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
    else
        window->close();
}

// The window types the living watches still wait for, oldest first.
inline std::list<std::string>& WatchedWindowTypes()
{
    static std::list<std::string> types;
    return types;
}

// Looks at the application's modal window every 20 ms: one that stays the active modal
// window for kModalDeadlineMs fails the running test with its name and the types the
// watches wait for, and is closed so that the test goes on.
class CModalGuard : public QObject {
public:
    // Starts the guard of the running application, once; call it right after the
    // application object is made.
    static void Start()
    {
        if (!qApp->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly))
            new CModalGuard(qApp);
    }

private:
    static constexpr const char* kName = "modal guard";

    explicit CModalGuard(QObject* application) : QObject(application)
    {
        setObjectName(kName);
        connect(&m_timer, &QTimer::timeout, this, [this] { Check(); });
        m_timer.start(20);
    }
    void Check()
    {
        QWidget* window = QApplication::activeModalWidget();
        if (window != m_window) {
            m_window = window;
            m_open.start();
        } else if (window && m_open.elapsed() >= kModalDeadlineMs) {
            ADD_FAILURE() << Overdue(window);
            DismissWindow(window);
            m_open.start();  // one failure for each deadline, should the window not close
        }
    }
    // The failure message of window, open for the deadline without an answer.
    static std::string Overdue(const QWidget* window)
    {
        std::string waited;
        for (const std::string& type : WatchedWindowTypes())
            waited += (waited.empty() ? "a modal " : " or ") + type;
        const std::string open = "the modal " + DescribeWindow(window) + (window->isActiveWindow() ? "" : " (never active)")
            + " stayed open " + std::to_string(kModalDeadlineMs) + " ms";
        if (waited.empty())
            return open + " with no watch to answer it; closed it";
        return "while the test waited for " + waited + ", " + open + " instead; closed it";
    }

    QTimer m_timer;
    QPointer<QWidget> m_window;
    QElapsedTimer m_open;
};

// Whether a watched window must come while the watch lives.
enum class ModalExpected { Always, Maybe };

// While it lives, answers the first modal window of type T: once that window is the active
// modal widget and the active window (so what it shows and where its focus lies no longer
// change), calls handle on it from inside its event loop. The handle must close the window;
// one left open fails the test and is closed. A watch that ends unanswered fails the test
// unless its window was only possible (ModalExpected::Maybe). Requires CModalGuard::Start.
template <class T>
class CModalWatch {
public:
    explicit CModalWatch(std::function<void(T*)> handle, ModalExpected expected = ModalExpected::Always)
        : m_handle(std::move(handle)),
          m_expected(expected),
          m_waiting(WatchedWindowTypes().insert(WatchedWindowTypes().end(), T::staticMetaObject.className()))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start(5);
    }
    ~CModalWatch()
    {
        if (m_answered)
            return;
        WatchedWindowTypes().erase(m_waiting);
        if (m_expected == ModalExpected::Always)
            ADD_FAILURE() << "no modal " << T::staticMetaObject.className() << " came to be answered";
    }
    CModalWatch(const CModalWatch&) = delete;
    CModalWatch& operator=(const CModalWatch&) = delete;

private:
    void Poll()
    {
        T* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window || !window->isActiveWindow())
            return;
        m_timer.stop();
        m_answered = true;
        WatchedWindowTypes().erase(m_waiting);
        const QPointer<T> answered(window);
        m_handle(window);
        if (answered && answered->isVisible()) {
            ADD_FAILURE() << "the modal " << DescribeWindow(answered) << " stayed open after its answer; closed it";
            DismissWindow(answered);
        }
    }

    std::function<void(T*)> m_handle;
    ModalExpected m_expected;
    std::list<std::string>::iterator m_waiting;
    bool m_answered = false;
    QTimer m_timer;
};

// Puts path into an open file dialog and accepts it, as a user typing the path does. The
// dialog's file-name field takes a selected file only while it lacks the keyboard focus
// (it keeps what the user types), so the focus is taken from it first.
inline void ChooseFile(QFileDialog* dialog, const QString& path)
{
    if (QWidget* focus = dialog->focusWidget())
        focus->clearFocus();
    dialog->selectFile(path);
    const QString chosen = dialog->selectedFiles().value(0);
    EXPECT_TRUE(chosen.startsWith(QFileInfo(path).absoluteFilePath()))
        << "the file dialog chose \"" << chosen.toStdString() << "\" instead of \"" << path.toStdString() << "\"";
    QMetaObject::invokeMethod(dialog, "accept");  // protected in QFileDialog
}

// Answers the next file dialog with path.
class CFileWatch {
public:
    explicit CFileWatch(const QString& path) : m_watch([path](QFileDialog* dialog) { ChooseFile(dialog, path); }) {}

private:
    CModalWatch<QFileDialog> m_watch;
};
