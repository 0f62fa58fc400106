#include "app/services/message_box.h"
#include "recorders.h"

#include <QMessageBox>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

using namespace fendrake;

TEST(MessageBoxTest, ShowsPlainTextLinesWithOkOnlyAndAnUntitledBoxIsTitledFendrakeWithoutIcon)
{
    const std::tuple<MessageIcon, QString, QMessageBox::Icon, QString> cases[] = {
        {MessageIcon::Critical, "错误", QMessageBox::Critical, "错误"},
        {MessageIcon::Exclamation, "错误", QMessageBox::Warning, "错误"},
        {MessageIcon::Information, "错误", QMessageBox::Information, "错误"},
        {MessageIcon::None, "错误", QMessageBox::NoIcon, "错误"},
        {MessageIcon::Critical, "", QMessageBox::NoIcon, "Fendrake"}};
    for (const auto &[icon, title, shownIcon, shownTitle] : cases) {
        const std::unique_ptr<QMessageBox> box(createMessageBox(nullptr, icon, title, "第一行\r<b>第二行</b>"));
        EXPECT_EQ(box->icon(), shownIcon);
        EXPECT_EQ(box->windowTitle(), shownTitle);
        EXPECT_EQ(box->text(), QStringLiteral("第一行\n<b>第二行</b>"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    // The same for a box that tests record instead of showing.
    test::MessageRecorder recorder;
    showMessage(nullptr, MessageIcon::Critical, QString(), QStringLiteral("检测失败"));
    ASSERT_EQ(recorder.messages().size(), 1u);
    EXPECT_EQ(recorder.messages()[0].icon, MessageIcon::None);
    EXPECT_EQ(recorder.messages()[0].title, QStringLiteral("Fendrake"));
}
