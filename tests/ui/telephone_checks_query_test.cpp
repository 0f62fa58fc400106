#include "app/services/browser_control.h"
#include "checks/people/telephone_location_panel.h"
#include "query_panel_test.h"
#include "wait.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace fendrake {
namespace {

using namespace std::chrono_literals;

const QString kTelHost = QStringLiteral("tel.fendrake.net");
const QString kTelFailure =
    QStringLiteral("发生错误！错误原因：\r1.服务器维护检修或繁忙，请稍后再试！\r2.IE损坏，请重装IE6.0以上版本！");

class TelephoneChecks : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        openPanel("cmdGaoji", "cmdEmail");
        m_result = control<QPlainTextEdit>("txtTelWZ");
        m_button = control<QAbstractButton>("cmdTelChaXun");
    }

    void click(const char *button, const char *box, const QString &text)
    {
        control<QLineEdit>(box)->setText(text);
        QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton);
    }

    // The fixed-line query has ended with this text in this colour, its controls enabled.
    void expectTelResult(const QString &text, const QColor &colour) const
    {
        ASSERT_TRUE(test::waitFor([this] { return m_button->isEnabled(); }));
        EXPECT_EQ(m_result->toPlainText().toStdString(), text.toStdString());
        EXPECT_EQ(m_result->palette().color(QPalette::Active, QPalette::Text), colour);
        EXPECT_TRUE(control<QLineEdit>("txtTel")->isEnabled() && m_result->isEnabled());
    }

    QPlainTextEdit *m_result = nullptr;
    QAbstractButton *m_button = nullptr;
};

TEST_F(TelephoneChecks, MobileQueryFillsTheLabelsOrEndsInItsFailurePath)
{
    const char *failure =
        "出现错误！错误原因：\r1.FendrakeXMLhttp组件丢失，请重新下载！\r2.服务器繁忙或故障检修，请稍后再试！\r"
        "3.网络不稳定或带宽低，请退出占用大量网络资源的程序！\r4.输入的手机号错误，请检查后重新输入！";
    const struct
    {
        const char *typed, *page, *message, *labels, *boxAfter;
    } rows[] = {
        {"13912345678", "location.html", nullptr, "归属：北京|区号：010|卡型：GSM全球通卡|邮编：100000|准备就绪",
         "13912345678"},
        {"13912345678", "no_more_link.html", failure, "归属：北京|区号：010|卡型：GSM全球通卡|邮编：|准备就绪",
         "13912345678"},
        {"12a", nullptr, failure, "归属：旧|区号：|卡型：|邮编：|准备就绪", "12a"},
        {"1391234567", nullptr, "您输入的手机号有误，请重新输入", "归属：旧|区号：|卡型：|邮编：|旧", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.typed);
        test::ProxiedFixtureServer server;
        ASSERT_TRUE(server.startProxied());
        if (row.page)
            server.addPrefix(QStringLiteral("mobile.fendrake.net:8080"), QStringLiteral("/search.asp"),
                             QStringLiteral("mobile.fendrake.net/") + QString::fromUtf8(row.page));
        openPanel("cmdChuJi", "cmdShouJi");
        control<QLabel>("lblChengShi")->setText(QStringLiteral("归属：旧"));
        control<QLabel>("lblShouJiZZ")->setText(QStringLiteral("旧"));
        m_messages.clear();

        click("cmdShouJiChaXun", "txtShouJi", QString::fromUtf8(row.typed));

        if (row.message)
            expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"), QString::fromUtf8(row.message));
        QStringList labels;
        for (const char *name : {"lblChengShi", "lblQuHao", "lblKaXing", "lblPost", "lblShouJiZZ"})
            labels << control<QLabel>(name)->text();
        EXPECT_EQ(labels.join(u'|').toStdString(), row.labels);
        EXPECT_EQ(control<QLineEdit>("txtShouJi")->text().toStdString(), row.boxAfter);
        EXPECT_TRUE(control<QLineEdit>("txtShouJi")->isEnabled() && control<QWidget>("cmdShouJiChaXun")->isEnabled());
        QStringList targets;
        for (const test::RecordedRequest &request : server.requests())
            targets << request.target;
        EXPECT_EQ(targets.join(u' ').toStdString(),
                  row.page ? "http://mobile.fendrake.net:8080/search.asp?action=mobile&mobile=13912345678" : "");
    }
}

