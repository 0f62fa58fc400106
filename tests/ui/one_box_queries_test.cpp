#include "app/services/browser_control.h"
#include "app/services/icmp_echo.h"
#include "check_query.h"

#include <QDir>

#include <tuple>

namespace fendrake {
namespace {

using test::listOf;
using test::Names;

using OneBoxQuery = test::CheckQuery;

TEST_F(OneBoxQuery, IdentityCardEnterShowsTheUpperCasedNumbersFactsAndRefusalsSayWhy)
{
    m_server.addPrefix("id.fendrake.net", "/idsearch/", "id.fendrake.net/place.html");
    openPanel("cmdChuJi", "cmdShenFenZheng");
    ASSERT_TRUE(test::showActive(m_form.get()));
    const Names labels = {"lblXingBie", "lblChuSheng", "lblSFZSuoZai", "lblSFZZZ"};
    const QString idle = "性别：|出生日期：|发证地：|", old = "旧|旧|旧|旧";
    const QString malformed = "错误:请输入正确的18位身份证号！错误原因：";
    // typed, the box's title and first line, the labels after, the input box after
    const std::tuple<QString, QString, QString, QString> rows[] = {
        {"11010519491231002x", "", "性别：女|出生日期：1949年12月31日|发证地：北京市东城区|", "11010519491231002X"},
        {"110105194912310021", "假的身份证:这个身份证号码是假的！", idle + "旧", "110105194912310021"},
        {"11010119900101009?", "错误:身份证查询失败！错误原因：", idle, "11010119900101009?"},
        {"", malformed, old, ""},
        {"11010519491231002X1", malformed, old, ""},
    };
    for (const auto &[typed, box, after, inputAfter] : rows) {
        SCOPED_TRACE(typed.toStdString());
        setEarlier(labels);
        run("txtShenFenZheng", "cmdShenFenZhengChaXun", typed);
        EXPECT_EQ(boxes(), listOf(box));
        EXPECT_EQ(shown(labels), after);
        EXPECT_EQ(shown({"txtShenFenZheng"}), inputAfter);
        EXPECT_TRUE(enabled({"txtShenFenZheng", "cmdShenFenZhengChaXun"}));
        EXPECT_EQ(requests(),
                  listOf(box.isEmpty() ? "http://id.fendrake.net/idsearch/index.asp?action=idcard&userid=" + inputAfter
                                       : QString()));
    }
}

// On the demo's routes: a forum with figures for any name; 无名氏 has none, 某某 is closed (its
// page also says "吧尚未建立"), 测试 lacks the third count, 新人 has no follower line.
TEST_F(OneBoxQuery, CelebrityEachPageEndsInItsFiguresOrItsMessage)
{
    ASSERT_TRUE(m_server.loadRouteFile(QDir(m_server.fixturesDir()).filePath("demo-routes.txt")));
    openPanel("cmdZhongJi", "Command12");
    const Names labels = {"lblMX4", "lblMX3", "lblMX2", "lblMX5"};
    const QString idle = "局限性人气指标：|广泛性人气指标：|流行趋势硬指标：|流行趋势总指标：";
    const QString figures = "局限性人气指标：1234#|广泛性人气指标：56789#|流行趋势硬指标：321#|流行趋势总指标：8888#";
    // clang-format off
    const std::tuple<QString, QString, QString, QString> cases[] = {
        {"刘德华", "%C1%F5%B5%C2%BB%AA", "", figures}, {"", "", "", figures}, {"a b&c", "a%20b%26c", "", figures},
        {"某某", "%C4%B3%C4%B3", "抱歉，根据相关法律法规和政策，本明星信息暂不开放。", idle},
        {"无名氏", "%CE%DE%C3%FB%CA%CF", "此明星知名度过低或根本不存在！", idle},
        {"测试", "%B2%E2%CA%D4", "没有查询到结果，可能由于服务器问题或网络问题，请稍后重试！",
         "局限性人气指标：1234#|广泛性人气指标：56789#|流行趋势硬指标：|流行趋势总指标："},
        {"新人", "%D0%C2%C8%CB", "", "局限性人气指标：1234#|广泛性人气指标：56789#|流行趋势硬指标：321#|流行趋势总指标："},
    };
    // clang-format on
    for (const auto &[name, sent, message, captions] : cases) {
        SCOPED_TRACE(name.toStdString());
        setEarlier(labels);
        run("txtMXName", "cmdMXCX", name, false);
        EXPECT_EQ(shown(labels), idle); // put back before the page can have arrived
        ASSERT_TRUE(ended({"txtMXName", "cmdMXCX"}));
        EXPECT_EQ(requests(), QStringList{"http://forum.fendrake.net/f?kw=" + sent});
        EXPECT_EQ(shown(labels) + u'|' + shown({"lblMX6"}), captions + "|准备就绪");
        EXPECT_EQ(boxes(), listOf(message.isEmpty() ? QString() : "错误:" + message));
    }
}

// A record is shown translated; a reserved domain's page is kept as fetched, under the error box. Enter
// runs the query only while the button is enabled.
TEST_F(OneBoxQuery, DomainRegistrationEnterWhileEnabledShowsARecordTranslatedOrAReservedPageAsFetched)
{
    // clang-format off
    const std::tuple<QString, QString, QStringList, QStringList, bool> rows[] = {
        {"example-shop.com", "record.html", {"域名: EXAMPLE-SHOP.COM", "域状态: 客户禁止延长注册期"},
         {"Whois.Fendrake.net", "Domain Name"}, false},
        {"gov.cn", "reserved.html", {"Domain Name: GOV.CN", "the domain you want to register is reserved", "About us"},
         {}, true},
    };
    // clang-format on
    openPanel("cmdChuJi", "cmdYuMing");
    ASSERT_TRUE(test::showActive(m_form.get()));
    auto *button = control<QAbstractButton>("cmdYuMingChaXun");
    for (const auto &[domain, page, present, absent, errorBox] : rows) {
        SCOPED_TRACE(domain.toStdString());
        m_server.addPrefix("whois.fendrake.net", "/whois/" + domain, "whois.fendrake.net/" + page);
        button->setEnabled(false);
        run("txtYuMing", "cmdYuMingChaXun", domain);
        EXPECT_TRUE(requests().isEmpty());
        button->setEnabled(true);
        QTest::keyClick(control<QLineEdit>("txtYuMing"), Qt::Key_Return);

        EXPECT_EQ(requests(), QStringList{"http://whois.fendrake.net/whois/" + domain});
        const QString result = shown({"txtYuMingJG"});
        for (const QString &text : present)
            EXPECT_TRUE(result.contains(text)) << text.toStdString();
        for (const QString &text : absent)
            EXPECT_FALSE(result.contains(text)) << text.toStdString();
        EXPECT_EQ(boxes().size(), errorBox ? 1 : 0);
        EXPECT_TRUE(enabled({"cmdYuMingChaXun", "txtYuMing", "txtYuMingJG"}));
    }
}

// On the demo's routes 10000 is on line and any other number off line; 54321 lands on no status picture.
TEST_F(OneBoxQuery, QqStatusAnswerIsTheAddressLandedOnAndOnlyAPendingQueryTakesIt)
{
    ASSERT_TRUE(m_server.loadRouteFile(QDir(m_server.fixturesDir()).filePath("demo-routes.txt")));
    const auto path = [](const QString &number) { return QStringLiteral("/pa?p=1:%1:1%20alt=test").arg(number); };
    m_server.addRedirect("qqstatus.fendrake.net", path("54321"), "http://qqpic.fendrake.net/QQ_online.gif");
    openPanel("cmdZhongJi", "Command8");
    ASSERT_TRUE(test::showActive(m_form.get()));
    const QString refused = "错误:请输入正确QQ号！错误原因：";
    // clang-format off
    const std::tuple<QString, QString, QString> rows[] = {{"10000", "在线", ""}, {"9999999999", "离线或隐身", ""},
        {"54321", "", "错误:您输入的QQ号不合法！错误原因："}, {"1234", "", refused}};
    // clang-format on
    for (const auto &[typed, state, message] : rows) {
        SCOPED_TRACE(typed.toStdString());
        setEarlier({"Label24"});
        run("Text4", "Command9", typed);
        ASSERT_TRUE(ended({"Command9", "Text4"}));
        EXPECT_EQ(boxes(), listOf(message));
        EXPECT_EQ(shown({"Label24", "Text4"}), "对方情况：" + state + u'|' + typed);
        EXPECT_EQ(requests().mid(0, 1),
                  listOf(message == refused ? QString() : "http://qqstatus.fendrake.net" + path(typed)));
    }
    setEarlier({"Label24"});
    emit m_form->WebQQ->TitleChange(QStringLiteral("again"));
    EXPECT_EQ(shown({"Label24"}), QStringLiteral("旧"));
}

// Boxes come in order; a failure leaves the earlier location in place and no address on view.
TEST_F(OneBoxQuery, HostLocationLocalHostIsLocatedAndRefusedOrUnresolvedNamesShowTheirBoxes)
{
    if (!IcmpEcho().isOpen())
        GTEST_SKIP() << "neither a ping socket nor a raw socket may be opened here";
    openPanel("cmdZhongJi", "cmdZhuJi");
    const QStringList unresolved = {"Fendrake:解析域名超时", "错误:域名解析错误，错误原因："};
    // name, boxes (title and first line), status line, address line and result box after
    const std::tuple<QString, QStringList, QString> rows[] = {
        {"abc", {"错误:请输入正确的网站后再试！错误原因："}, "旧|主机IP地址：|旧"},
        {"http://www.example.com", {"错误:网址输入错误！错误原因："}, "旧|主机IP地址：|旧"},
        {"HTTP://nothing.invalid", unresolved, "出现错误|主机IP地址：|旧"}, // capitals pass the input test
        {"no-such-host.invalid", unresolved, "出现错误|主机IP地址：|旧"},
        {QString(64 - 8, u'a') + ".invalid", unresolved, "出现错误|主机IP地址：|旧"},
        {QString(65 - 8, u'a') + ".invalid", {"错误:出现错误！错误原因："}, "|主机IP地址：|旧"},
        {"localhost",
         {},
         "准备就绪|主机IP地址：127.0.0.1|本站主数据：广东省深圳市 电信ADSL\n参考数据：广东省深圳市 电信"},
    };
    for (const auto &[name, expectedBoxes, after] : rows) {
        SCOPED_TRACE(name.toStdString());
        setEarlier({"lblZhuJi", "txtZhuJiJG"});
        run("txtZhuJi", "cmdZhuJiChaXun", name, false);
        EXPECT_EQ(boxes(), expectedBoxes);
        EXPECT_EQ(shown({"lblZhuJi", "lblZhuJiIP", "txtZhuJiJG"}), after);
        EXPECT_TRUE(enabled({"cmdZhuJiChaXun", "txtZhuJi"}));
        // Only the resolvable name reaches the location service.
        EXPECT_EQ(requests(),
                  listOf(expectedBoxes.isEmpty() ? "http://ip.fendrake.net/ips.asp?ip=127.0.0.1&action=2" : QString()));
    }
}

// The notice of a bad address stays through later queries until the box is clicked.
TEST_F(OneBoxQuery, IpLocationAddressesAreLocatedRefusedWithTheNoticeOrFailWithTheBox)
{
    openPanel("cmdChuJi", "cmdIP");
    ASSERT_TRUE(test::showActive(m_form.get()));
    const QString located = "本站主数据：广东省深圳市 电信ADSL\n参考数据：广东省深圳市 电信", idle = "查询结果";
    const QString error = "错误:出现错误！错误原因：\r1.IP地址输入错误，请重新输入！";
    // typed, the result box after, whether the notice shows, the error box, the query sent
    // clang-format off
    const std::tuple<QString, QString, bool, QString, QString> rows[] = {
        {"1.2.3.256", idle, true, "", ""}, {"1.2.3.4", located, true, "", "1.2.3.4"},
        {"1..2.3", idle, false, error, ""}, // after a click in the box
        {"1.2.3.", idle, false, error, ""}, {"1.2.3.*", located, false, "", "1.2.3.*"},
    };
    // clang-format on
    for (const auto &[typed, result, noticeShown, box, sent] : rows) {
        SCOPED_TRACE(typed.toStdString());
        if (typed == "1..2.3")
            QTest::mouseClick(control<QLineEdit>("txtIP"), Qt::LeftButton);
        run("txtIP", "cmdIPChaXun", typed);
        EXPECT_EQ(shown({"txtIPJG"}), result);
        EXPECT_EQ(!control<QLabel>("Label10")->isHidden(), noticeShown);
        EXPECT_EQ(boxes(2), listOf(box));
        EXPECT_EQ(requests(),
                  listOf(sent.isEmpty() ? sent : "http://ip.fendrake.net/ips.asp?ip=" + sent + "&action=2"));
        EXPECT_TRUE(enabled({"cmdIPChaXun", "txtIP"}));
    }
}

} // namespace
} // namespace fendrake
