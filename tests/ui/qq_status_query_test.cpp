#include "app/services/browser_control.h"
#include "qt_printers.h"
#include "query_panel_test.h"
#include "wait.h"

#include <QDir>

namespace fendrake {
namespace {

const QString kHost = QStringLiteral("qqstatus.fendrake.net");

// On the demo's routes 10000 is on line and any other number off line; 54321 lands on no status picture.
using QqStatusQuery = test::QueryPanelTest;

TEST_F(QqStatusQuery, AnswerIsTheAddressLandedOnAndOnlyAPendingQueryTakesIt)
{
    ASSERT_TRUE(m_server.loadRouteFile(QDir(m_server.fixturesDir()).filePath("demo-routes.txt")));
    const auto path = [](const QString &number) { return QStringLiteral("/pa?p=1:%1:1%20alt=test").arg(number); };
    m_server.addRedirect(kHost, path("54321"), QStringLiteral("http://qqpic.fendrake.net/QQ_online.gif"));
    openPanel("cmdZhongJi", "Command8");
    auto *input = control<QLineEdit>("Text4");
    auto *result = control<QLabel>("Label24");
    ASSERT_TRUE(test::showActive(m_form.get()));
    const QString refused = QStringLiteral("错误:请输入正确QQ号！错误原因：");
    // typed, what Label24 shows behind its caption, the message box (title and first line)
    const std::tuple<QString, QString, QString> rows[] = {
        {"10000", "在线", ""},
        {"9999999999", "离线或隐身", ""},
        {"54321", "", "错误:您输入的QQ号不合法！错误原因："},
        {"1234", "", refused},
        {"", "", refused},
    };
    for (const auto &[typed, shown, message] : rows) {
        SCOPED_TRACE(typed.toStdString());
        m_server.clearRequests();
        m_messages.clear();
        result->setText(QStringLiteral("旧"));
        input->setText(typed);
        QTest::keyClick(input, Qt::Key_Return);
        ASSERT_TRUE(test::waitFor([&] { return control<QWidget>("Command9")->isEnabled() && input->isEnabled(); }));

        QStringList boxes;
        for (const test::RecordedMessage &box : m_messages.messages())
            boxes << box.title + u':' + box.text.section(u'\r', 0, 0);
        EXPECT_EQ(boxes, message.isEmpty() ? QStringList() : QStringList{message});
        EXPECT_EQ(result->text(), QStringLiteral("对方情况：") + shown);
        EXPECT_EQ(input->text(), typed);
        const auto &requests = m_server.requests();
        EXPECT_EQ(requests.empty() ? QString() : requests.front().target,
                  message == refused ? QString() : "http://" + kHost + path(typed));
    }
    result->setText(QStringLiteral("旧"));
    emit m_form->WebQQ->TitleChange(QStringLiteral("again"));
    EXPECT_EQ(result->text(), QStringLiteral("旧"));
}

} // namespace
} // namespace fendrake
