#include "qt_printers.h"
#include "query_panel_test.h"

namespace fendrake {
namespace {

using IpLocationQuery = test::QueryPanelTest;

// The notice of a bad address stays through later queries until the box is clicked.
TEST_F(IpLocationQuery, AddressesAreLocatedRefusedWithTheNoticeOrFailWithTheBox)
{
    openPanel("cmdChuJi", "cmdIP");
    ASSERT_TRUE(test::showActive(m_form.get()));
    auto *input = control<QLineEdit>("txtIP");
    auto *notice = control<QLabel>("Label10");
    const QString located = QStringLiteral("本站主数据：广东省深圳市 电信ADSL\n参考数据：广东省深圳市 电信");
    const QString idle = QStringLiteral("查询结果");
    // typed, the result box after, whether the notice shows, whether the error box came, the query sent
    const std::tuple<QString, QString, bool, bool, QString> rows[] = {
        {"1.2.3.256", idle, true, false, ""}, {"1.2.3.4", located, true, false, "/ips.asp?ip=1.2.3.4&action=2"},
        {"1..2.3", idle, false, true, ""}, // after a click in the box
        {"1.2.3.", idle, false, true, ""},    {"1.2.3.*", located, false, false, "/ips.asp?ip=1.2.3.*&action=2"},
    };
    for (const auto &[typed, result, noticeShown, errorBox, query] : rows) {
        SCOPED_TRACE(typed.toStdString());
        m_messages.clear();
        m_server.clearRequests();
        if (typed == "1..2.3")
            QTest::mouseClick(input, Qt::LeftButton);
        input->setText(typed);
        QTest::keyClick(input, Qt::Key_Return);

        EXPECT_EQ(control<QPlainTextEdit>("txtIPJG")->toPlainText(), result);
        EXPECT_EQ(!notice->isHidden(), noticeShown);
        EXPECT_EQ(m_messages.messages().size(), errorBox ? 1u : 0u);
        for (const test::RecordedMessage &box : m_messages.messages())
            EXPECT_TRUE(box.text.startsWith("出现错误！错误原因：\r1.IP地址输入错误"));
        EXPECT_EQ(m_server.requests().empty() ? QString() : m_server.requests().front().pathAndQuery, query);
        EXPECT_TRUE(control<QWidget>("cmdIPChaXun")->isEnabled() && input->isEnabled());
    }
}

} // namespace
} // namespace fendrake
