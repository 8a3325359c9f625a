#include "platform/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Runs `act` on the next modal dialog of type D once it is shown. If none
// appears within five seconds, the test fails and whatever is modal is closed,
// so a wrong dialog never hangs the run.
template <typename D>
class WhenShown final {
public:
    explicit WhenShown(std::function<void(D&)> act)
        : act_(std::move(act))
    {
        QObject::connect(&poll_, &QTimer::timeout, &poll_, [this] { tick(); });
        poll_.start(10);
    }
    bool acted() const { return acted_; }

private:
    void tick()
    {
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
            poll_.stop();
            acted_ = true;
            act_(*dialog);
            return;
        }
        if (++ticks_ > 500) {
            poll_.stop();
            ADD_FAILURE() << "the dialog was not shown";
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        }
    }

    std::function<void(D&)> act_;
    QTimer poll_;
    int ticks_ = 0;
    bool acted_ = false;
};

TEST(QtDialogs, MessageBoxesShowTheirIconButtonsAndTitleAndReportTheAnswer)
{
    struct Case {
        MsgIcon icon;
        MsgButtons buttons;
        QMessageBox::Icon qtIcon;
        QMessageBox::StandardButtons qtButtons;
        QMessageBox::StandardButton pressed;
        MsgAnswer answer;
    };
    const Case cases[] = {
        {MsgIcon::None, MsgButtons::Ok, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok, MsgAnswer::Ok},
        {MsgIcon::Warning, MsgButtons::OkCancel, QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel,
         QMessageBox::Cancel, MsgAnswer::Cancel},
        {MsgIcon::Question, MsgButtons::YesNo, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
         QMessageBox::Yes, MsgAnswer::Yes},
        {MsgIcon::Critical, MsgButtons::YesNoCancel, QMessageBox::Critical,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No, MsgAnswer::No},
        {MsgIcon::Information, MsgButtons::Ok, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok,
         MsgAnswer::Ok},
    };
    QtDialogs dialogs;
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.buttons));
        WhenShown<QMessageBox> press([&](QMessageBox& box) {
            EXPECT_EQ(box.icon(), c.qtIcon);
            EXPECT_EQ(box.standardButtons(), c.qtButtons);
            EXPECT_EQ(box.windowTitle(), QStringLiteral("ORBA"));
            EXPECT_EQ(box.text(), QStringLiteral("<b>5 \u20ac</b>"));
            EXPECT_EQ(box.textFormat(), Qt::PlainText);
            box.button(c.pressed)->click();
        });
        EXPECT_EQ(dialogs.message("<b>5 \x80</b>", c.icon, c.buttons), c.answer);
        EXPECT_TRUE(press.acted());
    }
}

TEST(QtDialogs, EscapeGivesTheWayOutTheBoxOffers)
{
    struct Case {
        MsgButtons buttons;
        MsgAnswer answer;
    };
    const Case cases[] = {
        {MsgButtons::Ok, MsgAnswer::Ok},
        {MsgButtons::OkCancel, MsgAnswer::Cancel},
        {MsgButtons::YesNo, MsgAnswer::No},
        {MsgButtons::YesNoCancel, MsgAnswer::Cancel},
    };
    QtDialogs dialogs("skrib");
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.buttons));
        WhenShown<QMessageBox> escape([](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), QStringLiteral("Keep"));
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        EXPECT_EQ(dialogs.message("Sure?", MsgIcon::None, c.buttons, "Keep"), c.answer);
        EXPECT_TRUE(escape.acted());
    }
}

TEST(QtDialogs, MessagesBelongToTheOwnerWhileItLives)
{
    QtDialogs dialogs;
    auto owner = std::make_unique<QWidget>();
    dialogs.setOwner(owner.get());
    WhenShown<QMessageBox> check([&](QMessageBox& box) {
        EXPECT_EQ(box.parentWidget(), owner.get());
        box.button(QMessageBox::Ok)->click();
    });
    dialogs.message("Owned");
    EXPECT_TRUE(check.acted());

    owner.reset();
    EXPECT_EQ(dialogs.owner(), nullptr);
}

TEST(QtDialogs, InputBoxesHandBackWindows1252TextOrNothing)
{
    QtDialogs dialogs;
    {
        WhenShown<QInputDialog> type([](QInputDialog& box) {
            EXPECT_EQ(box.labelText(), QStringLiteral("High end of search?"));
            EXPECT_EQ(box.windowTitle(), QStringLiteral("ORBA"));
            EXPECT_EQ(box.textValue(), QStringLiteral("caf\u00e9"));
            box.setTextValue(QStringLiteral("\u20ac 12 \u4e2d"));
            box.accept();
        });
        EXPECT_EQ(dialogs.inputBox("High end of search?", "", "caf\xE9"), std::optional<std::string>("\x80 12 ?"));
    }
    {
        WhenShown<QInputDialog> cancel([](QInputDialog& box) { box.reject(); });
        EXPECT_EQ(dialogs.inputBox("Mark all lines with specified text:", "Mark", ""), std::nullopt);
    }
}

} // namespace
