#include "WindowTestSupport.h"

#include <QDir>
#include <QTest>
#include <QPixmap>

#include <fstream>
#include <iterator>

void saveScreenshot(QWidget* window, const std::string& name)
{
    const QString dir = qEnvironmentVariable("ORBA_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    window->grab().save(dir + QLatin1Char('/') + QString::fromStdString(name) + QStringLiteral(".png"));
}

std::string writeFile(const std::string& dir, const std::string& name, const std::string& bytes)
{
    const std::string path = dir + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string exampleScript()
{
    std::ifstream f(ORBA_SOURCE_DIR "/examples/earth-science.txt", std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

void clickMark(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}
