#include "app/services/key_filter.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <tuple>

using namespace fendrake;

using enum ForbiddenSet;

TEST(ForbiddenSetsTest, EverySetSwallowsTheCommonSetAndKeepsItsOwnCharacters)
{
    // Each set, what it accepts, and what it swallows beside the common set.
    // clang-format off
    const std::tuple<ForbiddenSet, QString, QString> cases[] = {
        {Common, "aZ09.,-:;?=\"|中", ""}, {Ex, "a.,中国", "\"允许输入的字符 '（，"}, {QQ, "0123456789.,中", "aZ\"允许输入的字符（"},
        {AreaCode, "0123456789.,-", "aZxX"}, {TelRange, "0123456789-", ",.aZ"}, {IP, "0123456789.*", ",-aZxX"},
        {IDCard, "0123456789xX", "aZyY"}, {Mobile, "0123456789-", ".,aZ"}, {Tel, "0123456789-,.", "aZ"}};
    // clang-format on
    for (const auto &[set, accepted, swallowed] : cases) {
        for (const QChar ch : QString::fromUtf16(BadInputChars) + swallowed)
            EXPECT_EQ(isForbidden(set, ch), set != IP || ch != u'*') << int(set) << " " << int(ch.unicode());
        for (const QChar ch : accepted)
            EXPECT_FALSE(isForbidden(set, ch)) << int(set) << " accepts " << int(ch.unicode());
    }
}

TEST(FilterInputKeyTest, TypedAndCommittedForbiddenCharactersAreSwallowed)
{
    constexpr int KeyEach = 0, OneKey = 1, Commit = 2;
    // How: a key press per character, one key carrying them all, or an input method's commit. Each box's set,
    // typed key by key, is pinned in the window test.
    const std::tuple<std::optional<ForbiddenSet>, int, QString, QString> cases[] = {
        {Common, OneKey, "a/b（c", "abc"},
        {QQ, Commit, "123（允许）456，", "123456"},
        {std::nullopt, KeyEach, "a/b c（", "a/b c（"}};
    for (const auto &[set, how, typed, kept] : cases) {
        QLineEdit box;
        installKeyFilter(&box, set, {});
        const QStringList parts = how == KeyEach ? typed.split(QString(), Qt::SkipEmptyParts) : QStringList{typed};
        for (const QString &part : parts) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, part); // as an input method's key text
            QInputMethodEvent commit;
            commit.setCommitString(part);
            QApplication::sendEvent(&box, how == Commit ? static_cast<QEvent *>(&commit) : &press);
        }
        EXPECT_EQ(box.text(), kept) << typed.toStdString();
    }
}

TEST(FilterInputKeyTest, PastedAndProgramTextIsNotFiltered)
{
    QLineEdit box;
    installKeyFilter(&box, Common, {});
    QApplication::clipboard()->setText(QStringLiteral("http://a.b/（c）"));
    box.paste();
    EXPECT_EQ(box.text(), QStringLiteral("http://a.b/（c）"));
    box.clear();
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.text(), QStringLiteral("http://a.b/（c）"));
    box.setText(QStringLiteral("a b/c"));
    EXPECT_EQ(box.text(), QStringLiteral("a b/c"));
}

TEST(FilterInputKeyTest, EnterRunsTheActionOnlyWhileTheGuardIsEnabled)
{
    QLineEdit box;
    auto *guard = new QPushButton;
    int runs = 0;
    installKeyFilter(
        &box, std::nullopt, [&] { ++runs; }, guard);
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(&box, Qt::Key_A);
    EXPECT_EQ(runs, 2);
    guard->setEnabled(false);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(runs, 2);
    guard->setEnabled(true);
    delete guard; // a guard that is gone allows nothing
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(runs, 2);
}
