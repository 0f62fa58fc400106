#include "app/services/browser_control.h"
#include "query_panel_test.h"
#include "scoped_fetch_limits.h"
#include "wait.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>

namespace fendrake {
namespace {

using namespace std::chrono_literals;

const QString kMobileHost = QStringLiteral("mobile.fendrake.net:8080");
const QString kTelHost = QStringLiteral("tel.fendrake.net");
const QString kError = QStringLiteral("错误");
const QString kTelFailure =
    QStringLiteral("发生错误！错误原因：\r1.服务器维护检修或繁忙，请稍后再试！\r2.IE损坏，请重装IE6.0以上版本！");
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

class MobileQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        openPanel("cmdChuJi", "cmdShouJi");
    }

    void query(test::FixtureServer &server, const QString &fixture, const QString &number)
    {
        server.addPrefix(kMobileHost, QStringLiteral("/search.asp"), fixture);
        control<QLineEdit>("txtShouJi")->setText(number);
        QTest::mouseClick(control<QAbstractButton>("cmdShouJiChaXun"), Qt::LeftButton);
    }

    QStringList labels() const
    {
        QStringList texts;
        for (const char *name : {"lblChengShi", "lblQuHao", "lblKaXing", "lblPost", "lblShouJiZZ"})
            texts << control<QLabel>(name)->text();
        return texts;
    }

    bool idle() const
    {
        return control<QLineEdit>("txtShouJi")->isEnabled() && control<QAbstractButton>("cmdShouJiChaXun")->isEnabled();
    }
};

TEST_F(MobileQuery, LocationPageFillsTheFourLabels)
{
    query(m_server, QStringLiteral("mobile.fendrake.net/location.html"), QStringLiteral("13912345678"));

    EXPECT_TRUE(m_messages.messages().empty());
    EXPECT_EQ(labels().join(u'|'), QStringLiteral("归属：北京|区号：010|卡型：GSM全球通卡|邮编：100000|准备就绪"));
    ASSERT_EQ(m_server.requests().size(), 1u);
    EXPECT_EQ(m_server.requests().front().host, kMobileHost);
    EXPECT_EQ(m_server.requests().front().pathAndQuery,
              QStringLiteral("/search.asp?action=mobile&mobile=13912345678"));
    EXPECT_TRUE(idle());
}

TEST_F(MobileQuery, FailuresKeepWhatWasFilledAndTheBoxText)
{
    const QString failure = QStringLiteral(
        "出现错误！错误原因：\r1.FendrakeXMLhttp组件丢失，请重新下载！\r2.服务器繁忙或故障检修，请稍后再试！\r"
        "3.网络不稳定或带宽低，请退出占用大量网络资源的程序！\r4.输入的手机号错误，请检查后重新输入！");
    const struct
    {
        const char *typed;
        const char *fixture;
        const char *message;
        const char *labels;
        const char *boxAfter;
        size_t requests;
    } rows[] = {
        {"13912345678", "mobile.fendrake.net/no_more_link.html", nullptr,
         "归属：北京|区号：010|卡型：GSM全球通卡|邮编：|准备就绪", "13912345678", 1},
        {"13912345678", "mobile.fendrake.net/missing.html", nullptr, "归属：|区号：|卡型：|邮编：|准备就绪",
         "13912345678", 1},
        {"12a", "mobile.fendrake.net/location.html", nullptr, "归属：旧|区号：旧|卡型：旧|邮编：旧|准备就绪", "12a", 0},
        {"", "mobile.fendrake.net/location.html", nullptr, "归属：旧|区号：旧|卡型：旧|邮编：旧|准备就绪", "", 0},
        {"1391234567", "mobile.fendrake.net/location.html", "您输入的手机号有误，请重新输入",
         "归属：旧|区号：旧|卡型：旧|邮编：旧|旧", "", 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.typed);
        test::ProxiedFixtureServer server;
        ASSERT_TRUE(server.startProxied());
        m_messages.clear();
        for (const char *name : {"lblChengShi", "lblQuHao", "lblKaXing", "lblPost"})
            control<QLabel>(name)->setText(control<QLabel>(name)->text().left(3) + QStringLiteral("旧"));
        control<QLabel>("lblShouJiZZ")->setText(QStringLiteral("旧"));

        query(server, QString::fromUtf8(row.fixture), QString::fromUtf8(row.typed));

        expectOneMessage(MessageIcon::Critical, kError, row.message ? QString::fromUtf8(row.message) : failure);
        EXPECT_EQ(labels().join(u'|').toStdString(), row.labels);
        EXPECT_EQ(control<QLineEdit>("txtShouJi")->text().toStdString(), row.boxAfter);
        EXPECT_EQ(server.requests().size(), row.requests);
        EXPECT_TRUE(idle());
    }
}

class TelephoneQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        openPanel("cmdGaoji", "cmdEmail");
        m_input = control<QLineEdit>("txtTel");
        m_result = control<QPlainTextEdit>("txtTelWZ");
        m_button = control<QAbstractButton>("cmdTelChaXun");
    }

    void start(const QString &number)
    {
        m_input->setText(number);
        QTest::mouseClick(m_button, Qt::LeftButton);
    }

    void expectResult(const QString &text, const QColor &colour) const
    {
        ASSERT_TRUE(test::waitFor([this] { return m_button->isEnabled(); }));
        EXPECT_EQ(m_result->toPlainText().toStdString(), text.toStdString());
        EXPECT_EQ(m_result->palette().color(QPalette::Active, QPalette::Text), colour);
        EXPECT_TRUE(m_input->isEnabled() && m_result->isEnabled());
    }

    QLineEdit *m_input = nullptr;
    QPlainTextEdit *m_result = nullptr;
    QAbstractButton *m_button = nullptr;
};

TEST_F(TelephoneQuery, DistrictPageShowsTheDistrictAndLaterEventsAreIgnored)
{
    m_server.addPrefix(kTelHost, QStringLiteral("/dh/"), QStringLiteral("tel.fendrake.net/dh/district.html"));
    start(QStringLiteral("010-12345678"));
    EXPECT_FALSE(m_input->isEnabled() || m_result->isEnabled() || m_button->isEnabled());

    expectResult(QStringLiteral("北京市东城区建国门一带"), kBlue);
    ASSERT_EQ(m_server.requests().size(), 1u);
    EXPECT_EQ(m_server.requests().front().pathAndQuery, QStringLiteral("/dh/114.aspx?w=010-12345678"));

    m_result->setPlainText(QStringLiteral("旧"));
    emit m_form->WebTel->DocumentComplete(QString());
    EXPECT_EQ(m_result->toPlainText(), QStringLiteral("旧"));
    EXPECT_TRUE(m_messages.messages().empty());
}

TEST_F(TelephoneQuery, RefusalsAndUnreadablePagesEndRedWithTheControlsEnabled)
{
    const test::ScopedFetchLimits limits(2s, 2s);
    const struct
    {
        const char *fixture; // empty: the service never answers
        const char *result;
        bool failureBox;
    } rows[] = {
        {"tel.fendrake.net/dh/rate_limited.html", "没有查找到该号码的地理位置。", false},
        {"tel.fendrake.net/dh/no_asterisk.html", "发生错误。", true},
        {"", "发生错误。", true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.fixture);
        test::ProxiedFixtureServer server;
        ASSERT_TRUE(server.startProxied());
        test::FixtureReply stall;
        stall.behaviour = test::FixtureReply::Behaviour::Stall;
        if (*row.fixture)
            server.addPrefix(kTelHost, QStringLiteral("/dh/"), QString::fromUtf8(row.fixture));
        else
            server.addPrefixReply(kTelHost, QStringLiteral("/dh/"), stall);
        m_messages.clear();

        start(QStringLiteral("010-1234567"));

        expectResult(QString::fromUtf8(row.result), kRed);
        EXPECT_EQ(m_messages.messages().size(), row.failureBox ? 1u : 0u);
        if (row.failureBox)
            expectOneMessage(MessageIcon::Critical, kError, kTelFailure);
    }
}

TEST_F(TelephoneQuery, ShortNumberGetsTheFormatMessageAndNoNavigation)
{
    start(QStringLiteral("010-123456"));

    expectOneMessage(MessageIcon::Critical, kError, QStringLiteral("电话号码格式为 010-12345678 ！"));
    EXPECT_EQ(m_input->text(), QString());
    EXPECT_TRUE(m_button->isEnabled());
    EXPECT_FALSE(m_form->TelQueryPending.isPending());
}