TEST_F(TelephoneChecks, FixedLinePageCompletesTheQueryAfterAPanelResetAndOnlyOnce)
{
    test::FixtureReply late;
    late.fixtureFile = QStringLiteral("tel.fendrake.net/dh/district.html");
    late.delay = 300ms;
    m_server.addPrefixReply(kTelHost, QStringLiteral("/dh/"), late);
    click("cmdTelChaXun", "txtTel", QStringLiteral("010-12345678"));
    EXPECT_FALSE(control<QLineEdit>("txtTel")->isEnabled() || m_result->isEnabled() || m_button->isEnabled());

    QTest::mouseClick(control<QAbstractButton>("cmdEmail"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("txtTel")->text(), QString());
    EXPECT_TRUE(control<QLineEdit>("txtTel")->isEnabled() && m_result->isEnabled());
    EXPECT_FALSE(m_button->isEnabled());

    expectTelResult(QStringLiteral("北京市东城区建国门一带"), Qt::blue);
    ASSERT_EQ(m_server.requests().size(), 1u);
    EXPECT_EQ(m_server.requests().front().pathAndQuery, QStringLiteral("/dh/114.aspx?w=010-12345678"));
    m_result->setPlainText(QStringLiteral("旧"));
    emit m_form->WebTel->DocumentComplete(QString());
    EXPECT_EQ(m_result->toPlainText(), QStringLiteral("旧"));
    EXPECT_TRUE(m_messages.messages().empty());
}

TEST_F(TelephoneChecks, FixedLineRateLimitNoticeEndsRedWithoutABox)
{
    m_server.addPrefix(kTelHost, QStringLiteral("/dh/"), QStringLiteral("tel.fendrake.net/dh/rate_limited.html"));
    click("cmdTelChaXun", "txtTel", QStringLiteral("010-1234567"));
    expectTelResult(QStringLiteral("没有查找到该号码的地理位置。"), Qt::red);
    EXPECT_TRUE(m_messages.messages().empty());
}

TEST_F(TelephoneChecks, FixedLineStartWithoutBrowserOrWithShortNumberEndsAtOnce)
{
    click("cmdTelChaXun", "txtTel", QStringLiteral("010-123456"));
    expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"), QStringLiteral("电话号码格式为 010-12345678 ！"));
    EXPECT_EQ(control<QLineEdit>("txtTel")->text(), QString());

    TelephoneLocationPanel lonely;
    m_messages.clear();
    lonely.ui.txtTel->setText(QStringLiteral("010-12345678"));
    lonely.cmdTelChaXun_Click();
    expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"), kTelFailure);
    EXPECT_EQ(lonely.ui.txtTelWZ->toPlainText(), QStringLiteral("发生错误。"));
    EXPECT_TRUE(lonely.ui.cmdTelChaXun->isEnabled() && lonely.ui.txtTel->isEnabled());
}

TEST_F(TelephoneChecks, EnterInTheNumberBoxOpensTheBlockSearchOrExplainsTheFault)
{
    test::ShellOpenRecorder opened;
    const std::tuple<const char *, const char *, const char *> rows[] = {
        {"010", "12345678", nullptr},
        {"010", "1.5", "1.区号和电话号码必须是数字！请检查后重新输入"},
        {"", "12345678", "1.电话号码或区号输入错误，请检查后重新输入！"},
        {"1.5", "abc", "1.电话号码或区号输入错误，请检查后重新输入！"}, // both boxes are always tested
        {"010", "123", "1.电话号码或区号输入错误，请检查后重新输入！"},
    };
    ASSERT_TRUE(test::showActive(m_form.get()));
    for (const auto &[areaCode, number, reason] : rows) {
        SCOPED_TRACE(number);
        m_messages.clear();
        control<QLineEdit>("Text2")->setText(QString::fromUtf8(areaCode));
        control<QLineEdit>("Text3")->setText(QString::fromUtf8(number));

        QTest::keyClick(control<QLineEdit>("Text3"), Qt::Key_Return);

        if (reason)
            expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"),
                             QStringLiteral("请输入正确的电话号码和区号！错误原因：\r") + QString::fromUtf8(reason));
        EXPECT_EQ(control<QLineEdit>("Text3")->text().toStdString(), number);
        EXPECT_TRUE(control<QAbstractButton>("Command5")->isEnabled());
    }
    ASSERT_EQ(opened.addresses().size(), 1);
    EXPECT_TRUE(opened.addresses().front().endsWith(QStringLiteral("%E7%A0%81+010+12340000...12350000")));
}

} // namespace
} // namespace fendrake
