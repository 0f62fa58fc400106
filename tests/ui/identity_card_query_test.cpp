#include "query_panel_test.h"

namespace fendrake {
namespace {

class IdentityCardQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        m_server.addPrefix(QStringLiteral("id.fendrake.net"), QStringLiteral("/idsearch/"),
                           QStringLiteral("id.fendrake.net/place.html"));
        openPanel("cmdChuJi", "cmdShenFenZheng");
        m_input = control<QLineEdit>("txtShenFenZheng");
        m_button = control<QAbstractButton>("cmdShenFenZhengChaXun");
        ASSERT_TRUE(m_input && m_button);
    }

    // Sex, birth date, place of issue and status, after each label held an earlier answer.
    QString labels() const
    {
        QStringList texts;
        for (const char *name : {"lblXingBie", "lblChuSheng", "lblSFZSuoZai", "lblSFZZZ"})
            texts << control<QLabel>(name)->text();
        return texts.join(u'|');
    }

    void query(const QString &typed, bool byEnter = false)
    {
        for (const char *name : {"lblXingBie", "lblChuSheng", "lblSFZSuoZai", "lblSFZZZ"})
            control<QLabel>(name)->setText(QStringLiteral("旧"));
        m_messages.clear();
        m_input->setText(typed);
        byEnter ? QTest::keyClick(m_input, Qt::Key_Return) : QTest::mouseClick(m_button, Qt::LeftButton);
    }

    QLineEdit *m_input = nullptr;
    QAbstractButton *m_button = nullptr;
};

TEST_F(IdentityCardQuery, EnterShowsSexBirthDateAndPlaceOfTheUpperCasedNumber)
{
    ASSERT_TRUE(test::showActive(m_form.get()));
    query(QStringLiteral("11010519491231002x"), true);

    EXPECT_TRUE(m_messages.messages().empty());
    EXPECT_EQ(m_input->text(), QStringLiteral("11010519491231002X"));
    EXPECT_EQ(labels(), QStringLiteral("性别：女|出生日期：1949年12月31日|发证地：北京市东城区|"));
    ASSERT_EQ(m_server.requests().size(), 1u);
    EXPECT_EQ(m_server.requests().front().pathAndQuery,
              QStringLiteral("/idsearch/index.asp?action=idcard&userid=11010519491231002X"));
    EXPECT_TRUE(m_input->isEnabled() && m_button->isEnabled());
}

TEST_F(IdentityCardQuery, RefusedNumbersSendNothingAndSayWhy)
{
    const QString idle = QStringLiteral("性别：|出生日期：|发证地：|旧");
    const QString ended = QStringLiteral("性别：|出生日期：|发证地：|");
    const QString old = QStringLiteral("旧|旧|旧|旧");
    const QString malformed = QStringLiteral("错误:请输入正确的18位身份证号！错误原因：");
    const QString failed = QStringLiteral("错误:身份证查询失败！错误原因：");
    // typed, the box's title and first line, the labels after, whether the box keeps the number
    const std::tuple<QString, QString, QString, bool> rows[] = {
        {"110105194912310021", "假的身份证:这个身份证号码是假的！", idle, true},
        {"11010119900101009?", failed, ended, true},
        {"11010119900101009Y", failed, ended, true},
        {"11010119900101009０", failed, ended, true},
        {"", malformed, old, false},
        {"11010519491231002", malformed, old, false},
        {"11010519491231002X1", malformed, old, false},
        {"1101051949x231002X", malformed, old, false},
        {"11010519491231０02X", malformed, old, false},
    };
    for (const auto &[typed, box, after, kept] : rows) {
        SCOPED_TRACE(typed.toStdString());
        query(typed);
        ASSERT_EQ(m_messages.messages().size(), 1u);
        const test::RecordedMessage &shown = m_messages.messages().front();
        EXPECT_EQ(shown.title + u':' + shown.text.section(u'\r', 0, 0), box);
        EXPECT_EQ(labels(), after);
        EXPECT_EQ(m_input->text(), kept ? typed : QString());
        EXPECT_TRUE(m_input->isEnabled() && m_button->isEnabled());
    }
    EXPECT_TRUE(m_server.requests().empty());
}

} // namespace
} // namespace fendrake
