#include "query_panel_test.h"

namespace fendrake {
namespace {

using IdentityCardQuery = test::QueryPanelTest;

// The input rules and the verdict are the unit tests' business; here each path's box, labels and input box. Enter
// upper-cases the number and shows sex, birth date and place; a refused number sends nothing.
TEST_F(IdentityCardQuery, EnterShowsTheUpperCasedNumbersFactsAndRefusalsSayWhy)
{
    m_server.addPrefix("id.fendrake.net", "/idsearch/", "id.fendrake.net/place.html");
    openPanel("cmdChuJi", "cmdShenFenZheng");
    ASSERT_TRUE(test::showActive(m_form.get()));
    auto *input = control<QLineEdit>("txtShenFenZheng");
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
        const char *labels[] = {"lblXingBie", "lblChuSheng", "lblSFZSuoZai", "lblSFZZZ"};
        for (const char *name : labels)
            control<QLabel>(name)->setText("旧");
        m_messages.clear();
        input->setText(typed);
        QTest::keyClick(input, Qt::Key_Return);

        QStringList boxes;
        for (const test::RecordedMessage &message : m_messages.messages())
            boxes << message.title + u':' + message.text.section(u'\r', 0, 0);
        EXPECT_EQ(boxes, box.isEmpty() ? QStringList() : QStringList{box});
        QStringList shown;
        for (const char *name : labels)
            shown << control<QLabel>(name)->text();
        EXPECT_EQ(shown.join(u'|'), after);
        EXPECT_EQ(input->text(), inputAfter);
        EXPECT_TRUE(input->isEnabled() && control<QWidget>("cmdShenFenZhengChaXun")->isEnabled());
    }
    ASSERT_EQ(m_server.requests().size(), 1u);
    EXPECT_EQ(m_server.requests().front().pathAndQuery, "/idsearch/index.asp?action=idcard&userid=11010519491231002X");
}

} // namespace
} // namespace fendrake
