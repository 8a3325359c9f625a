#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// A click where a person clicks a check box or option button: on its mark.
void clickMark(QWidget* button);

// Acts on the next modal window of type T once it is up, as a person at the
// screen would. A window that never comes fails the test instead of hanging.
template <class T>
void whenModalShown(std::function<void(T*)> act, int timeoutMs = 5000)
{
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act, waited, timeoutMs] {
        *waited += 10;
        if (auto* w = dynamic_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(w);
        } else if (*waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the expected modal window did not appear";
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
        }
    });
    timer->start();
}

// With ORBA_SCREENSHOT_DIR set, saves what the window shows as NAME.png there.
void saveScreenshot(QWidget* window, const std::string& name);

// A file of the test's own folder with the given bytes.
std::string writeFile(const std::string& dir, const std::string& name, const std::string& bytes);

std::string exampleScript();
