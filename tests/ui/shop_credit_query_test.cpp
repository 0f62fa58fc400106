#include "app/services/pause.h"
#include "query_panel_test.h"
#include "wait.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>

namespace fendrake {
namespace {

const QString kSearchHost = QStringLiteral("shopsearch.fendrake.net");
const QString kSearchPath = QStringLiteral("/browse/shop_search.htm?q=");
const QString kSoundRating = QStringLiteral("http://rate.fenshop.cn/user-rate-1001.htm");

// Check2 to Check6: consumer protection, violations, refund disputes, complaints, penalties.
using Flags = std::array<bool, 5>;

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
        m_advice = control<QPlainTextEdit>("Text10");
        ASSERT_TRUE(m_name && m_query && m_result && m_advice);
        for (int i = 0; i < 8; ++i)
            m_checks[i] = control<QCheckBox>(("Check" + std::to_string(i + 2)).c_str());
    }

    QLineEdit *box(const char *name) const { return control<QLineEdit>(name); }

    // Runs a query to its end, the search for the cleaned name answered by the given page.
    void query(const QString &typed, const QString &searchPage, const QString &cleaned = QString())
    {
        m_server.addPrefix(kSearchHost, kSearchPath + (cleaned.isNull() ? typed : cleaned), searchPage);
        m_server.clearRequests();
        m_name->setText(typed);
        QTest::mouseClick(m_query, Qt::LeftButton);
        ASSERT_TRUE(test::waitFor([this] { return m_query->isEnabled(); }));
    }

    QStringList requested() const
    {
        QStringList addresses;
        for (const test::RecordedRequest &request : m_server.requests())
            addresses << request.host + request.pathAndQuery;
        return addresses;
    }

    // What the user fills in by hand, and what an earlier query left.
    void fillEverything()
    {
        for (QCheckBox *check : m_checks)
            check->setChecked(true);
        for (const char *name : {"Text7", "Text8", "Text9", "Text11"})
            box(name)->setText(QStringLiteral("9"));
    }

    void expectNothingFilled() const
    {
        for (QCheckBox *check : m_checks)
            EXPECT_FALSE(check->isChecked()) << check->objectName().toStdString();
        for (const char *name : {"Text7", "Text8", "Text9", "Text11"})
            EXPECT_EQ(box(name)->text(), QString()) << name;
        EXPECT_EQ(m_advice->toPlainText(), QStringLiteral("暂无建议."));
        EXPECT_TRUE(m_result->isHidden());
        EXPECT_TRUE(m_name->isEnabled());
    }

    QLineEdit *m_name = nullptr;
    QAbstractButton *m_query = nullptr;
    QAbstractButton *m_result = nullptr;
    QPlainTextEdit *m_advice = nullptr;
    std::array<QCheckBox *, 8> m_checks{};
};

TEST_F(ShopCreditQuery, FirstShopLinkAndRatingLinkAreFollowedAndTheRatingPageIsCut)
{
    struct Row
    {
        QString typed, cleaned, searchPage, shop, rating;
        Flags flags;
        QString seller, buyer, year;
    };
    const Row rows[] = {
        // Four links before the first shop fail the test (relative, letter, no slash, a page of a shop);
        // a script link to a rating page is passed over.
        {QStringLiteral("a.b c"),
         QStringLiteral("abc"),
         QStringLiteral("shopsearch.fendrake.net/results.html"),
         QStringLiteral("shop1001.fenshop.cn/"),
         QStringLiteral("rate.fenshop.cn/user-rate-1001.htm"),
         {true, false, false, false, false},
         QStringLiteral("12345"),
         QStringLiteral("356"),
         QStringLiteral("2009")},
        // No "卖家信息": the buyer credit stays empty; no creation time: characters 5 to 8 of the page.
        {QStringLiteral(" bad.shop "),
         QStringLiteral("badshop"),
         QStringLiteral("shopsearch.fendrake.net/bad_results.html"),
         QStringLiteral("shop2002.fenshop.cn/"),
         QStringLiteral("rate.fenshop.cn/user-rate-2002.htm"),
         {false, true, false, true, false},
         QStringLiteral("320"),
         QString(),
         QStringLiteral("铺信用评")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.searchPage.toStdString());
        query(row.typed, row.searchPage, row.cleaned);

        EXPECT_TRUE(m_messages.messages().empty());
        EXPECT_EQ(m_name->text(), row.cleaned);
        EXPECT_EQ(requested(),
                  QStringList({kSearchHost + kSearchPath + row.cleaned + "&title=title&nick=nick&tab=3&s=0", row.shop,
                               row.rating}));
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(m_checks[i]->isChecked(), row.flags[i]) << "Check" << i + 2;
        EXPECT_EQ(box("Text9")->text(), row.seller);
        EXPECT_EQ(box("Text11")->text(), row.buyer);
        EXPECT_EQ(box("Text12")->text(), row.year);
        EXPECT_FALSE(m_result->isHidden());
        EXPECT_EQ(control<QLabel>("lblTBZZ")->text(), QStringLiteral("准备就绪"));
    }
}

TEST_F(ShopCreditQuery, ResultButtonOpensTheRatingPageOnce)
{
    test::ShellOpenRecorder opened;
    query(QStringLiteral("abc"), QStringLiteral("shopsearch.fendrake.net/results.html"));
    QTest::mouseClick(m_result, Qt::LeftButton);
    QTest::mouseClick(m_result, Qt::LeftButton);

    EXPECT_EQ(opened.addresses(), QStringList{kSoundRating});
    EXPECT_FALSE(m_result->isEnabled());
}

