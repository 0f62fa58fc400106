#include "closed_port.h"
#include "qt_printers.h"
#include "query_panel_test.h"
#include "scoped_fetch_limits.h"
#include "wait.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace fendrake {
namespace {

const QString kHost = QStringLiteral("safe.fendrake.net");
const QString kQuery = QStringLiteral("/aspx_2/search.aspx?kw=");
const QString kSafe = QStringLiteral("安全，未在该网站发现重大的安全问题。");
const QString kUnsafe = QStringLiteral("不安全，该网站存在恶意行为，不建议进行访问。");
const QString kFailureText = QStringLiteral("出现错误！错误原因：\rIE损坏，请重新安装IE6.0以上版本！\r"
                                            "2.服务器繁忙或维护检修，请稍后再试！\r"
                                            "3.网络繁忙不稳定，请退出大量占用网络资源的程序！");

class UrlSafetyQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        openPanel("cmdGaoji", "cmdSafe");
        m_input = control<QLineEdit>("txtUS");
        m_button = control<QAbstractButton>("cmdUS");
        m_status = control<QLabel>("lblUS");
        ASSERT_TRUE(m_input && m_button && m_status);
    }

    void start(const QString &address)
    {
        m_input->setText(address);
        QTest::mouseClick(m_button, Qt::LeftButton);
    }

    bool query(const QString &address)
    {
        start(address);
        return test::waitFor([this] { return m_button->isEnabled(); });
    }

    // The picture on view ("" for none) and the ticked boxes as six 0/1 digits.
    QString picture() const
    {
        QString shown;
        for (const char *name : {"imgSafe", "imgNoSafe", "imgNoKnow"})
            if (!control<QLabel>(name)->isHidden())
                shown += QString::fromLatin1(name);
        return shown;
    }

    QString ticks() const
    {
        QString digits;
        for (int i = 1; i <= 6; ++i)
            digits += control<QCheckBox>(qPrintable(QStringLiteral("chkUS%1").arg(i)))->isChecked() ? u'1' : u'0';
        return digits;
    }

    void expectFailed() const
    {
        EXPECT_EQ(picture(), QStringLiteral("imgNoKnow"));
        EXPECT_EQ(m_status->text(), QStringLiteral("出错了"));
        EXPECT_TRUE(m_input->isEnabled());
        expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"), kFailureText);
    }

    QLineEdit *m_input = nullptr;
    QAbstractButton *m_button = nullptr;
    QLabel *m_status = nullptr;
};

TEST_F(UrlSafetyQuery, InputIsTestedAsTypedThenCleanedIntoTheBoxAndTheAddress)
{
    struct Row
    {
        QString typed;
        QString cleaned; // null: refused by the length test
    };
    const Row rows[] = {
        {"abcd", QString()},
        {"abcde", "abcde"},
        {"http://a.cn/", "a.cn"},
        {"http://a.cn//", "a.cn/"},
        {"HTTP://A.CN/", "HTTP://A.CN"},
        {"http://", ""},
    };
    ASSERT_TRUE(test::showActive(m_form.get()));
    m_server.addPrefix(kHost, kQuery, QStringLiteral("safe.fendrake.net/safe.html"));
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed.toStdString());
        m_server.clearRequests();
        m_messages.clear();
        ASSERT_TRUE(query(row.typed));
        if (row.cleaned.isNull()) {
            expectOneMessage(MessageIcon::Exclamation, QStringLiteral("错误"),
                             QStringLiteral("请输入完整正确的网址！"));
            EXPECT_EQ(QApplication::focusWidget(), m_input);
            EXPECT_TRUE(m_server.requests().empty());
            continue;
        }
        EXPECT_EQ(m_input->text(), row.cleaned);
        ASSERT_EQ(m_server.requests().size(), 1u);
        EXPECT_EQ(m_server.requests().front().pathAndQuery, kQuery + row.cleaned);
        EXPECT_EQ(picture(), QStringLiteral("imgSafe"));
        EXPECT_EQ(m_status->text(), QStringLiteral("查询完毕"));
    }
}

