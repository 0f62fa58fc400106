#include "app/services/browser_control.h"
#include "checks/people/telephone_location_panel.h"
#include "qt_printers.h"
#include "query_panel_test.h"
#include "wait.h"

namespace fendrake {
namespace {

using namespace std::chrono_literals;

class TelephoneChecks : public test::QueryPanelTest
{
protected:
    void click(const char *button, const char *box, const QString &text)
    {
        control<QLineEdit>(box)->setText(text);
        QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton);
    }

    // Title and first line of each message box since the last call.
    QStringList boxes()
    {
        QStringList shown;
        for (const test::RecordedMessage &box : m_messages.messages())
            shown << box.title + u':' + box.text.section(u'\r', 0, 0);
        m_messages.clear();
        return shown;
    }

    // The fixed-line result and its colour.
    QString telResult() const
    {
        auto *result = control<QPlainTextEdit>("txtTelWZ");
        return result->toPlainText() + u'|' + result->palette().color(QPalette::Active, QPalette::Text).name();
    }
    bool telEnded() const
    {
        return test::waitFor([this] { return control<QWidget>("cmdTelChaXun")->isEnabled(); }) &&
               control<QWidget>("txtTel")->isEnabled() && control<QWidget>("txtTelWZ")->isEnabled();
    }
};

TEST_F(TelephoneChecks, MobileQueryFillsTheLabelsOrEndsInItsFailurePath)
{
    const QString failure = QStringLiteral("错误:出现错误！错误原因：");
    // typed, whether it is sent, message box, the labels and status after, the box after
    const std::tuple<QString, bool, QString, QString, QString> rows[] = {
        {"13912345678", true, "", "归属：北京|区号：010|卡型：GSM全球通卡|邮编：100000|准备就绪", "13912345678"},
        {"12a", false, failure, "归属：旧|区号：|卡型：|邮编：|准备就绪", "12a"},
        {"1391234567", false, "错误:您输入的手机号有误，请重新输入", "归属：旧|区号：|卡型：|邮编：|旧", ""},
    };
    m_server.addPrefix("mobile.fendrake.net:8080", "/search.asp", "mobile.fendrake.net/location.html");
    for (const auto &[typed, sent, message, labels, boxAfter] : rows) {
        SCOPED_TRACE(typed.toStdString());
        openPanel("cmdChuJi", "cmdShouJi");
        m_server.clearRequests();
        control<QLabel>("lblChengShi")->setText(QStringLiteral("归属：旧"));
        control<QLabel>("lblShouJiZZ")->setText(QStringLiteral("旧"));
        click("cmdShouJiChaXun", "txtShouJi", typed);

        EXPECT_EQ(boxes(), message.isEmpty() ? QStringList() : QStringList{message});
        QStringList shown;
        for (const char *name : {"lblChengShi", "lblQuHao", "lblKaXing", "lblPost", "lblShouJiZZ"})
            shown << control<QLabel>(name)->text();
        EXPECT_EQ(shown.join(u'|'), labels);
        EXPECT_EQ(control<QLineEdit>("txtShouJi")->text(), boxAfter);
        EXPECT_TRUE(control<QWidget>("txtShouJi")->isEnabled() && control<QWidget>("cmdShouJiChaXun")->isEnabled());
        EXPECT_EQ(m_server.requests().size(), sent ? 1u : 0u);
        for (const test::RecordedRequest &request : m_server.requests())
            EXPECT_EQ(request.target, "http://mobile.fendrake.net:8080/search.asp?action=mobile&mobile=" + typed);
    }
}

TEST_F(TelephoneChecks, FixedLinePageCompletesTheQueryAfterAPanelResetAndOnlyOnce)
{
    test::FixtureReply late;
    late.fixtureFile = QStringLiteral("tel.fendrake.net/dh/district.html");
    late.delay = 300ms;
    m_server.addPrefixReply(QStringLiteral("tel.fendrake.net"), QStringLiteral("/dh/"), late);
    openPanel("cmdGaoji", "cmdEmail");
    click("cmdTelChaXun", "txtTel", QStringLiteral("010-12345678"));
    EXPECT_FALSE(control<QWidget>("txtTel")->isEnabled() || control<QWidget>("cmdTelChaXun")->isEnabled());

    QTest::mouseClick(control<QAbstractButton>("cmdEmail"), Qt::LeftButton);
    EXPECT_EQ(control<QLineEdit>("txtTel")->text(), QString());
    EXPECT_TRUE(control<QWidget>("txtTel")->isEnabled() && control<QWidget>("txtTelWZ")->isEnabled());
    EXPECT_FALSE(control<QWidget>("cmdTelChaXun")->isEnabled());

    ASSERT_TRUE(telEnded());
    EXPECT_EQ(telResult(), QStringLiteral("北京市东城区建国门一带|#0000ff"));
    ASSERT_EQ(m_server.requests().size(), 1u);
    EXPECT_EQ(m_server.requests().front().pathAndQuery, QStringLiteral("/dh/114.aspx?w=010-12345678"));
    control<QPlainTextEdit>("txtTelWZ")->setPlainText(QStringLiteral("旧"));
    emit m_form->WebTel->DocumentComplete(QString());
    EXPECT_EQ(telResult(), QStringLiteral("旧|#0000ff"));
    EXPECT_TRUE(boxes().isEmpty());
}

// A rate-limit notice, a number too short, and a panel without a browser each end at once, in red.
TEST_F(TelephoneChecks, FixedLineNoticeShortNumberAndMissingBrowserEndRed)
{
    m_server.addPrefix("tel.fendrake.net", "/dh/", "tel.fendrake.net/dh/rate_limited.html");
    openPanel("cmdGaoji", "cmdEmail");
    click("cmdTelChaXun", "txtTel", QStringLiteral("010-1234567"));
    ASSERT_TRUE(telEnded());
    EXPECT_EQ(telResult(), QStringLiteral("没有查找到该号码的地理位置。|#ff0000"));
    EXPECT_TRUE(boxes().isEmpty());

    click("cmdTelChaXun", "txtTel", QStringLiteral("010-123456"));
    EXPECT_EQ(boxes(), QStringList{"错误:电话号码格式为 010-12345678 ！"});
    EXPECT_EQ(control<QLineEdit>("txtTel")->text(), QString());

    TelephoneLocationPanel lonely;
    lonely.ui.txtTel->setText(QStringLiteral("010-12345678"));
    lonely.cmdTelChaXun_Click();
    EXPECT_EQ(boxes(), QStringList{"错误:发生错误！错误原因："});
    EXPECT_EQ(lonely.ui.txtTelWZ->toPlainText(), QStringLiteral("发生错误。"));
    EXPECT_EQ(lonely.ui.txtTelWZ->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::red));
    EXPECT_TRUE(lonely.ui.cmdTelChaXun->isEnabled() && lonely.ui.txtTel->isEnabled());
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
        control<QLineEdit>("Text3")->setText(number);
        QTest::keyClick(control<QLineEdit>("Text3"), Qt::Key_Return);

        const QString text = m_messages.messages().empty() ? QString() : m_messages.messages().front().text;
        EXPECT_EQ(text, reason.isEmpty() ? QString() : "请输入正确的电话号码和区号！错误原因：\r" + reason);
        m_messages.clear();
        EXPECT_EQ(control<QLineEdit>("Text3")->text(), number);
        EXPECT_TRUE(control<QWidget>("Command5")->isEnabled());
    }
    ASSERT_EQ(opened.addresses().size(), 1);
    EXPECT_TRUE(opened.addresses().front().endsWith(QStringLiteral("%E7%A0%81+010+12340000...12350000")));
}

} // namespace
} // namespace fendrake
