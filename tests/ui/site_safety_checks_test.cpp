#include "app/services/browser_control.h"
#include "check_query.h"

namespace fendrake {
namespace {

// The ICP filing search, URL safety and page-trojan checks, as the user drives them.
// host: the filing search listens on 8080, so the proxy sees the port in it; refusal: the first line of the message
// for an input too short (empty: every input is sent); failure: the first line of the failure path's message.
struct Check
{
    const char *feature, *input, *button;
    QString host, query, refusal, failure;
};

// clang-format off
const Check kIcp{"cmdICP", "txtICP", "Command6", "icp.fendrake.net:8080", "/index.html?hostName=",
    "请输入正确的网址！错误原因：", "查询失败，请使用方法二查询！错误原因："};
const Check kUs{"cmdSafe", "txtUS", "cmdUS", "safe.fendrake.net", "/aspx_2/search.aspx?kw=", "请输入完整正确的网址！",
    "出现错误！错误原因："};
const Check kGm{"cmdSafe", "txtGM", "cmdGMCX", "trojan.fendrake.net", "/urlsearch.htm?searchUrl=", "",
    "网页挂马查询失败！错误原因："};
// clang-format on

const QString kSafe = QStringLiteral("安全，未在该网站发现重大的安全问题。");
const QString kUnsafe = QStringLiteral("不安全，该网站存在恶意行为，不建议进行访问。");

class SiteSafetyChecks : public test::CheckQuery
{
protected:
    // ICP: verdict|status; URL safety: status, the picture on view, the six boxes as 0/1; trojan: status.
    QString shown(const Check &check) const
    {
        if (&check != &kUs)
            return CheckQuery::shown(&check == &kIcp ? test::Names{"Label25", "Label30"} : test::Names{"Label36"});
        QString pictures;
        for (const char *name : {"imgSafe", "imgNoSafe", "imgNoKnow"})
            pictures += control<QLabel>(name)->isHidden() ? "" : name;
        const QString boxes = CheckQuery::shown({"chkUS1", "chkUS2", "chkUS3", "chkUS4", "chkUS5", "chkUS6"});
        return CheckQuery::shown({"lblUS"}) + u' ' + pictures + u' ' + QString(boxes).remove(u'|');
    }

    // Runs a query by the button or, as the user may, by Enter in the box.
    void start(const Check &check, const QString &input, bool byEnter = false)
    {
        openPanel("cmdGaoji", check.feature);
        run(check.input, check.button, input, byEnter);
    }

    bool ended(const Check &check) const { return CheckQuery::ended({check.button, check.input}); }

