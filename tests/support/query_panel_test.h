#pragma once

#include "app/form1.h"
#include "app/services/message_box.h"
#include "fixture_server.h"
#include "recorders.h"
#include "widget_lookup.h"

#include <QString>

#include <gtest/gtest.h>

#include <memory>

namespace fendrake::test {

// A real main window whose services answer from the fixture proxy and whose message boxes are recorded.
class QueryPanelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_server.startProxied());
        m_form = std::make_unique<Form1>();
    }

    // Opens a panel the way the user does: its level button, then its feature button.
    void openPanel(const char *levelButton, const char *featureButton)
    {
        QTest::mouseClick(control<QAbstractButton>(levelButton), Qt::LeftButton);
        QTest::mouseClick(control<QAbstractButton>(featureButton), Qt::LeftButton);
    }

    template <typename T> T *control(const char *name) const
    {
        return childNamed<T>(m_form.get(), QString::fromUtf8(name));
    }

    void expectOneMessage(MessageIcon icon, const QString &title, const QString &text) const
    {
        ASSERT_EQ(m_messages.messages().size(), 1u);
        const RecordedMessage &box = m_messages.messages().front();
        EXPECT_EQ(box.icon, icon);
        EXPECT_EQ(box.title.toStdString(), title.toStdString());
        EXPECT_EQ(box.text.toStdString(), text.toStdString());
    }

    MessageRecorder m_messages;
    ProxiedFixtureServer m_server;
    std::unique_ptr<Form1> m_form;
};

} // namespace fendrake::test
