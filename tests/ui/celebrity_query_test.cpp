#include "query_panel_test.h"
#include "wait.h"

#include <QDir>

namespace fendrake {
namespace {

const QString kHost = QStringLiteral("forum.fendrake.net");
const QString kNoResult = QStringLiteral("没有查询到结果，可能由于服务器问题或网络问题，请稍后重试！");
const QStringList kIdle = {QStringLiteral("局限性人气指标："), QStringLiteral("广泛性人气指标："),
                           QStringLiteral("流行趋势硬指标："), QStringLiteral("流行趋势总指标：")};
const QStringList kFigures = {QStringLiteral("局限性人气指标：1234#"), QStringLiteral("广泛性人气指标：56789#"),
                              QStringLiteral("流行趋势硬指标：321#"), QStringLiteral("流行趋势总指标：8888#")};

using CelebrityQuery = test::QueryPanelTest;

// On the demo's routes: a forum with figures for any name; 无名氏 has none, 某某 is closed (its
// page also says "吧尚未建立"), 测试 lacks the third count.
TEST_F(CelebrityQuery, EachPageEndsInItsFiguresOrItsMessage)
{
    ASSERT_TRUE(m_server.loadRouteFile(QDir(m_server.fixturesDir()).filePath("demo-routes.txt")));
    openPanel("cmdZhongJi", "Command12");
    auto *input = control<QLineEdit>("txtMXName");
    auto *button = control<QAbstractButton>("cmdMXCX");
    QList<QLabel *> labels;
    for (const char *name : {"lblMX4", "lblMX3", "lblMX2", "lblMX5"})
        labels.append(control<QLabel>(name));
    ASSERT_TRUE(input && button && !labels.contains(nullptr));
    const auto captions = [&labels] {
        QStringList shown;
        for (const QLabel *label : labels)
            shown.append(label->text());
        return shown;
    };

    const struct
    {
        QString name, sent, message;
        QStringList captions;
    } cases[] = {
        {"刘德华", "%C1%F5%B5%C2%BB%AA", "", kFigures},
        {"", "", "", kFigures},
        {"a b&c", "a%20b%26c", "", kFigures},
        {"某某", "%C4%B3%C4%B3", "抱歉，根据相关法律法规和政策，本明星信息暂不开放。", kIdle},
        {"无名氏", "%CE%DE%C3%FB%CA%CF", "此明星知名度过低或根本不存在！", kIdle},
        {"测试", "%B2%E2%CA%D4", kNoResult, kFigures.first(2) + kIdle.sliced(2)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        m_server.clearRequests();
        m_messages.clear();
        for (QLabel *label : labels)
            label->setText(QStringLiteral("旧"));
        input->setText(c.name);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(captions(), kIdle); // put back before the page can have arrived
        ASSERT_TRUE(test::waitFor([&] { return button->isEnabled() && input->isEnabled(); }));

        ASSERT_EQ(m_server.requests().size(), 1u);
        EXPECT_EQ(m_server.requests().front().target, QStringLiteral("http://") + kHost + "/f?kw=" + c.sent);
        EXPECT_EQ(captions(), c.captions);
        EXPECT_EQ(m_messages.messages().size(), c.message.isEmpty() ? 0u : 1u);
        if (!c.message.isEmpty())
            expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"), c.message);
        EXPECT_EQ(control<QLabel>("lblMX6")->text(), QStringLiteral("准备就绪"));
    }
}

} // namespace
} // namespace fendrake
