#include "query_panel_test.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace fendrake {
namespace {

const QString kLocation = QStringLiteral("本站主数据：广东省深圳市 电信ADSL\n参考数据：广东省深圳市 电信");

class IpLocationQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        openPanel("cmdChuJi", "cmdIP");
        m_input = control<QLineEdit>("txtIP");
        m_button = control<QAbstractButton>("cmdIPChaXun");
        m_result = control<QPlainTextEdit>("txtIPJG");
        m_notice = control<QLabel>("Label10");
        ASSERT_TRUE(m_input && m_button && m_result && m_notice);
    }

    void query(const QString &address)
    {
        m_input->setText(address);
        QTest::mouseClick(m_button, Qt::LeftButton);
    }

    QLineEdit *m_input = nullptr;
    QAbstractButton *m_button = nullptr;
    QPlainTextEdit *m_result = nullptr;
    QLabel *m_notice = nullptr;
};

TEST_F(IpLocationQuery, EnterSendsTheAsteriskAsTypedAndShowsTheCutLocation)
{
    ASSERT_TRUE(test::showActive(m_form.get()));
    m_input->setText(QStringLiteral("1.2.3.*"));
    QTest::keyClick(m_input, Qt::Key_Return);

    EXPECT_TRUE(m_messages.messages().empty());
    ASSERT_EQ(m_server.requests().size(), 1u);
    EXPECT_EQ(m_server.requests().front().pathAndQuery, QStringLiteral("/ips.asp?ip=1.2.3.*&action=2"));
    EXPECT_EQ(m_result->toPlainText().toStdString(), kLocation.toStdString());
    EXPECT_TRUE(m_button->isEnabled() && m_input->isEnabled() && m_notice->isHidden());
}

TEST_F(IpLocationQuery, NoticeStaysAfterACorrectedQueryUntilTheBoxIsClicked)
{
    query(QStringLiteral("1.2.3.256"));
    EXPECT_FALSE(m_notice->isHidden());
    EXPECT_TRUE(m_server.requests().empty());
    EXPECT_EQ(m_result->toPlainText(), QStringLiteral("查询结果"));

    query(QStringLiteral("1.2.3.4"));
    EXPECT_EQ(m_result->toPlainText().toStdString(), kLocation.toStdString());
    EXPECT_FALSE(m_notice->isHidden());

    QTest::mouseClick(m_input, Qt::LeftButton);
    EXPECT_TRUE(m_notice->isHidden());
}

TEST_F(IpLocationQuery, UnreadablePartEndsInTheErrorBoxWithoutARequest)
{
    for (const QString &address : {QStringLiteral("1..2.3"), QStringLiteral("1.2.3.")}) {
        m_messages.clear();
        query(address);
        ASSERT_EQ(m_messages.messages().size(), 1u);
        EXPECT_TRUE(
            m_messages.messages().front().text.startsWith(QStringLiteral("出现错误！错误原因：\r1.IP地址输入错误")));
        EXPECT_EQ(m_result->toPlainText(), QStringLiteral("查询结果")) << address.toStdString();
        EXPECT_TRUE(m_button->isEnabled() && m_input->isEnabled() && m_notice->isHidden());
    }
    EXPECT_TRUE(m_server.requests().empty());
}

} // namespace
} // namespace fendrake
