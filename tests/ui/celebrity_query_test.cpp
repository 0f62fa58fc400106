#include "query_panel_test.h"
#include "scoped_fetch_limits.h"
#include "wait.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

namespace fendrake {
namespace {

const QString kHost = QStringLiteral("forum.fendrake.net");
const QStringList kIdle = {QStringLiteral("局限性人气指标："), QStringLiteral("广泛性人气指标："),
                           QStringLiteral("流行趋势硬指标："), QStringLiteral("流行趋势总指标：")};
const QStringList kFigures = {QStringLiteral("局限性人气指标：1234#"), QStringLiteral("广泛性人气指标：56789#"),
                              QStringLiteral("流行趋势硬指标：321#"), QStringLiteral("流行趋势总指标：8888#")};
const QString kNoResult = QStringLiteral("没有查询到结果，可能由于服务器问题或网络问题，请稍后重试！");

// The demo's routes: a forum with figures for any name; 无名氏 has none, 某某 is closed, 测试 lacks counts.
class CelebrityQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        QString error;
        ASSERT_TRUE(m_server.loadRouteFile(QDir(m_server.fixturesDir()).filePath("demo-routes.txt"), &error))
            << error.toStdString();
        openPanel("cmdZhongJi", "Command12");
        m_input = control<QLineEdit>("txtMXName");
        m_button = control<QAbstractButton>("cmdMXCX");
        m_status = control<QLabel>("lblMX6");
        for (const char *name : {"lblMX4", "lblMX3", "lblMX2", "lblMX5"})
            m_labels.append(control<QLabel>(name));
        ASSERT_TRUE(m_input && m_button && m_status && !m_labels.contains(nullptr));
    }

    QStringList captions() const
    {
        QStringList shown;
        for (const QLabel *label : m_labels)
            shown.append(label->text());
        return shown;
    }

    // Runs one query to its end; the captions are checked to be idle before the page arrives.
    void query(const QString &name)
    {
        m_server.clearRequests();
        m_messages.clear();
        for (QLabel *label : m_labels)
            label->setText(QStringLiteral("旧"));
        m_input->setText(name);
        QTest::mouseClick(m_button, Qt::LeftButton);
        EXPECT_EQ(captions(), kIdle);
        EXPECT_FALSE(m_input->isEnabled());
        EXPECT_EQ(m_status->text(), QStringLiteral("正在连接服务器..."));
        ASSERT_TRUE(test::waitFor([this] { return m_button->isEnabled(); }));
        EXPECT_TRUE(m_input->isEnabled());
        EXPECT_EQ(m_status->text(), QStringLiteral("准备就绪"));
    }

    QLineEdit *m_input = nullptr;
    QAbstractButton *m_button = nullptr;
    QLabel *m_status = nullptr;
    QList<QLabel *> m_labels;
};

TEST_F(CelebrityQuery, ForumPageGivesTheFourFiguresForAnyNameEvenAnEmptyOne)
{
    const struct
    {
        QString name;
        QString sent;
    } cases[] = {
        {QStringLiteral("刘德华"), QStringLiteral("/f?kw=%C1%F5%B5%C2%BB%AA")},
        {QString(), QStringLiteral("/f?kw=")},
        {QStringLiteral("a b&c"), QStringLiteral("/f?kw=a%20b%26c")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        query(c.name);

        ASSERT_EQ(m_server.requests().size(), 1u);
        EXPECT_EQ(m_server.requests().front().host, kHost);
        EXPECT_EQ(m_server.requests().front().pathAndQuery, c.sent);
        EXPECT_EQ(captions(), kFigures);
        EXPECT_TRUE(m_messages.messages().empty());
    }
}

TEST_F(CelebrityQuery, PagesWithoutFiguresEndInTheirMessageKeepingWhatWasCut)
{
    const test::ScopedFetchLimits shortened(std::chrono::milliseconds(1000), std::chrono::milliseconds(1500));
    m_server.addPrefix(kHost, QStringLiteral("/f?kw=fans"), QStringLiteral("forum.fendrake.net/no_followers.html"));
    test::FixtureReply stall;
    stall.behaviour = test::FixtureReply::Behaviour::Stall;
    m_server.addPrefixReply(kHost, QStringLiteral("/f?kw=stall"), stall);
    test::FixtureReply drop;
    drop.behaviour = test::FixtureReply::Behaviour::Drop;
    m_server.addPrefixReply(kHost, QStringLiteral("/f?kw=drop"), drop);
    const struct
    {
        QString name;
        QString message;
        QStringList captions;
    } cases[] = {
        // The closed-forum page also holds "吧尚未建立".
        {QStringLiteral("某某"), QStringLiteral("抱歉，根据相关法律法规和政策，本明星信息暂不开放。"), kIdle},
        {QStringLiteral("无名氏"), QStringLiteral("此明星知名度过低或根本不存在！"), kIdle},
        {QStringLiteral("测试"), kNoResult, kFigures.first(2) + kIdle.sliced(2)},
        {QStringLiteral("fans"), kNoResult, kFigures.first(3) + kIdle.sliced(3)},
        {QStringLiteral("stall"), kNoResult, kIdle},
        {QStringLiteral("drop"), kNoResult, kIdle},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        query(c.name);

        expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"), c.message);
        EXPECT_EQ(captions(), c.captions);
    }
}

} // namespace
} // namespace fendrake
