#include "closed_port.h"
#include "query_panel_test.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace fendrake {
namespace {

const QString kHost = QStringLiteral("id.fendrake.net");
const QString kGenuine = QStringLiteral("11010519491231002X");
const QString kFailureText = QStringLiteral("身份证查询失败！错误原因：\r1.公安部服务器繁忙或故障检修，请稍后再试！\r"
                                            "2.FendrakeXMLhttp组件丢失，请重新下载！\r"
                                            "3.网络不稳定或不通畅，请退出占用大量网络资源的程序！\r"
                                            "4.输入的身份证不合法，请检查后重新输入！");

struct Labels
{
    QString sex;
    QString birth;
    QString place;
};

const Labels kIdle{QStringLiteral("性别："), QStringLiteral("出生日期："), QStringLiteral("发证地：")};

class IdentityCardQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        open();
        m_input = control<QLineEdit>("txtShenFenZheng");
        m_button = control<QAbstractButton>("cmdShenFenZhengChaXun");
        m_sex = control<QLabel>("lblXingBie");
        m_birth = control<QLabel>("lblChuSheng");
        m_place = control<QLabel>("lblSFZSuoZai");
        m_status = control<QLabel>("lblSFZZZ");
        ASSERT_TRUE(m_input && m_button && m_sex && m_birth && m_place && m_status);
    }

    void open() { openPanel("cmdChuJi", "cmdShenFenZheng"); }

    void servePage(const QString &fixture) { m_server.addPrefix(kHost, QStringLiteral("/idsearch/"), fixture); }

    void query(const QString &number)
    {
        m_input->setText(number);
        QTest::mouseClick(m_button, Qt::LeftButton);
    }

    void dirtyLabels()
    {
        m_sex->setText(QStringLiteral("性别：旧"));
        m_birth->setText(QStringLiteral("出生日期：旧"));
        m_place->setText(QStringLiteral("发证地：旧"));
        m_status->setText(QStringLiteral("旧"));
    }

    void expectLabels(const Labels &labels) const
    {
        EXPECT_EQ(m_sex->text().toStdString(), labels.sex.toStdString());
        EXPECT_EQ(m_birth->text().toStdString(), labels.birth.toStdString());
        EXPECT_EQ(m_place->text().toStdString(), labels.place.toStdString());
    }

    void expectOneBox(const QString &title, const QString &text) const
    {
        expectOneMessage(MessageIcon::Critical, title, text);
    }

    void expectIdleAfterQuery() const
    {
        EXPECT_TRUE(m_input->isEnabled());
        EXPECT_TRUE(m_button->isEnabled());
        EXPECT_EQ(m_status->text(), QString());
    }

    QLineEdit *m_input = nullptr;
    QAbstractButton *m_button = nullptr;
    QLabel *m_sex = nullptr;
    QLabel *m_birth = nullptr;
    QLabel *m_place = nullptr;
    QLabel *m_status = nullptr;
};

TEST_F(IdentityCardQuery, GenuineNumberShowsSexBirthDateAndPlaceOfIssue)
{
    servePage(QStringLiteral("id.fendrake.net/place.html"));
    m_status->setText(QStringLiteral("旧"));
    query(QStringLiteral("11010519491231002x"));

    EXPECT_TRUE(m_messages.messages().empty());
    EXPECT_EQ(m_input->text(), kGenuine);
    expectLabels({QStringLiteral("性别：女"), QStringLiteral("出生日期：1949年12月31日"),
                  QStringLiteral("发证地：北京市东城区")});
    ASSERT_EQ(m_server.requests().size(), 1u);
    EXPECT_EQ(m_server.requests().front().host, kHost);
    EXPECT_EQ(m_server.requests().front().pathAndQuery,
              QStringLiteral("/idsearch/index.asp?action=idcard&userid=11010519491231002X"));
    expectIdleAfterQuery();
}

TEST_F(IdentityCardQuery, FakeNumberShowsTheFakeBoxAndSendsNoRequest)
{
    servePage(QStringLiteral("id.fendrake.net/place.html"));
    dirtyLabels();
    query(QStringLiteral("110105194912310021"));

    expectOneBox(QStringLiteral("假的身份证"), QStringLiteral("这个身份证号码是假的！"));
    EXPECT_TRUE(m_server.requests().empty());
    expectLabels(kIdle);
    EXPECT_EQ(m_input->text(), QStringLiteral("110105194912310021"));
    EXPECT_TRUE(m_input->isEnabled());
    EXPECT_TRUE(m_button->isEnabled());
}