TEST_F(TelephoneQuery, PanelResetWhilePendingLeavesThePageToCompleteTheQuery)
{
    test::FixtureReply late;
    late.fixtureFile = QStringLiteral("tel.fendrake.net/dh/district.html");
    late.delay = 300ms;
    m_server.addPrefixReply(kTelHost, QStringLiteral("/dh/"), late);
    start(QStringLiteral("010-12345678"));

    QTest::mouseClick(control<QAbstractButton>("cmdEmail"), Qt::LeftButton);
    EXPECT_EQ(m_input->text(), QString());
    EXPECT_TRUE(m_input->isEnabled() && m_result->isEnabled());
    EXPECT_FALSE(m_button->isEnabled());

    expectResult(QStringLiteral("北京市东城区建国门一带"), kBlue);
}

class NumberBlockQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        openPanel("cmdGaoji", "cmdEmail");
    }

    test::ShellOpenRecorder m_opened;
};

TEST_F(NumberBlockQuery, EnterInTheNumberBoxOpensTheBlockSearchOrExplainsTheFault)
{
    const QString reason = QStringLiteral("请输入正确的电话号码和区号！错误原因：\r");
    const struct
    {
        const char *areaCode;
        const char *number;
        const char *message; // null: the search opens
    } rows[] = {
        {"010", "12345678", nullptr},
        {"010", "1.5", "1.区号和电话号码必须是数字！请检查后重新输入"},
        {"", "12345678", "1.电话号码或区号输入错误，请检查后重新输入！"},
        {"010", "123", "1.电话号码或区号输入错误，请检查后重新输入！"},
    };
    ASSERT_TRUE(test::showActive(m_form.get()));
    for (const auto &row : rows) {
        SCOPED_TRACE(row.number);
        m_messages.clear();
        const qsizetype opened = m_opened.addresses().size();
        control<QLineEdit>("Text2")->setText(QString::fromUtf8(row.areaCode));
        control<QLineEdit>("Text3")->setText(QString::fromUtf8(row.number));

        QTest::keyClick(control<QLineEdit>("Text3"), Qt::Key_Return);

        if (row.message) {
            expectOneMessage(MessageIcon::Critical, kError, reason + QString::fromUtf8(row.message));
            EXPECT_EQ(m_opened.addresses().size(), opened);
        } else {
            EXPECT_TRUE(m_messages.messages().empty());
            EXPECT_EQ(m_opened.addresses().value(opened),
                      QStringLiteral("http://websearch.fendrake.net/search?num=50&hl=en&lr=&newwindow=-1&q="
                                     "%E7%94%B5%E8%AF%9D%E5%8F%B7%E7%A0%81+010+12340000...12350000"));
        }
        EXPECT_EQ(control<QLineEdit>("Text3")->text().toStdString(), row.number);
        EXPECT_TRUE(control<QAbstractButton>("Command5")->isEnabled());
    }
}

TEST_F(NumberBlockQuery, SenderHintIsOneParagraphOfThreeItemsSpacedToWrap)
{
    QTest::mouseClick(control<QAbstractButton>("Command4"), Qt::LeftButton);

    ASSERT_EQ(m_messages.messages().size(), 1u);
    const test::RecordedMessage &box = m_messages.messages().front();
    EXPECT_EQ(box.icon, MessageIcon::Information);
    EXPECT_EQ(box.title, QStringLiteral("Email所在地查询方法"));
    EXPECT_FALSE(box.text.contains(u'\r') || box.text.contains(u'\n'));
    EXPECT_TRUE(box.text.contains(QStringLiteral("。") + QString(12, u' ') + QStringLiteral("2、")));
    EXPECT_TRUE(box.text.contains(QStringLiteral("。") + QString(15, u' ') + QStringLiteral("3、")));
    EXPECT_EQ(box.text.count(QStringLiteral("X-originating-IP")), 1);
    EXPECT_EQ(m_opened.addresses().size(), 0);
}

} // namespace
} // namespace fendrake
