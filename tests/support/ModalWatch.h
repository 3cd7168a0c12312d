#pragma once

// Answers to modal windows for the widget tests of both programs.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// While it lives, answers the next modal window of type T: calls handle on it from inside
// that window's event loop, once it is the active modal widget.
template <class T>
class CModalWatch {
public:
    explicit CModalWatch(std::function<void(T*)> handle)
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this, handle] {
            if (T* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
                m_timer.stop();
                handle(window);
            }
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};
