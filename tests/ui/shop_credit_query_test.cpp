#include "app/services/pause.h"
#include "query_panel_test.h"
#include "wait.h"

#include <QCheckBox>
#include <QScopeGuard>
#include <QTimer>

#include <array>
#include <utility>

namespace fendrake {
namespace {

const QString kSearchHost = QStringLiteral("shopsearch.fendrake.net");
const QString kSearchPath = QStringLiteral("/browse/shop_search.htm?q=");

class ShopCreditQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        openPanel("cmdGaoji", "Command7");
        m_name = control<QLineEdit>("txtTB");
        m_query = control<QAbstractButton>("cmdTBCX");
        m_result = control<QAbstractButton>("cmdTBURL");
        ASSERT_TRUE(m_name && m_query && m_result);
        for (int i = 0; i < 8; ++i)
            m_checks[i] = control<QCheckBox>(("Check" + std::to_string(i + 2)).c_str());
        const std::pair<const char *, const char *> searches[] = {
            {"abc", "results"}, {"badshop", "bad_results"}, {"nobody", "none"}, {"", "none"}};
        for (const auto &[name, page] : searches)
            m_server.addPrefix(kSearchHost, kSearchPath + name,
                               QStringLiteral("shopsearch.fendrake.net/%1.html").arg(page));
    }

    QLineEdit *box(const char *name) const { return control<QLineEdit>(name); }

    // Runs a query to its end.
    void query(const QString &typed)
    {
        m_server.clearRequests();
        m_name->setText(typed);
        QTest::mouseClick(m_query, Qt::LeftButton);
        ASSERT_TRUE(test::waitFor([this] { return m_query->isEnabled(); }));
    }

    QLineEdit *m_name = nullptr;
    QAbstractButton *m_query = nullptr;
    QAbstractButton *m_result = nullptr;
    std::array<QCheckBox *, 8> m_checks{};
};

// First: four links before the shop fail the test (relative, letter, no slash, a page of a shop), and a script
// link to a rating page is passed over. Second: no "卖家信息" leaves the buyer credit empty, no creation time
// leaves the year empty. Third: no shop, and nothing left of the last one.
TEST_F(ShopCreditQuery, FirstShopAndRatingLinksAreFollowedAndTheRatingPageIsCutAndOpenedOnce)
{
    struct Row
    {
        QString typed, cleaned, shop, rating;
        QString flags; // Check2 to Check6: protection, violations, refund disputes, complaints, penalties
        QString seller, buyer, year, message;
    };
    // clang-format off
    const Row rows[] = {
        {"a.b c", "abc", "shop1001.fenshop.cn/", "rate.fenshop.cn/user-rate-1001.htm", "10000", "12345", "356", "2009",
         ""},
        {" bad.shop ", "badshop", "shop2002.fenshop.cn/", "rate.fenshop.cn/user-rate-2002.htm", "01010", "320", "", "",
         ""},
        {"nobody", "nobody", "", "", "00000", "", "", "", "没有找到相应的店铺信息!"},
    };
    // clang-format on
    for (const Row &row : rows) {
        SCOPED_TRACE(row.cleaned.toStdString());
        m_messages.clear();
        query(row.typed);

        EXPECT_EQ(m_messages.messages().size(), row.message.isEmpty() ? 0u : 1u);
        for (const test::RecordedMessage &message : m_messages.messages())
            EXPECT_EQ(message.text, row.message);
        EXPECT_EQ(m_name->text(), row.cleaned);
        QStringList requested;
        for (const test::RecordedRequest &request : m_server.requests())
            requested << request.host + request.pathAndQuery;
        const QStringList expected = {kSearchHost + kSearchPath + row.cleaned + "&title=title&nick=nick&tab=3&s=0",
                                      row.shop, row.rating};
        EXPECT_EQ(requested, row.shop.isEmpty() ? expected.first(1) : expected);
        QString flags;
        for (int i = 0; i < 5; ++i)
            flags += m_checks[i]->isChecked() ? u'1' : u'0';
        EXPECT_EQ(flags, row.flags);
        EXPECT_EQ(box("Text9")->text(), row.seller);
        EXPECT_EQ(box("Text11")->text(), row.buyer);
        EXPECT_EQ(box("Text12")->text(), row.year);
        EXPECT_EQ(m_result->isHidden(), row.rating.isEmpty());
        test::ShellOpenRecorder opened;
        QTest::mouseClick(m_result, Qt::LeftButton);
        QTest::mouseClick(m_result, Qt::LeftButton);
        EXPECT_EQ(opened.addresses(), row.rating.isEmpty() ? QStringList() : QStringList{"http://" + row.rating});
    }
}

TEST_F(ShopCreditQuery, EvaluationAdvisesOnOneReadingOfTheBoxesTakenBeforeThePause)
{
    const auto restoreClock = qScopeGuard(
        [previous = setPauseClock([seconds = qint64(0)]() mutable { return seconds++; })] { setPauseClock(previous); });
    m_checks[0]->setChecked(true);
    const std::pair<const char *, const char *> typed[] = {
        {"Text7", "6000好评"}, {"Text8", "&H10"}, {"Text9", "3 000"}, {"Text11", "300"}, {"Text12", "2008"}};
    for (const auto &[name, text] : typed)
        box(name)->setText(QString::fromUtf8(text));
    auto *evaluate = control<QAbstractButton>("Command13");
    bool enabledDuringPause = true;
    // A shop query started during the pause empties every box the evaluation reads.
    QTimer::singleShot(0, m_form.get(), [&] {
        enabledDuringPause = evaluate->isEnabled();
        QTest::mouseClick(m_query, Qt::LeftButton);
    });
    QTest::mouseClick(evaluate, Qt::LeftButton);

    EXPECT_FALSE(enabledDuringPause);
    EXPECT_EQ(control<QPlainTextEdit>("Text10")->toPlainText(),
              QStringLiteral("经过检测该店存在的问题有：该店铺差评太多。该店铺评分：100 分。"
                             "经过评估，该店总体水平较好，可以购买！"));
    EXPECT_TRUE(evaluate->isEnabled());
    EXPECT_TRUE(test::waitFor([this] { return m_query->isEnabled(); }));
}

} // namespace
} // namespace fendrake
