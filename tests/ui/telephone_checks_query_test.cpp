#include "app/services/browser_control.h"
#include "check_query.h"

namespace fendrake {
namespace {

using namespace std::chrono_literals;

class TelephoneChecks : public test::CheckQuery
{
protected:
    // The fixed-line result and its colour.
    QString telResult() const
    {
        auto *result = control<QPlainTextEdit>("txtTelWZ");
        return result->toPlainText() + u'|' + result->palette().color(QPalette::Active, QPalette::Text).name();
    }
};

TEST_F(TelephoneChecks, MobileQueryFillsTheLabelsOrEndsInItsFailurePath)
{
    const test::Names labels = {"lblChengShi", "lblQuHao", "lblKaXing", "lblPost", "lblShouJiZZ", "txtShouJi"};
    const QString failure = QStringLiteral("错误:出现错误！错误原因：");
    // typed, whether it is sent, message box, the labels, status and box after
    const std::tuple<QString, bool, QString, QString> rows[] = {
        {"13912345678", true, "", "归属：北京|区号：010|卡型：GSM全球通卡|邮编：100000|准备就绪|13912345678"},
        {"12a", false, failure, "旧|区号：|卡型：|邮编：|准备就绪|12a"},
        {"1391234567", false, "错误:您输入的手机号有误，请重新输入", "旧|区号：|卡型：|邮编：|旧|"},
    };
    m_server.addPrefix("mobile.fendrake.net:8080", "/search.asp", "mobile.fendrake.net/location.html");
    for (const auto &[typed, sent, message, after] : rows) {
        SCOPED_TRACE(typed.toStdString());
        openPanel("cmdChuJi", "cmdShouJi");
        setEarlier({"lblChengShi", "lblShouJiZZ"});
        run("txtShouJi", "cmdShouJiChaXun", typed, false);
        EXPECT_EQ(boxes(), test::listOf(message));
        EXPECT_EQ(shown(labels), after);
        EXPECT_TRUE(enabled({"txtShouJi", "cmdShouJiChaXun"}));
        EXPECT_EQ(requests(),
                  test::listOf(sent ? "http://mobile.fendrake.net:8080/search.asp?action=mobile&mobile=" + typed
                                    : QString()));
    }
}

TEST_F(TelephoneChecks, FixedLinePageCompletesTheQueryAfterAPanelResetAndOnlyOnce)
{
    m_server.addPrefixReply("tel.fendrake.net", "/dh/",
                            {.fixtureFile = "tel.fendrake.net/dh/district.html", .delay = 300ms});
    openPanel("cmdGaoji", "cmdEmail");
    run("txtTel", "cmdTelChaXun", QStringLiteral("010-12345678"), false);
    EXPECT_FALSE(control<QWidget>("txtTel")->isEnabled() || control<QWidget>("cmdTelChaXun")->isEnabled());

    QTest::mouseClick(control<QAbstractButton>("cmdEmail"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("txtTel")->text(), QString());
    EXPECT_TRUE(control<QWidget>("txtTel")->isEnabled() && control<QWidget>("txtTelWZ")->isEnabled());
    EXPECT_FALSE(control<QWidget>("cmdTelChaXun")->isEnabled());

    ASSERT_TRUE(ended({"cmdTelChaXun", "txtTel", "txtTelWZ"}));
    EXPECT_EQ(telResult(), QStringLiteral("北京市东城区建国门一带|#0000ff"));
    ASSERT_EQ(m_server.requests().size(), 1u);
    EXPECT_EQ(m_server.requests().front().pathAndQuery, QStringLiteral("/dh/114.aspx?w=010-12345678"));
    control<QPlainTextEdit>("txtTelWZ")->setPlainText(QStringLiteral("旧"));
    emit m_form->WebTel->DocumentComplete(QString());
    EXPECT_EQ(telResult(), QStringLiteral("旧|#0000ff"));
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(TelephoneChecks, FixedLineNoticeEndsRedAndAShortNumberIsRefused)
{
    m_server.addPrefix("tel.fendrake.net", "/dh/", "tel.fendrake.net/dh/rate_limited.html");
    openPanel("cmdGaoji", "cmdEmail");
    run("txtTel", "cmdTelChaXun", QStringLiteral("010-1234567"), false);
    ASSERT_TRUE(ended({"cmdTelChaXun", "txtTel", "txtTelWZ"}));
    EXPECT_EQ(telResult(), QStringLiteral("没有查找到该号码的地理位置。|#ff0000"));
    EXPECT_TRUE(boxes().isEmpty());

    run("txtTel", "cmdTelChaXun", QStringLiteral("010-123456"), false);
    EXPECT_EQ(boxes(), QStringList{"错误:电话号码格式为 010-12345678 ！"});
    EXPECT_EQ(control<QLineEdit>("txtTel")->text(), QString());
}

TEST_F(TelephoneChecks, EnterInTheNumberBoxOpensTheBlockSearchOrExplainsTheFault)
{
    test::ShellOpenRecorder opened;
    const QString notNumbers = "1.区号和电话号码必须是数字！请检查后重新输入",
                  wrong = "1.电话号码或区号输入错误，请检查后重新输入！";
    // clang-format off
    const std::tuple<QString, QString, QString> rows[] = {{"010", "12345678", ""}, {"010", "1.5", notNumbers},
        {"", "12345678", wrong}, {"1.5", "abc", wrong}, {"010", "123", wrong}}; // both boxes are always tested
    // clang-format on
    openPanel("cmdGaoji", "cmdEmail");
    ASSERT_TRUE(test::showActive(m_form.get()));
    for (const auto &[areaCode, number, reason] : rows) {
        SCOPED_TRACE(number.toStdString());
        control<QLineEdit>("Text2")->setText(areaCode);
        run("Text3", "Command5", number);
        EXPECT_EQ(boxes(2),
                  test::listOf(reason.isEmpty() ? reason : "错误:请输入正确的电话号码和区号！错误原因：\r" + reason));
        EXPECT_EQ(shown({"Text3"}), number);
        EXPECT_TRUE(enabled({"Command5"}));
    }
    ASSERT_EQ(opened.addresses().size(), 1);
    EXPECT_TRUE(opened.addresses().front().endsWith(QStringLiteral("%E7%A0%81+010+12340000...12350000")));
}

} // namespace
} // namespace fendrake
