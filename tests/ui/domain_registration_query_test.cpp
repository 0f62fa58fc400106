#include "query_panel_test.h"

namespace fendrake {
namespace {

using DomainRegistrationQuery = test::QueryPanelTest;

// A record is shown translated; a reserved domain's page is kept as fetched, under the error box. Enter
// runs the query only while the button is enabled.
TEST_F(DomainRegistrationQuery, EnterWhileEnabledShowsARecordTranslatedOrAReservedPageAsFetched)
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
    openPanel("cmdChuJi", "cmdYuMing");
    ASSERT_TRUE(test::showActive(m_form.get()));
    auto *input = control<QLineEdit>("txtYuMing");
    auto *button = control<QAbstractButton>("cmdYuMingChaXun");
    auto *result = control<QPlainTextEdit>("txtYuMingJG");
    for (const auto &row : rows) {
        SCOPED_TRACE(row.domain.toStdString());
        m_messages.clear();
        m_server.clearRequests();
        m_server.addPrefix("whois.fendrake.net", "/whois/" + row.domain, "whois.fendrake.net/" + row.page);
        input->setText(row.domain);
        button->setEnabled(false);
        QTest::keyClick(input, Qt::Key_Return);
        EXPECT_TRUE(m_server.requests().empty());
        button->setEnabled(true);
        QTest::keyClick(input, Qt::Key_Return);

        ASSERT_EQ(m_server.requests().size(), 1u);
        EXPECT_EQ(m_server.requests().front().pathAndQuery, "/whois/" + row.domain);
        for (const QString &text : row.shown)
            EXPECT_TRUE(result->toPlainText().contains(text)) << text.toStdString();
        for (const QString &text : row.absent)
            EXPECT_FALSE(result->toPlainText().contains(text)) << text.toStdString();
        EXPECT_EQ(m_messages.messages().size(), row.errorBox ? 1u : 0u);
        EXPECT_TRUE(button->isEnabled() && input->isEnabled() && result->isEnabled());
    }
}

} // namespace
} // namespace fendrake
