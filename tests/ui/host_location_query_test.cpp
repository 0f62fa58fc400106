#include "app/services/icmp_echo.h"
#include "qt_printers.h"
#include "query_panel_test.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

namespace fendrake {
namespace {

const QString kLocation = QStringLiteral("本站主数据：广东省深圳市 电信ADSL\n参考数据：广东省深圳市 电信");
const QString kEarlier = QStringLiteral("earlier location");

class HostLocationQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        openPanel("cmdZhongJi", "cmdZhuJi");
        m_input = control<QLineEdit>("txtZhuJi");
        m_button = control<QAbstractButton>("cmdZhuJiChaXun");
        m_result = control<QPlainTextEdit>("txtZhuJiJG");
        m_address = control<QLabel>("lblZhuJiIP");
        m_status = control<QLabel>("lblZhuJi");
        ASSERT_TRUE(m_input && m_button && m_result && m_address && m_status);
        m_result->setPlainText(kEarlier);
        if (!IcmpEcho().isOpen())
            GTEST_SKIP() << "neither a ping socket nor a raw socket may be opened here";
    }

    void query(const QString &name)
    {
        m_input->setText(name);
        QTest::mouseClick(m_button, Qt::LeftButton);
    }

    QStringList shownBoxes() const
    {
        QStringList boxes;
        for (const test::RecordedMessage &box : m_messages.messages())
            boxes.append(box.title + u'|' + box.text.section(u'\r', 0, 0));
        return boxes;
    }

    QLineEdit *m_input = nullptr;
    QAbstractButton *m_button = nullptr;
    QPlainTextEdit *m_result = nullptr;
    QLabel *m_address = nullptr;
    QLabel *m_status = nullptr;
};

TEST_F(HostLocationQuery, LocalHostAnswersTheEchoAndIsLocated)
{
    query(QStringLiteral("localhost"));

    EXPECT_TRUE(m_messages.messages().empty());
    EXPECT_EQ(m_address->text(), QStringLiteral("主机IP地址：127.0.0.1"));
    EXPECT_EQ(m_result->toPlainText().toStdString(), kLocation.toStdString());
    EXPECT_EQ(m_status->text(), QStringLiteral("准备就绪"));
    ASSERT_EQ(m_server.requests().size(), 1u);
    EXPECT_EQ(m_server.requests().front().pathAndQuery, QStringLiteral("/ips.asp?ip=127.0.0.1&action=2"));
    EXPECT_TRUE(m_button->isEnabled() && m_input->isEnabled());
}

TEST_F(HostLocationQuery, RefusedOrUnresolvedNamesShowTheirBoxesInOrderAndKeepTheEarlierLocation)
{
    const QString unresolved = QStringLiteral("Fendrake|解析域名超时");
    const QString resolution = QStringLiteral("错误|域名解析错误，错误原因：");
    const QString errorPath = QStringLiteral("错误|出现错误！错误原因：");
    const struct
    {
        QString name;
        QStringList boxes;
        QString status; // null: the status line is left as it was
    } cases[] = {
        {QStringLiteral("abc"), {QStringLiteral("错误|请输入正确的网站后再试！错误原因：")}, QString()},
        {QStringLiteral("http://www.example.com"), {QStringLiteral("错误|网址输入错误！错误原因：")}, QString()},
        // Capitals pass the input checks and fail the lookup.
        {QStringLiteral("HTTP://nothing.invalid"), {unresolved, resolution}, QStringLiteral("出现错误")},
        {QStringLiteral("no-such-host.invalid"), {unresolved, resolution}, QStringLiteral("出现错误")},
        {QString(64 - 8, u'a') + QStringLiteral(".invalid"), {unresolved, resolution}, QStringLiteral("出现错误")},
        {QString(65 - 8, u'a') + QStringLiteral(".invalid"), {errorPath}, QStringLiteral("")},
    };
    for (const auto &c : cases) {
        m_messages.clear();
        m_status->setText(QStringLiteral("before"));
        query(c.name);
        EXPECT_EQ(shownBoxes(), c.boxes) << c.name.toStdString();
        EXPECT_EQ(m_status->text(), c.status.isNull() ? QStringLiteral("before") : c.status) << c.name.toStdString();
        EXPECT_EQ(m_address->text(), QStringLiteral("主机IP地址：")) << c.name.toStdString();
        EXPECT_EQ(m_result->toPlainText(), kEarlier);
        EXPECT_TRUE(m_button->isEnabled() && m_input->isEnabled());
    }
    EXPECT_TRUE(m_server.requests().empty());
}

} // namespace
} // namespace fendrake
