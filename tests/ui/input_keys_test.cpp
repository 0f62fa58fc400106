#include "app/form1.h"
#include "widget_lookup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

using fendrake::test::childNamed;
using fendrake::test::showActive;

namespace {

class InputKeys : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_form = std::make_unique<fendrake::Form1>();
        ASSERT_TRUE(showActive(m_form.get()));
    }

    template <typename T = QWidget> T *child(const QString &name) { return childNamed<T>(m_form.get(), name); }

    // Opens a panel the way the user does: its level, then its feature button.
    void open(const char *level, const char *button)
    {
        QTest::mouseClick(child<QAbstractButton>(level), Qt::LeftButton);
        QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton);
    }

    std::unique_ptr<fendrake::Form1> m_form;
};

// Chinese and full-width characters arrive as a key press with text and no key code.
void type(QLineEdit *box, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(box, char(c.unicode()));
        } else {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box, &press);
        }
    }
}

struct BoxCase
{
    const char *level;
    const char *button;
    const char *box;
    const char *swallowed;
    const char *accepted;
};

const BoxCase kBoxes[] = {
    {"cmdChuJi", "cmdYuMing", "txtYuMing", "//（，@ ", "http:www.a-b.cn"},
    {"cmdZhongJi", "cmdZhuJi", "txtZhuJi", "/（，\\", "a-b.cn,"},
    {"cmdChuJi", "cmdIP", "txtIP", "aZ,-（", "10.0.*.1"},
    {"cmdZhongJi", "Command3", "txtSLURL", "允许输入的字符\"（", "中a.:"},
    {"cmdGaoji", "cmdICP", "txtICP", "（，/", "京,中a1"},
    {"cmdZhongJi", "cmdPaiming", "txtRenQi", "/（", "a.cn"},
    {"cmdZhongJi", "cmdLiuXing", "txtLiuXing", "/（", "a.cn"},
    {"cmdGaoji", "cmdSafe", "txtUS", "/（", "a.cn"},
    {"cmdGaoji", "cmdSafe", "txtGM", "/（", "a.cn"},
    {"cmdChuJi", "cmdShenFenZheng", "txtShenFenZheng", "aAzZ（", "11010x19X"},
    {"cmdChuJi", "cmdShouJi", "txtShouJi", "a.,（", "139"},
    {"cmdGaoji", "cmdEmail", "txtTel", "aZ（", "010-1"},
    {"cmdGaoji", "cmdEmail", "Text2", "aZ（", "010"},
    {"cmdGaoji", "cmdEmail", "Text3", "a,.（", "1234"},
    {"cmdZhongJi", "Command8", "Text4", "允许输入的字符\"a（", "中12"},
    {"cmdGaoji", "Command7", "txtTB", "", "/（允a\" "},
};

TEST_F(InputKeys, EachBoxSwallowsItsForbiddenCharactersAndKeepsTheRest)
{
    for (const BoxCase &row : kBoxes) {
        SCOPED_TRACE(row.box);
        open(row.level, row.button);
        auto *box = child<QLineEdit>(row.box);
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(box->isVisible());
        box->clear();
        box->setFocus();

        type(box, QString::fromUtf8(row.swallowed));
        EXPECT_EQ(box->text(), QString()) << box->text().toStdString();
        type(box, QString::fromUtf8(row.accepted));
        EXPECT_EQ(box->text().toStdString(), row.accepted);
    }
}

// Enter in the area code moves on to the number box when that box can take the focus, and clears nothing.
TEST_F(InputKeys, EnterInAreaCodeMovesFocusToTheNumberBoxWhenItCanTakeIt)
{
    open("cmdGaoji", "cmdEmail");
    auto *text2 = child<QLineEdit>("Text2");
    auto *text3 = child<QLineEdit>("Text3");
    for (const auto &[enabled, shown] : {std::pair{true, true}, std::pair{false, true}, std::pair{true, false}}) {
        SCOPED_TRACE(testing::Message() << "enabled " << enabled << ", shown " << shown);
        text3->setEnabled(enabled);
        text3->setVisible(shown);
        text2->setText("010");
        text2->setFocus();
        QTest::keyClick(text2, Qt::Key_Return);
        EXPECT_EQ(text3->hasFocus(), enabled && shown);
        EXPECT_EQ(text2->hasFocus(), !(enabled && shown));
        EXPECT_EQ(text2->text(), "010");
    }
}

} // namespace