TEST_F(IdentityCardQuery, PageFailuresEndInTheFailureBoxWithTheSexKept)
{
    const QString pages[] = {QStringLiteral("id.fendrake.net/no_closing_marker.html"),
                             QStringLiteral("id.fendrake.net/no_opening_marker.html")};
    for (const QString &page : pages) {
        SCOPED_TRACE(page.toStdString());
        test::ProxiedFixtureServer server;
        ASSERT_TRUE(server.startProxied());
        server.addPrefix(kHost, QStringLiteral("/idsearch/"), page);
        m_messages.clear();
        dirtyLabels();

        query(kGenuine);

        expectOneBox(QStringLiteral("错误"), kFailureText);
        EXPECT_EQ(server.requests().size(), 1u);
        expectLabels({QStringLiteral("性别：女"), kIdle.birth, kIdle.place});
        expectIdleAfterQuery();
    }
}

TEST_F(IdentityCardQuery, RefusedConnectionEndsInTheFailureBoxWithTheSexKept)
{
    const QString refused = test::closedLocalAddress();
    ASSERT_FALSE(refused.isEmpty());
    test::ScopedProxyEnvironment refusing(refused);
    dirtyLabels();

    query(QStringLiteral("110101199001010015"));

    expectOneBox(QStringLiteral("错误"), kFailureText);
    expectLabels({QStringLiteral("性别：男"), kIdle.birth, kIdle.place});
    EXPECT_EQ(m_input->text(), QStringLiteral("110101199001010015"));
    expectIdleAfterQuery();
}

TEST_F(IdentityCardQuery, UnreadableCheckPlaceEndsInTheFailureBoxWithoutRequest)
{
    servePage(QStringLiteral("id.fendrake.net/place.html"));
    for (const QString &number : {QStringLiteral("11010119900101009?"), QStringLiteral("11010119900101009Y"),
                                  QStringLiteral("11010119900101009０")}) {
        SCOPED_TRACE(number.toStdString());
        m_messages.clear();
        dirtyLabels();

        query(number);

        expectOneBox(QStringLiteral("错误"), kFailureText);
        expectLabels(kIdle);
        expectIdleAfterQuery();
    }
    EXPECT_TRUE(m_server.requests().empty());
}

TEST_F(IdentityCardQuery, MalformedInputShowsTheInputBoxAndEmptiesTheBox)
{
    servePage(QStringLiteral("id.fendrake.net/place.html"));
    for (const QString &typed : {QString(), QStringLiteral("11010519491231002"), QStringLiteral("11010519491231002X1"),
                                 QStringLiteral("1101051949x231002X"), QStringLiteral("11010519491231０02X")}) {
        SCOPED_TRACE(typed.toStdString());
        m_messages.clear();
        dirtyLabels();

        query(typed);

        expectOneBox(QStringLiteral("错误"), QStringLiteral("请输入正确的18位身份证号！错误原因：\r"
                                                            "1.身份证位数不是18位，请检查后重新输入！\r"
                                                            "2.身份证前17位不是纯数字，请检查后重新输入！"));
        EXPECT_EQ(m_input->text(), QString());
        expectLabels({QStringLiteral("性别：旧"), QStringLiteral("出生日期：旧"), QStringLiteral("发证地：旧")});
        EXPECT_EQ(m_status->text(), QStringLiteral("旧"));
    }
    EXPECT_TRUE(m_server.requests().empty());
}

TEST_F(IdentityCardQuery, EnterInTheNumberBoxRunsTheQuery)
{
    servePage(QStringLiteral("id.fendrake.net/place.html"));
    ASSERT_TRUE(test::showActive(m_form.get()));
    m_input->setText(kGenuine);
    QTest::keyClick(m_input, Qt::Key_Return);

    EXPECT_EQ(m_server.requests().size(), 1u);
    EXPECT_EQ(m_place->text(), QStringLiteral("发证地：北京市东城区"));
}

} // namespace
} // namespace fendrake