    // Exactly one error box whose first line is that text; none for an empty text.
    QStringList error(const QString &text) const { return test::listOf(text.isEmpty() ? text : "错误:" + text); }
};

// One case of a check: what goes in, what comes out, and whether it ends in a message.
struct Case
{
    const Check &check;
    QString in, out;
    bool fails = false;
};

TEST_F(SiteSafetyChecks, EnterTestsTheInputAsTypedThenSendsAndShowsItCleaned)
{
    // out: the box after the query and, unless refused by the length test, the address's end.
    // clang-format off
    const Case rows[] = {
        {kIcp, "abc", "abc", true}, {kIcp, "abcd", "abcd"}, {kIcp, "www.", ""},
        {kIcp, "http://www.example.com", "example.com"}, {kIcp, "HTTP://WWW.EXAMPLE.COM", "//EXAMPLE.COM"},
        {kIcp, "Http://Www.example.com", "Http://Www.example.com"},
        {kIcp, "hwww.ttp://a.cn", "a.cn"}, // each step reads what the one before left
        {kUs, "abcd", "abcd", true}, {kUs, "abcde", "abcde"}, {kUs, "http://a.cn/", "a.cn"},
        {kUs, "http://a.cn//", "a.cn/"}, {kUs, "HTTP://A.CN/", "HTTP://A.CN"}, {kUs, "http://", ""}, {kGm, "", ""},
    };
    // clang-format on
    for (const auto &[check, page] : {std::pair(&kIcp, "icp.fendrake.net/filed.html"),
                                      {&kUs, "safe.fendrake.net/safe.html"},
                                      {&kGm, "trojan.fendrake.net/clean.html"}})
        m_server.addPrefix(check->host, check->query, page);
    ASSERT_TRUE(test::showActive(m_form.get()));
    for (const Case &row : rows) {
        SCOPED_TRACE(row.in.toStdString());
        start(row.check, row.in, true);
        ASSERT_TRUE(ended(row.check));
        auto *box = control<QLineEdit>(row.check.input);
        EXPECT_EQ(box->text(), row.out);
        EXPECT_EQ(boxes(), error(row.fails ? row.check.refusal : QString()));
        if (row.fails) {
            EXPECT_TRUE(requests().isEmpty());
            EXPECT_TRUE(&row.check != &kUs || QApplication::focusWidget() == box) << "the focus goes back to txtUS";
            continue;
        }
        EXPECT_EQ(requests(), QStringList{"http://" + row.check.host + row.check.query + row.out});
    }
}

TEST_F(SiteSafetyChecks, PagesGiveTheirVerdicts)
{
    const QString block = QStringLiteral("恶意行为：钓鱼或诈骗 大量弹窗");
    const QString usFailed = QStringLiteral("出错了 imgNoKnow 000000");
    // in: the page text; out: what the panel shows (see shown).
    // clang-format off
    const Case rows[] = {
        {kIcp, "本站已备案，另见未备案名单", "备案状态：已备案|准备就绪"},
        {kIcp, "该网站未备案。已备案网站请见列表", "备案状态：未备案|准备就绪"},
        {kIcp, "目前暂无该域名备案信息，已备案网站请见列表", "备案状态：未知，请用方法二进行精确查询！|准备就绪"},
        {kUs, kUnsafe + block + " 恶意行为详情：带毒挂马", "查询完毕 imgNoSafe 010010"},
        {kUs, kUnsafe + kSafe + block + "恶意行为详情", "查询完毕 imgSafe 000000"},
        {kUs, kUnsafe + block, usFailed, true},
        {kUs, "没有任何结果。" + kSafe, "查询完毕 imgNoKnow 000000"},
        {kUs, "网站安全中心", "查询完毕  000000"}, // no verdict at all
        {kGm, "检测结果 当前状态：安全 最近检测：昨天", "当前状态：安全"}, {kGm, "当前状态： 安全", "当前状态："},
        {kGm, "当前状态：发现挂马", "当前状态：发现挂马"},
    };
    // clang-format on
    int site = 0;
    for (const Case &row : rows) {
        SCOPED_TRACE(row.in.toStdString());
        const QString address = QStringLiteral("site%1.cn").arg(++site);
        m_server.addReply(row.check.host, row.check.query + address,
                          {.body = test::gbkEncoded("<html><body><div>" + row.in + "</div></body></html>")});
        start(row.check, address);
        if (&row.check == &kUs) { // a new query clears what the last one showed, before its page arrives
            EXPECT_EQ(shown(kUs), QStringLiteral("正在连接服务器...  000000"));
        }
        ASSERT_TRUE(ended(row.check));
        EXPECT_EQ(shown(row.check), row.out);
        EXPECT_EQ(boxes(), error(row.fails ? row.check.failure : QString()));
    }
}

TEST_F(SiteSafetyChecks, ChecksAnsweredTogetherKeepTheirOwnResultsAndLaterEventsChangeNothing)
{
    m_server.addPrefix(kUs.host, kUs.query, QStringLiteral("safe.fendrake.net/unsafe.html"));
    m_server.addPrefix(kIcp.host, kIcp.query, QStringLiteral("icp.fendrake.net/unfiled.html"));
    start(kUs, QStringLiteral("example.com"));
    start(kIcp, QStringLiteral("example.com"));
    ASSERT_TRUE(ended(kUs) && ended(kIcp));
    for (int pass = 0; pass < 2; ++pass) { // then again after events with no query pending
        EXPECT_EQ(shown(kUs), QStringLiteral("查询完毕 imgNoSafe 100011"));
        EXPECT_EQ(shown(kIcp), QStringLiteral("备案状态：未备案|准备就绪"));
        EXPECT_TRUE(boxes().isEmpty());
        emit m_form->WebICP->ProgressChange(50, 100);
        emit m_form->WebICP->DocumentComplete(QStringLiteral("about:blank"));
    }
}

TEST_F(SiteSafetyChecks, OutsideCheckButtonsOpenTheirPagesInTheBrowser)
{
    const test::ShellOpenRecorder opened;
    openPanel("cmdGaoji", "cmdICP");
    QTest::mouseClick(control<QAbstractButton>("Command10"), Qt::LeftButton);
    openPanel("cmdChuJi", "mnuFileSafe");
    QTest::mouseClick(control<QAbstractButton>("Command11"), Qt::LeftButton);
    EXPECT_EQ(opened.addresses(), QStringList({"http://beian.fendrake.net/CX/main.jsp", "http://scan.fendrake.net/",
                                               "http://postcode.fendrake.net/post/"}));
}

} // namespace
} // namespace fendrake