TEST_F(ShopCreditQuery, EnterStartsANewQueryThatClearsTheLastShopAndReportsNoShop)
{
    query(QStringLiteral("abc"), QStringLiteral("shopsearch.fendrake.net/results.html"));
    fillEverything();
    m_server.addPrefix(kSearchHost, kSearchPath + "nobody", QStringLiteral("shopsearch.fendrake.net/none.html"));
    m_server.clearRequests();
    ASSERT_TRUE(test::showActive(m_form.get()));
    m_name->setText(QStringLiteral("nobody"));
    QTest::keyClick(m_name, Qt::Key_Return);
    ASSERT_TRUE(test::waitFor([this] { return !m_messages.messages().empty(); }));

    expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"), QStringLiteral("没有找到相应的店铺信息!"));
    EXPECT_EQ(m_server.requests().size(), 1u);
    expectNothingFilled();
    EXPECT_EQ(box("Text12")->text(), QStringLiteral("2009"));
    EXPECT_TRUE(m_query->isEnabled());
}

TEST_F(ShopCreditQuery, UnreadableRatingPageIsReportedAndNoEarlierPageStandsIn)
{
    query(QStringLiteral("abc"), QStringLiteral("shopsearch.fendrake.net/results.html"));
    fillEverything();
    test::FixtureReply drop;
    drop.behaviour = test::FixtureReply::Behaviour::Drop;
    m_server.addReply(QStringLiteral("rate.fenshop.cn"), QStringLiteral("/user-rate-1001.htm"), drop);
    query(QStringLiteral("abc"), QStringLiteral("shopsearch.fendrake.net/results.html"));

    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_EQ(m_messages.messages().front().icon, MessageIcon::Critical);
    EXPECT_EQ(m_messages.messages().front().title, QStringLiteral("错误"));
    EXPECT_TRUE(m_messages.messages().front().text.contains(QStringLiteral("错误原因：\r1.")));
    EXPECT_EQ(requested().size(), 3);
    expectNothingFilled();
}

// Restores the system clock however the test ends.
class FastPauseClock
{
public:
    FastPauseClock() : m_previous(setPauseClock([seconds = qint64(0)]() mutable { return seconds++; })) {}
    ~FastPauseClock() { setPauseClock(m_previous); }

private:
    PauseClock m_previous;
};

TEST_F(ShopCreditQuery, EvaluationAdvisesOnOneReadingOfTheBoxesTakenBeforeThePause)
{
    FastPauseClock clock;
    m_server.addPrefix(kSearchHost, kSearchPath, QStringLiteral("shopsearch.fendrake.net/none.html"));
    m_checks[0]->setChecked(true);
    const std::pair<const char *, const char *> typed[] = {
        {"Text7", "6000好评"}, {"Text8", "&H10"}, {"Text9", "3 000"}, {"Text11", "300"}, {"Text12", "2008"}};
    for (const auto &[name, text] : typed)
        box(name)->setText(QString::fromUtf8(text));
    auto *evaluate = control<QAbstractButton>("Command13");
    bool enabledDuringPause = true;
    QString adviceDuringPause;
    // A shop query started during the pause empties every box the evaluation reads.
    QTimer::singleShot(0, m_form.get(), [&] {
        enabledDuringPause = evaluate->isEnabled();
        adviceDuringPause = m_advice->toPlainText();
        QTest::mouseClick(m_query, Qt::LeftButton);
    });
    QTest::mouseClick(evaluate, Qt::LeftButton);

    EXPECT_FALSE(enabledDuringPause);
    EXPECT_EQ(adviceDuringPause, QStringLiteral("正在连接Fendrake的专家服务器获取专家意见中......"));
    EXPECT_EQ(m_advice->toPlainText(), QStringLiteral("经过检测该店存在的问题有：该店铺差评太多。该店铺评分：100 分。"
                                                      "经过评估，该店总体水平较好，可以购买！"));
    EXPECT_TRUE(evaluate->isEnabled());
    EXPECT_TRUE(test::waitFor([this] { return m_query->isEnabled(); }));
}

TEST_F(ShopCreditQuery, EvaluationNamesTheFirstEmptyRequiredFieldAndChangesNothing)
{
    struct Row
    {
        const char *seller, *good, *bad;
        QString message;
    };
    const Row rows[] = {
        {"", "", "", QStringLiteral("您没有填写店铺信用，无法评估！")},
        {"1", "", "", QStringLiteral("您没有填写最近半年好评，无法评估！")},
        {"1", " ", "", QStringLiteral("您没有填写最近半年差评，无法评估！")},
    };
    auto *evaluate = control<QAbstractButton>("Command13");
    for (const Row &row : rows) {
        SCOPED_TRACE(row.message.toStdString());
        m_messages.clear();
        box("Text9")->setText(QString::fromUtf8(row.seller));
        box("Text7")->setText(QString::fromUtf8(row.good));
        box("Text8")->setText(QString::fromUtf8(row.bad));
        m_advice->setPlainText(QStringLiteral("旧"));
        QTest::mouseClick(evaluate, Qt::LeftButton);

        expectOneMessage(MessageIcon::Critical, QStringLiteral("Fendrake"), row.message);
        EXPECT_EQ(m_advice->toPlainText(), QStringLiteral("旧"));
        EXPECT_TRUE(evaluate->isEnabled());
    }
}

} // namespace
} // namespace fendrake
