#include "orba/runner/PictureForm.h"

#include "orba/runner/logic/QuizLayout.h"
#include "platform/Platform.h"
#include "platform/units.h"
#include "quizfile/Ansi.h"
#include "settings/Keys.h"

#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>

namespace {
constexpr int kDesignWidth = 8910;
constexpr int kDesignHeight = 6030;

TwipsRect toTwips(const QRect& r)
{
    return {static_cast<int>(pixelsToTwips(r.x())), static_cast<int>(pixelsToTwips(r.y())),
            static_cast<int>(pixelsToTwips(r.width())), static_cast<int>(pixelsToTwips(r.height()))};
}
} // namespace

PictureForm::PictureForm(Platform& platform, std::string_view leftKey, std::string_view topKey, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      platform_(platform), leftKey_(leftKey), topKey_(topKey)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->move(0, 0);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    QFont f1(QStringLiteral("Courier New"));
    f1.setPointSize(12);
    f1.setBold(true);
    Label1->setFont(f1);
    Label2 = new QLabel(QStringLiteral("FILE NOT FOUND."), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    QFont f2 = font();
    f2.setPointSize(18);
    f2.setBold(true);
    Label2->setFont(f2);
    Label1->hide();
    Label2->hide();
}

void PictureForm::open(const std::string& path, const QRect& quizWindow, bool onTop)
{
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    const QString file = QFile::decodeName(QByteArray::fromStdString(path));
    QPixmap picture;
    const bool found = QFile::exists(file) && picture.load(file);
    const TwipsRect quiz = toTwips(quizWindow);
    if (found) {
        Picture1->setPixmap(picture);
        Picture1->resize(picture.size());
        Picture1->show();
        Label1->hide();
        Label2->hide();
        setFixedSize(picture.size());
        const double left = platform_.settings.getNumber(keys::Settings, leftKey_, -1);
        const double top = platform_.settings.getNumber(keys::Settings, topKey_, -1);
        if (left == -1) {
            const TwipsPoint at = firstPicturePlace(quiz, static_cast<int>(pixelsToTwips(width())));
            move(twipsToPoint(at.left, at.top));
        } else {
            move(twipsToPoint(left, top));
        }
    } else {
        Picture1->hide();
        const QSize design(twipsToPixels(kDesignWidth), twipsToPixels(kDesignHeight));
        setFixedSize(design);
        Label1->setText(QStringLiteral("Quiz points to \n\n") + file);
        Label1->setGeometry(20, design.height() / 6, design.width() - 40, design.height() / 3);
        Label2->setGeometry(20, design.height() / 2 + 20, design.width() - 40, design.height() / 5);
        Label1->show();
        Label2->show();
        const TwipsPoint at = missingPicturePlace(quiz, kDesignWidth);
        move(twipsToPoint(at.left, at.top));
    }
    setWindowTitle(QFile::decodeName(QByteArray::fromStdString(path)).section(QLatin1Char('/'), -1));
    show();
}

void PictureForm::closeEvent(QCloseEvent* event)
{
    platform_.settings.saveNumber(keys::Settings, leftKey_, pixelsToTwips(x()));
    platform_.settings.saveNumber(keys::Settings, topKey_, pixelsToTwips(y()));
    QDialog::closeEvent(event);
    if (onClosed)
        onClosed();
}

void PictureForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

frmPicForm::frmPicForm(Platform& platform, QWidget* parent)
    : PictureForm(platform, keys::PicLeft, keys::PicTop, parent)
{
    setObjectName(QStringLiteral("frmPicForm"));
}

frmHelpPicForm::frmHelpPicForm(Platform& platform, QWidget* parent)
    : PictureForm(platform, keys::HelpPicLeft, keys::HelpPicTop, parent)
{
    setObjectName(QStringLiteral("frmHelpPicForm"));
}
