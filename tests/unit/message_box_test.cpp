#include "app/services/message_box.h"
#include "recorders.h"

#include <QMessageBox>

#include <gtest/gtest.h>

#include <memory>

namespace fendrake {
namespace {

TEST(JoinMessageLinesTest, JoinsWithABareCarriageReturn)
{
    EXPECT_EQ(joinMessageLines({QStringLiteral("出现错误！错误原因："), QStringLiteral("1.原因")}),
              QStringLiteral("出现错误！错误原因：\r1.原因"));
    EXPECT_EQ(joinMessageLines({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}),
              QStringLiteral("a\rb\rc"));
    EXPECT_EQ(joinMessageLines({QStringLiteral("只有一行")}), QStringLiteral("只有一行"));
    EXPECT_EQ(joinMessageLines({}), QString());
}

TEST(ShowMessageTest, RecorderGetsIconTitleAndExactText)
{
    test::MessageRecorder recorder;
    const QString text = joinMessageLines({QStringLiteral("请输入正确QQ号！错误原因："), QStringLiteral("1.输入有误")});
    showMessage(nullptr, MessageIcon::Critical, QStringLiteral("错误"), text);
    ASSERT_EQ(recorder.messages().size(), 1u);
    EXPECT_EQ(recorder.messages()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(recorder.messages()[0].title, QStringLiteral("错误"));
    EXPECT_EQ(recorder.messages()[0].text, text);
}

TEST(ShowMessageTest, UntitledBoxIsTitledFendrakeWithoutIcon)
{
    test::MessageRecorder recorder;
    showMessage(nullptr, MessageIcon::Critical, QString(), QStringLiteral("检测失败"));
    ASSERT_EQ(recorder.messages().size(), 1u);
    EXPECT_EQ(recorder.messages()[0].icon, MessageIcon::None);
    EXPECT_EQ(recorder.messages()[0].title, QStringLiteral("Fendrake"));
}

TEST(ShowMessageTest, HandlerSwapReturnsThePreviousOne)
{
    int firstCalls = 0;
    int secondCalls = 0;
    const MessageBoxHandler original =
        setMessageBoxHandler([&](MessageIcon, const QString &, const QString &) { ++firstCalls; });
    const MessageBoxHandler first =
        setMessageBoxHandler([&](MessageIcon, const QString &, const QString &) { ++secondCalls; });
    showMessage(nullptr, MessageIcon::Information, QStringLiteral("t"), QStringLiteral("x"));
    ASSERT_TRUE(first);
    first(MessageIcon::None, QString(), QString());
    setMessageBoxHandler(original);
    EXPECT_EQ(firstCalls, 1);
    EXPECT_EQ(secondCalls, 1);
}

TEST(MessageDisplayTextTest, EveryLineBreakBecomesALineFeed)
{
    EXPECT_EQ(messageDisplayText(QStringLiteral("a\rb\r\nc\nd")), QStringLiteral("a\nb\nc\nd"));
    EXPECT_EQ(messageDisplayText(QStringLiteral("a")), QStringLiteral("a"));
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
