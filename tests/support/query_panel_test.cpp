#include "query_panel_test.h"

#include <QAbstractButton>
#include <QTest>

namespace fendrake::test {

void QueryPanelTest::SetUp()
{
    ASSERT_TRUE(m_server.startProxied());
    m_form = std::make_unique<Form1>();
}

void QueryPanelTest::openPanel(const char *levelButton, const char *featureButton)
{
    QTest::mouseClick(control<QAbstractButton>(levelButton), Qt::LeftButton);
    QTest::mouseClick(control<QAbstractButton>(featureButton), Qt::LeftButton);
}

void QueryPanelTest::expectOneMessage(MessageIcon icon, const QString &title, const QString &text) const
{
    ASSERT_EQ(m_messages.messages().size(), 1u);
    const RecordedMessage &box = m_messages.messages().front();
    EXPECT_EQ(box.icon, icon);
    EXPECT_EQ(box.title.toStdString(), title.toStdString());
    EXPECT_EQ(box.text.toStdString(), text.toStdString());
}

} // namespace fendrake::test
