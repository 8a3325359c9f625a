#pragma once

// Small helpers of the tool-window tests.

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// With ORBA_SCREENSHOT_DIR set, keeps a picture of the window for a person to look at.
inline void saveToolWindowShot(QWidget* window, const char* name)
{
    const QString dir = qEnvironmentVariable("ORBA_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    window->grab().save(dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
}

// Every control shown lies inside the window and gets at least the room it asks for.
inline void expectTidy(QWidget& window)
{
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisibleTo(&window))
            continue;
        const std::string name = child->objectName().toStdString();
        EXPECT_TRUE(window.rect().contains(child->geometry())) << name << " sticks out";
        EXPECT_GE(child->width(), child->minimumSizeHint().width()) << name << " is clipped";
        EXPECT_GE(child->height(), child->minimumSizeHint().height()) << name << " is clipped";
    }
}

// A window that deletes itself on closing is gone once the event loop gets to it.
template <class T>
bool gone(const QPointer<T>& window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.isNull();
}