TEST_F(UrlSafetyQuery, VerdictSentencesInPageOrderAndTheBehaviourBlockTickTheirBoxes)
{
    struct Row
    {
        QString page;
        QString picture;
        QString ticks; // null: the failure path
    };
    const QString block = QStringLiteral("恶意行为：钓鱼或诈骗 大量弹窗");
    const Row rows[] = {
        {kUnsafe + block + QStringLiteral(" 恶意行为详情：带毒挂马"), "imgNoSafe", "010010"},
        {kUnsafe + kSafe + block + QStringLiteral("恶意行为详情"), "imgSafe", "000000"},
        {kUnsafe + block, QString(), QString()},
        {QStringLiteral("没有任何结果"), "imgNoKnow", "000000"},
        {QStringLiteral("网站安全中心"), "", "000000"},
    };
    int site = 0;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.page.toStdString());
        m_messages.clear();
        const QString address = QStringLiteral("site%1.cn").arg(++site);
        m_server.addBody(
            kHost, kQuery + address,
            test::gbkEncoded(QStringLiteral("<html><body><div>") + row.page + QStringLiteral("</div></body></html>")));

        start(address); // the page arrives through the event loop, not before
        EXPECT_EQ(picture(), QString()) << "a new query clears the pictures";
        EXPECT_EQ(ticks(), QStringLiteral("000000")) << "and the ticks";
        EXPECT_EQ(m_status->text(), QStringLiteral("正在连接服务器..."));
        ASSERT_TRUE(test::waitFor([this] { return m_button->isEnabled(); }));
        if (row.ticks.isNull()) {
            expectFailed();
            continue;
        }
        EXPECT_EQ(picture(), row.picture);
        EXPECT_EQ(ticks(), row.ticks);
        EXPECT_EQ(m_status->text(), QStringLiteral("查询完毕"));
        EXPECT_TRUE(m_messages.messages().empty());
    }
}

TEST_F(UrlSafetyQuery, StalledServiceAndRefusedPortEndInTheFailurePath)
{
    const test::ScopedFetchLimits shortened(std::chrono::milliseconds(1000), std::chrono::milliseconds(1500));
    test::FixtureReply stall;
    stall.behaviour = test::FixtureReply::Behaviour::Stall;
    m_server.addPrefixReply(kHost, kQuery, stall);
    ASSERT_TRUE(query(QStringLiteral("example.com")));
    expectFailed();

    m_messages.clear();
    const QString refused = test::closedLocalAddress();
    ASSERT_FALSE(refused.isEmpty());
    const test::ScopedProxyEnvironment refusing(refused);
    ASSERT_TRUE(query(QStringLiteral("example.com")));
    expectFailed();
}

TEST_F(UrlSafetyQuery, ChecksAnsweredTogetherKeepTheirOwnResults)
{
    m_server.addPrefix(kHost, kQuery, QStringLiteral("safe.fendrake.net/unsafe.html"));
    m_server.addPrefix(QStringLiteral("icp.fendrake.net:8080"), QStringLiteral("/index.html?hostName="),
                       QStringLiteral("icp.fendrake.net/unfiled.html"));
    start(QStringLiteral("example.com"));
    openPanel("cmdGaoji", "cmdICP");
    control<QLineEdit>("txtICP")->setText(QStringLiteral("example.com"));
    QTest::mouseClick(control<QAbstractButton>("Command6"), Qt::LeftButton);

    ASSERT_TRUE(
        test::waitFor([this] { return m_button->isEnabled() && control<QAbstractButton>("Command6")->isEnabled(); }));
    EXPECT_EQ(picture(), QStringLiteral("imgNoSafe"));
    EXPECT_EQ(ticks(), QStringLiteral("100011"));
    EXPECT_EQ(control<QLabel>("Label25")->text(), QStringLiteral("备案状态：未备案"));
    EXPECT_TRUE(m_messages.messages().empty());
}

} // namespace
} // namespace fendrake
