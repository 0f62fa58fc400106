#include "app/services/key_filter.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

namespace fendrake {
namespace {

constexpr ForbiddenSet kAllSets[] = {ForbiddenSet::Common,   ForbiddenSet::Ex,       ForbiddenSet::QQ,
                                     ForbiddenSet::AreaCode, ForbiddenSet::TelRange, ForbiddenSet::IP,
                                     ForbiddenSet::IDCard,   ForbiddenSet::Mobile,   ForbiddenSet::Tel};

TEST(ForbiddenSetsTest, EverySetHoldsTheCommonSetExceptTheIpAsterisk)
{
    for (const ForbiddenSet set : kAllSets) {
        for (const QChar c : QString::fromUtf16(BadInputChars)) {
            if (set == ForbiddenSet::IP && c == u'*')
                EXPECT_FALSE(isForbidden(set, c));
            else
                EXPECT_TRUE(isForbidden(set, c)) << int(set) << " " << int(c.unicode());
        }
    }
}

struct MemberCase
{
    ForbiddenSet set;
    QString accepted;
    QString swallowed;
};

TEST(ForbiddenSetsTest, AcceptsAndSwallowsTheListedCharacters)
{
    const MemberCase cases[] = {
        {ForbiddenSet::Common, QStringLiteral("aZ09.,-:;?=\"|中"),
         QStringLiteral("~！@#￥%…？&*（）!$^_—+<>《》/、\\。，'“”(){}【】[] ")},
        {ForbiddenSet::Ex, QStringLiteral("a.,中国"), QStringLiteral("\"允许输入的字符 '（，")},
        {ForbiddenSet::QQ, QStringLiteral("0123456789.,中"), QStringLiteral("aZ\"允许输入的字符（")},
        {ForbiddenSet::AreaCode, QStringLiteral("0123456789.,-"), QStringLiteral("aZxX（，")},
        {ForbiddenSet::TelRange, QStringLiteral("0123456789-"), QStringLiteral(",.aZ（，")},
        {ForbiddenSet::IP, QStringLiteral("0123456789.*"), QStringLiteral(",-aZxX（，")},
        {ForbiddenSet::IDCard, QStringLiteral("0123456789xX"), QStringLiteral("aZyY（，")},
        {ForbiddenSet::Mobile, QStringLiteral("0123456789-"), QStringLiteral(".,aZ（，")},
        {ForbiddenSet::Tel, QStringLiteral("0123456789-,."), QStringLiteral("aZ（，")},
    };
    for (const MemberCase &c : cases) {
        for (const QChar ch : c.accepted)
            EXPECT_FALSE(isForbidden(c.set, ch)) << int(c.set) << " accepts " << int(ch.unicode());
        for (const QChar ch : c.swallowed)
            EXPECT_TRUE(isForbidden(c.set, ch)) << int(c.set) << " swallows " << int(ch.unicode());
    }
}

void typeText(QLineEdit *box, const QString &text)
{
    // QTest::keyClicks only types Latin-1; an input method's characters arrive as key text.
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(box, &press);
}

void commitText(QLineEdit *box, const QString &text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}

struct TypedCase
{
    ForbiddenSet set;
    QString typed; // one key press per character; a key may also carry several characters at once
    QString kept;
};

TEST(FilterInputKeyTest, TypedForbiddenCharactersAreSwallowed)
{
    const TypedCase cases[] = {
        {ForbiddenSet::Common, QStringLiteral("http://www.example-1.com"), QStringLiteral("http:www.example-1.com")},
        {ForbiddenSet::IP, QStringLiteral("192.168.*.1abc,-"), QStringLiteral("192.168.*.1")},
        {ForbiddenSet::IDCard, QStringLiteral("11010519491231002xXa"), QStringLiteral("11010519491231002xX")},
        {ForbiddenSet::Ex, QStringLiteral("中（，允国"), QStringLiteral("中国")},
    };
    for (const TypedCase &c : cases) {
        QLineEdit box;
        installKeyFilter(&box, c.set, {});
        for (const QChar ch : c.typed)
            typeText(&box, QString(ch));
        EXPECT_EQ(box.text(), c.kept) << c.typed.toStdString();
    }
    QLineEdit box;
    installKeyFilter(&box, ForbiddenSet::Common, {});
    typeText(&box, QStringLiteral("a/b（c"));
    EXPECT_EQ(box.text(), QStringLiteral("abc"));
}

TEST(FilterInputKeyTest, InputMethodCommitDropsForbiddenCharacters)
{
    QLineEdit box;
    installKeyFilter(&box, ForbiddenSet::QQ, {});
    commitText(&box, QStringLiteral("123（允许）456"));
    EXPECT_EQ(box.text(), QStringLiteral("123456"));
    commitText(&box, QStringLiteral("，"));
    EXPECT_EQ(box.text(), QStringLiteral("123456"));
}

TEST(FilterInputKeyTest, PastedAndProgramTextIsNotFiltered)
{
    QLineEdit box;
    installKeyFilter(&box, ForbiddenSet::Common, {});
    QApplication::clipboard()->setText(QStringLiteral("http://a.b/（c）"));
    box.paste();
    EXPECT_EQ(box.text(), QStringLiteral("http://a.b/（c）"));

    box.clear();
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.text(), QStringLiteral("http://a.b/（c）"));

    box.setText(QStringLiteral("a b/c"));
    EXPECT_EQ(box.text(), QStringLiteral("a b/c"));
}

TEST(FilterInputKeyTest, EnterRunsTheActionBeforeTheKeyGoesOn)
{
    QLineEdit box;
    int runs = 0;
    QString textSeenByAction;
    installKeyFilter(&box, ForbiddenSet::Common, [&] {
        ++runs;
        textSeenByAction = box.text();
    });
    QTest::keyClicks(&box, QStringLiteral("abc"));
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(textSeenByAction, QStringLiteral("abc"));
    QTest::keyClick(&box, Qt::Key_A);
    EXPECT_EQ(runs, 2);
}

TEST(FilterInputKeyTest, GuardButtonMustBeEnabledForEnter)
{
    QLineEdit box;
    auto *guard = new QPushButton;
    int runs = 0;
    installKeyFilter(
        &box, ForbiddenSet::Common, [&] { ++runs; }, guard);
    guard->setEnabled(false);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(runs, 0);
    guard->setEnabled(true);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(runs, 1);
    delete guard;
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(runs, 1);
}

TEST(FilterInputKeyTest, BoxWithoutSetOnlyHasTheEnterAction)
{
    QLineEdit box;
    int runs = 0;
    installKeyFilter(&box, std::nullopt, [&] { ++runs; });
    QTest::keyClicks(&box, QStringLiteral("a/b c"));
    typeText(&box, QStringLiteral("（"));
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.text(), QStringLiteral("a/b c（"));
    EXPECT_EQ(runs, 1);
}

TEST(FilterInputKeyTest, ActionMayMoveTheFocusOn)
{
    QWidget panel;
    auto *areaCode = new QLineEdit(&panel);
    auto *number = new QLineEdit(&panel);
    installKeyFilter(areaCode, ForbiddenSet::AreaCode, [number] { number->setFocus(); });
    areaCode->setFocus();
    QTest::keyClick(areaCode, Qt::Key_Return);
    EXPECT_EQ(panel.focusWidget(), number);
    EXPECT_EQ(areaCode->text(), QString());
}

} // namespace
} // namespace fendrake
