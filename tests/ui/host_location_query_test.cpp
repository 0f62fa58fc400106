#include "app/services/icmp_echo.h"
#include "qt_printers.h"
#include "query_panel_test.h"

namespace fendrake {
namespace {

using HostLocationQuery = test::QueryPanelTest;

// Boxes come in order; a failure leaves the earlier location in place and no address on view.
TEST_F(HostLocationQuery, LocalHostIsLocatedAndRefusedOrUnresolvedNamesShowTheirBoxes)
{
    if (!IcmpEcho().isOpen())
        GTEST_SKIP() << "neither a ping socket nor a raw socket may be opened here";
    openPanel("cmdZhongJi", "cmdZhuJi");
    const QString earlier = QStringLiteral("earlier location");
    const QString located = QStringLiteral("本站主数据：广东省深圳市 电信ADSL\n参考数据：广东省深圳市 电信");
    const QString noAddress = QStringLiteral("主机IP地址：");
    const QStringList unresolved = {"Fendrake|解析域名超时", "错误|域名解析错误，错误原因："};
    const QString before = QStringLiteral("before");
    // name, boxes (title and first line), status line, address line, result box after
    const std::tuple<QString, QStringList, QString, QString, QString> rows[] = {
        {"abc", {"错误|请输入正确的网站后再试！错误原因："}, before, noAddress, earlier},
        {"http://www.example.com", {"错误|网址输入错误！错误原因："}, before, noAddress, earlier},
        {"HTTP://nothing.invalid", unresolved, "出现错误", noAddress, earlier}, // capitals pass the input test
        {"no-such-host.invalid", unresolved, "出现错误", noAddress, earlier},
        {QString(64 - 8, u'a') + ".invalid", unresolved, "出现错误", noAddress, earlier},
        {QString(65 - 8, u'a') + ".invalid", {"错误|出现错误！错误原因："}, "", noAddress, earlier},
        {"localhost", {}, "准备就绪", noAddress + "127.0.0.1", located},
    };
    for (const auto &[name, boxes, status, address, result] : rows) {
        SCOPED_TRACE(name.toStdString());
        m_messages.clear();
        control<QLabel>("lblZhuJi")->setText(before);
        control<QPlainTextEdit>("txtZhuJiJG")->setPlainText(earlier);
        control<QLineEdit>("txtZhuJi")->setText(name);
        QTest::mouseClick(control<QAbstractButton>("cmdZhuJiChaXun"), Qt::LeftButton);

        QStringList shown;
        for (const test::RecordedMessage &box : m_messages.messages())
            shown << box.title + u'|' + box.text.section(u'\r', 0, 0);
        EXPECT_EQ(shown, boxes);
        EXPECT_EQ(control<QLabel>("lblZhuJi")->text(), status);
        EXPECT_EQ(control<QLabel>("lblZhuJiIP")->text(), address);
        EXPECT_EQ(control<QPlainTextEdit>("txtZhuJiJG")->toPlainText(), result);
        EXPECT_TRUE(control<QWidget>("cmdZhuJiChaXun")->isEnabled() && control<QWidget>("txtZhuJi")->isEnabled());
    }
    // Only the resolvable name reached the location service.
    ASSERT_EQ(m_server.requests().size(), 1u);
    EXPECT_EQ(m_server.requests().front().pathAndQuery, QStringLiteral("/ips.asp?ip=127.0.0.1&action=2"));
}

} // namespace
} // namespace fendrake
