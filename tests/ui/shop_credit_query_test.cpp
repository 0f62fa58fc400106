#include "app/services/pause.h"
#include "check_query.h"

#include <QCheckBox>
#include <QScopeGuard>
#include <QTimer>

#include <utility>

namespace fendrake {
namespace {

const QString kSearchHost = QStringLiteral("shopsearch.fendrake.net");
const QString kSearchPath = QStringLiteral("/browse/shop_search.htm?q=");

class ShopCreditQuery : public test::CheckQuery
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        openPanel("cmdGaoji", "Command7");
        for (const auto &[name, page] : {std::pair("abc", "results"),
                                         {"badshop", "bad_results"},
                                         {"bare", "bare_results"},
                                         {"nobody", "none"},
                                         {"", "none"}})
            m_server.addPrefix(kSearchHost, kSearchPath + name,
                               QStringLiteral("shopsearch.fendrake.net/%1.html").arg(page));
        m_server.addPrefix("shop123.fenshop.cn", "/", "shop1001.fenshop.cn/index.html");
    }

    QAbstractButton *button(const char *name) const { return control<QAbstractButton>(name); }
};

// First: four links before the shop fail the test (relative, letter, https, a page of a shop), and a script
// link to a rating page is passed over. Second: no "卖家信息" leaves the buyer credit empty, no creation time
// leaves the year empty. Third: a shop linked without its final slash is read with it, as a browser lists it,
// after a page of the same shop. Fourth: no shop, and nothing left of the last one.
TEST_F(ShopCreditQuery, FirstShopAndRatingLinksAreFollowedAndTheRatingPageIsCutAndOpenedOnce)
{
    struct Row // flags: Check2 to Check6, protection, violations, refund disputes, complaints, penalties
    {
        QString typed, cleaned, shop, rating, flags, seller, buyer, year, message;
    };
    // clang-format off
    const Row rows[] = {
        {"a.b c", "abc", "shop1001.fenshop.cn/", "rate.fenshop.cn/user-rate-1001.htm", "1|0|0|0|0", "12345", "356", "2009",
         ""},
        {" bad.shop ", "badshop", "shop2002.fenshop.cn/", "rate.fenshop.cn/user-rate-2002.htm", "0|1|0|1|0", "320", "", "",
         ""},
        {"bare", "bare", "shop123.fenshop.cn/", "rate.fenshop.cn/user-rate-1001.htm", "1|0|0|0|0", "12345", "356", "2009",
         ""},
        {"nobody", "nobody", "", "", "0|0|0|0|0", "", "", "", "没有找到相应的店铺信息!"},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.cleaned.toStdString());
        run("txtTB", "cmdTBCX", row.typed, false);
        ASSERT_TRUE(ended({"cmdTBCX"}));

        EXPECT_EQ(boxes(), test::listOf(row.message.isEmpty() ? row.message : "错误:" + row.message));
        EXPECT_EQ(shown({"txtTB"}), row.cleaned);
        const QStringList expected = {"http://" + kSearchHost + kSearchPath + row.cleaned +
                                          "&title=title&nick=nick&tab=3&s=0",
                                      "http://" + row.shop, "http://" + row.rating};
        EXPECT_EQ(requests(), row.shop.isEmpty() ? expected.first(1) : expected);
        EXPECT_EQ(
            shown({"Check2", "Check3", "Check4", "Check5", "Check6", "Text9", "Text11", "Text12", "cmdTBURL"}),
            QStringList({row.flags, row.seller, row.buyer, row.year, row.rating.isEmpty() ? "0" : "1"}).join(u'|'));
        test::ShellOpenRecorder opened;
        QTest::mouseClick(button("cmdTBURL"), Qt::LeftButton);
        QTest::mouseClick(button("cmdTBURL"), Qt::LeftButton);
        EXPECT_EQ(opened.addresses(), row.rating.isEmpty() ? QStringList() : QStringList{"http://" + row.rating});
    }
}

TEST_F(ShopCreditQuery, EvaluationAdvisesOnOneReadingOfTheBoxesTakenBeforeThePause)
{
    const auto restoreClock = qScopeGuard(
        [previous = setPauseClock([seconds = qint64(0)]() mutable { return seconds++; })] { setPauseClock(previous); });
    control<QCheckBox>("Check2")->setChecked(true);
    const std::pair<const char *, const char *> typed[] = {
        {"Text7", "6000好评"}, {"Text8", "&H10"}, {"Text9", "3 000"}, {"Text11", "300"}, {"Text12", "2008"}};
    for (const auto &[name, text] : typed)
        control<QLineEdit>(name)->setText(QString::fromUtf8(text));
    auto *evaluate = control<QAbstractButton>("Command13");
    bool enabledDuringPause = true;
    // A shop query started during the pause empties every box the evaluation reads.
    QTimer::singleShot(0, m_form.get(), [&] {
        enabledDuringPause = evaluate->isEnabled();
        QTest::mouseClick(button("cmdTBCX"), Qt::LeftButton);
    });
    QTest::mouseClick(evaluate, Qt::LeftButton);

    EXPECT_FALSE(enabledDuringPause);
    EXPECT_EQ(control<QPlainTextEdit>("Text10")->toPlainText(),
              QStringLiteral("经过检测该店存在的问题有：该店铺差评太多。该店铺评分：100 分。"
                             "经过评估，该店总体水平较好，可以购买！"));
    EXPECT_TRUE(evaluate->isEnabled());
    EXPECT_TRUE(ended({"cmdTBCX"}));
}

} // namespace
} // namespace fendrake
