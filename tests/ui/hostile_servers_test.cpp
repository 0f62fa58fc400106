#include "app/services/http_fetch.h"
#include "app/services/icmp_echo.h"
#include "app/services/visible_text.h"
#include "check_query.h"
#include "scoped_fetch_limits.h"

#include <QElapsedTimer>

#include <algorithm>

namespace fendrake {
namespace {

using namespace std::chrono_literals;
using test::FixtureReply;

// Every check that fetches a page or loads one in its browser, started with a good input.
struct Check
{
    const char *name, *level, *feature, *input, *button;
    QString typed, host; // host: the one host that answers with hostile pages
    QStringList results; // what a result writes; each holds an earlier result before the run (see setEarlier)
    QString failed;      // those controls after the check's failure path, joined by '|'
    QString message;     // title and first line of the failure box; empty: the check ends silently
    // Those controls after a 2xx page without the check's markers, where that is no failure ("%1": the
    // page's text); empty: the failure path.
    QString answered = {};
};

const QString kGeneral = QStringLiteral("错误:出现错误！错误原因：");
const QStringList kShopResults = {"Check2", "Check3", "Check4", "Check5", "Check6", "Check7", "Check8",   "Check9",
                                  "Text7",  "Text8",  "Text9",  "Text11", "Text12", "Text10", "cmdTBURL", "lblTBZZ"};
const QString kShopFailed = QStringLiteral("0|0|0|0|0|0|0|0||||||暂无建议.|0|准备就绪");

// clang-format off
const Check kChecks[] = {
    {"Domain", "cmdChuJi", "cmdYuMing", "txtYuMing", "cmdYuMingChaXun", "example-shop.com", "whois.fendrake.net",
     {"txtYuMingJG"}, "正在查询域名信息中...", "错误:在查找域名信息过程中出现错误，错误原因：", "%1"},
    {"HostLocation", "cmdZhongJi", "cmdZhuJi", "txtZhuJi", "cmdZhuJiChaXun", "localhost", "ip.fendrake.net",
     {"lblZhuJiIP", "lblZhuJi", "txtZhuJiJG"}, "主机IP地址：||旧", kGeneral}, // the earlier location stays, as designed
    {"IpLocation", "cmdChuJi", "cmdIP", "txtIP", "cmdIPChaXun", "1.2.3.4", "ip.fendrake.net",
     {"txtIPJG"}, "查询结果", kGeneral},
    {"IcpFiling", "cmdGaoji", "cmdICP", "txtICP", "Command6", "example.com", "icp.fendrake.net:8080",
     {"Label25", "Label30"}, "备案状态：未知|查询失败", "错误:查询失败，请使用方法二查询！错误原因："},
    {"TrafficRank", "cmdZhongJi", "cmdPaiming", "txtRenQi", "cmdRenQiChaxun", "www.xy.com", "rank.fendrake.net",
     {"lblRenQi", "lblZG", "lblRenQiZZ"}, "全球流量排名：出错|中国流量排名：出错|出现错误", kGeneral},
    {"Popularity", "cmdZhongJi", "cmdLiuXing", "txtLiuXing", "cmdLiuXingChaXun", "www.x.com", "rating.fendrake.net",
     {"lblLiuXing", "lblShouLu", "lblLiuXingZZ"}, "网站流行度：|旧|出现错误", kGeneral,
     "网站流行度：没有找到该网站的信息|旧|查询完毕"},
    {"IndexedPages", "cmdZhongJi", "cmdLiuXing", "txtLiuXing", "cmdShouLuChaXun", "www.x.com", "search.fendrake.net",
     {"lblLiuXing", "lblShouLu", "lblLiuXingZZ"}, "旧|收录数：|出现错误", kGeneral},
    {"UrlSafety", "cmdGaoji", "cmdSafe", "txtUS", "cmdUS", "example.com", "safe.fendrake.net",
     {"lblUS", "imgSafe", "imgNoKnow", "chkUS1", "chkUS2", "chkUS3", "chkUS4", "chkUS5", "chkUS6"},
     "出错了|0|1|0|0|0|0|0|0", kGeneral, "查询完毕|0|0|0|0|0|0|0|0"},
    {"PageTrojan", "cmdGaoji", "cmdSafe", "txtGM", "cmdGMCX", "example.com", "trojan.fendrake.net",
     {"Label36"}, "当前状态：未知", "错误:网页挂马查询失败！错误原因："},
    {"IdentityCard", "cmdChuJi", "cmdShenFenZheng", "txtShenFenZheng", "cmdShenFenZhengChaXun", "11010519491231002X",
     "id.fendrake.net", {"lblXingBie", "lblChuSheng", "lblSFZSuoZai", "lblSFZZZ"}, "性别：女|出生日期：|发证地：|",
     "错误:身份证查询失败！错误原因："},
    {"MobileLocation", "cmdChuJi", "cmdShouJi", "txtShouJi", "cmdShouJiChaXun", "13912345678",
     "mobile.fendrake.net:8080", {"lblChengShi", "lblQuHao", "lblKaXing", "lblPost", "lblShouJiZZ"},
     "归属：|区号：|卡型：|邮编：|准备就绪", kGeneral},
    {"FixedLine", "cmdGaoji", "cmdEmail", "txtTel", "cmdTelChaXun", "010-12345678", "tel.fendrake.net",
     {"txtTelWZ"}, "发生错误。", "错误:发生错误！错误原因："},
    {"QqStatus", "cmdZhongJi", "Command8", "Text4", "Command9", "10000", "qqstatus.fendrake.net",
     {"Label24", "Label26"}, "对方情况：|准备就绪", "错误:您输入的QQ号不合法！错误原因："},
    {"Celebrity", "cmdZhongJi", "Command12", "txtMXName", "cmdMXCX", "刘德华", "forum.fendrake.net",
     {"lblMX4", "lblMX3", "lblMX2", "lblMX5", "lblMX6"},
     "局限性人气指标：|广泛性人气指标：|流行趋势硬指标：|流行趋势总指标：|准备就绪",
     "错误:没有查询到结果，可能由于服务器问题或网络问题，请稍后重试！"},
    {"ShopSearch", "cmdGaoji", "Command7", "txtTB", "cmdTBCX", "abc", "shopsearch.fendrake.net",
     kShopResults, kShopFailed, ""},
    {"ShopPage", "cmdGaoji", "Command7", "txtTB", "cmdTBCX", "abc", "shop1001.fenshop.cn",
     kShopResults, kShopFailed, ""},
    {"ShopRating", "cmdGaoji", "Command7", "txtTB", "cmdTBCX", "abc", "rate.fenshop.cn",
     kShopResults, kShopFailed, "错误:读取店铺信用信息时出现错误，错误原因："},
};
// clang-format on

const QByteArray kPage = "<html><body>" + QByteArray(64 * 1024, 'x') + "</body></html>";
const QByteArray kErrorPage = test::gbkEncoded(QStringLiteral(
    "<html><head><title>出错</title></head><body><h1>服务器错误</h1><p>The domain service is busy.</p></body></html>"));

// Each hostile answer, given the host it answers for. The last three are pages the service answered (2xx).
using B = FixtureReply::Behaviour;
const std::pair<const char *, FixtureReply (*)(const QString &)> kAnswers[] = {
    {"Stall", [](const QString &) { return FixtureReply{.behaviour = B::Stall, .body = kPage}; }},
    {"CutMidPage", [](const QString &) { return FixtureReply{.behaviour = B::CutOff, .body = kPage}; }},
    {"OneByteOverTheLimit", [](const QString &) { return FixtureReply{.fillerBytes = 8 * 1024 * 1024 + 1}; }},
    {"RedirectLoop",
     [](const QString &host) { return FixtureReply{.status = 302, .location = "http://" + host + "/loop"}; }},
    {"NotFoundPage", [](const QString &) { return FixtureReply{.status = 404, .body = kErrorPage}; }},
    {"ServerErrorPage", [](const QString &) { return FixtureReply{.status = 500, .body = kErrorPage}; }},
    {"InvalidGbk",
     [](const QString &) { return FixtureReply{.body = QByteArray("\xFF\x81\x7F\x80\xFE\xA1\x20", 7).repeated(999)}; }},
    {"EmptyBody", [](const QString &) { return FixtureReply{}; }},
    {"NestedTags", [](const QString &) { return FixtureReply{.body = QByteArray("<div>").repeated(100000)}; }},
};

constexpr int kFirstAnswered = 6;
constexpr auto kConnectLimit = 1000ms;
constexpr auto kTotalLimit = 2000ms;

class HostileServers : public test::CheckQuery, public ::testing::WithParamInterface<std::tuple<int, int>>
{
};

TEST_P(HostileServers, QueryEndsInTimeInItsOwnFailurePath)
{
    const Check &check = kChecks[std::get<0>(GetParam())];
    if (check.typed == QStringLiteral("localhost") && !IcmpEcho().isOpen())
        GTEST_SKIP() << "neither a ping socket nor a raw socket may be opened here";
    const test::ScopedFetchLimits shortened(kConnectLimit, kTotalLimit);
    if (check.host.endsWith(QStringLiteral("fenshop.cn"))) // the search finds the shop
        m_server.addPrefix(QStringLiteral("shopsearch.fendrake.net"), QStringLiteral("/browse/shop_search.htm?q=abc"),
                           QStringLiteral("shopsearch.fendrake.net/results.html"));
    const int answer = std::get<1>(GetParam());
    const FixtureReply reply = kAnswers[answer].second(check.host);
    m_server.addPrefixReply(check.host, QStringLiteral("/"), reply);
    openPanel(check.level, check.feature);
    setEarlier(check.results);
    QElapsedTimer clock;
    clock.start();
    run(check.input, check.button, check.typed, false);
    EXPECT_TRUE(test::waitFor([&] { return enabled({check.button, check.input}); }, 8000));
    EXPECT_LT(clock.elapsed(), (kTotalLimit + 5s).count());

    const bool answered = answer >= kFirstAnswered && !check.answered.isEmpty();
    const QString expected =
        answered ? QString(check.answered).replace("%1", visibleText(decodeGbk(reply.body))) : check.failed;
    EXPECT_EQ(shown(check.results).toStdString(), expected.toStdString());
    EXPECT_EQ(boxes(), test::listOf(answered ? QString() : check.message));
    EXPECT_TRUE(
        std::ranges::any_of(m_server.requests(), [&](const auto &request) { return request.host == check.host; }));
}

INSTANTIATE_TEST_SUITE_P(Matrix, HostileServers,
                         ::testing::Combine(::testing::Range(0, int(std::size(kChecks))),
                                            ::testing::Range(0, int(std::size(kAnswers)))),
                         [](const ::testing::TestParamInfo<std::tuple<int, int>> &info) {
                             return std::string(kChecks[std::get<0>(info.param)].name) +
                                    kAnswers[std::get<1>(info.param)].first;
                         });

} // namespace
} // namespace fendrake
