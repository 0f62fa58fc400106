#include "app/services/message_box.h"
#include "recorders.h"

#include <QMessageBox>

#include <gtest/gtest.h>

#include <memory>

namespace fendrake {
namespace {

TEST(ShowMessageTest, UntitledBoxIsTitledFendrakeWithoutIcon)
{
    test::MessageRecorder recorder;
    showMessage(nullptr, MessageIcon::Critical, QString(), QStringLiteral("检测失败"));
    ASSERT_EQ(recorder.messages().size(), 1u);
    EXPECT_EQ(recorder.messages()[0].icon, MessageIcon::None);
    EXPECT_EQ(recorder.messages()[0].title, QStringLiteral("Fendrake"));
}

struct IconCase
{
    MessageIcon icon;
    QMessageBox::Icon shown;
};

TEST(CreateMessageBoxTest, MapsIconsAndShowsTwoLinesWithOkOnly)
{
    const IconCase cases[] = {
        {MessageIcon::Critical, QMessageBox::Critical},
        {MessageIcon::Exclamation, QMessageBox::Warning},
        {MessageIcon::Information, QMessageBox::Information},
        {MessageIcon::None, QMessageBox::NoIcon},
    };
    for (const IconCase &c : cases) {
        const std::unique_ptr<QMessageBox> box(
            createMessageBox(nullptr, c.icon, QStringLiteral("错误"), QStringLiteral("第一行\r<b>第二行</b>")));
        EXPECT_EQ(box->icon(), c.shown);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("错误"));
        EXPECT_EQ(box->text(), QStringLiteral("第一行\n<b>第二行</b>"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    }
}

TEST(CreateMessageBoxTest, UntitledBoxShowsApplicationTitleAndNoIcon)
{
    const std::unique_ptr<QMessageBox> box(
        createMessageBox(nullptr, MessageIcon::Critical, QString(), QStringLiteral("x")));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Fendrake"));
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
}

} // namespace
} // namespace fendrake
