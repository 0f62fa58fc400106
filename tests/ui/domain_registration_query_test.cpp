#include "query_panel_test.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace fendrake {
namespace {

const QString kHost = QStringLiteral("whois.fendrake.net");

class DomainRegistrationQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        openPanel("cmdChuJi", "cmdYuMing");
        m_input = control<QLineEdit>("txtYuMing");
        m_button = control<QAbstractButton>("cmdYuMingChaXun");
        m_result = control<QPlainTextEdit>("txtYuMingJG");
        ASSERT_TRUE(m_input && m_button && m_result);
    }

    QLineEdit *m_input = nullptr;
    QAbstractButton *m_button = nullptr;
    QPlainTextEdit *m_result = nullptr;
};

// A record is shown translated; a reserved domain's page is kept as fetched, under the error box.
TEST_F(DomainRegistrationQuery, RecordIsShownTranslatedAndAReservedPageAsFetched)
{
    const struct
    {
        QString domain, page;
        QStringList shown, absent;
        bool errorBox;
    } rows[] = {
        {"example-shop.com",
         "record.html",
         {"域名: EXAMPLE-SHOP.COM", "域状态: 客户禁止延长注册期"},
         {"Whois.Fendrake.net", "Domain Name"},
         false},
        {"gov.cn",
         "reserved.html",
         {"Domain Name: GOV.CN", "the domain you want to register is reserved", "About us"},
         {},
         true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.domain.toStdString());
        m_messages.clear();
        m_server.clearRequests();
        m_server.addPrefix(kHost, "/whois/" + row.domain, kHost + u'/' + row.page);
        m_input->setText(row.domain);
        QTest::mouseClick(m_button, Qt::LeftButton);

        ASSERT_EQ(m_server.requests().size(), 1u);
        EXPECT_EQ(m_server.requests().front().pathAndQuery, "/whois/" + row.domain);
        const QString shown = m_result->toPlainText();
        for (const QString &text : row.shown)
            EXPECT_TRUE(shown.contains(text)) << text.toStdString();
        for (const QString &text : row.absent)
            EXPECT_FALSE(shown.contains(text)) << text.toStdString();
        EXPECT_EQ(m_messages.messages().size(), row.errorBox ? 1u : 0u);
        EXPECT_TRUE(m_button->isEnabled() && m_input->isEnabled() && m_result->isEnabled());
    }
}

TEST_F(DomainRegistrationQuery, EnterRunsTheQueryOnlyWhileTheButtonIsEnabled)
{
    m_server.addPrefix(kHost, QStringLiteral("/whois/"), QStringLiteral("whois.fendrake.net/record.html"));
    ASSERT_TRUE(test::showActive(m_form.get()));
    m_input->setText(QStringLiteral("example-shop.com"));

    m_button->setEnabled(false);
    QTest::keyClick(m_input, Qt::Key_Return);
    EXPECT_TRUE(m_server.requests().empty());

    m_button->setEnabled(true);
    QTest::keyClick(m_input, Qt::Key_Return);
    EXPECT_EQ(m_server.requests().size(), 1u);
    EXPECT_TRUE(m_result->toPlainText().contains(QStringLiteral("域名: EXAMPLE-SHOP.COM")));
}

} // namespace
} // namespace fendrake
