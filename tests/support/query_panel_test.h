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
    void SetUp() override;

    // Opens a panel the way the user does: its level button, then its feature button.
    void openPanel(const char *levelButton, const char *featureButton);

    template <typename T> T *control(const char *name) const
    {
        return childNamed<T>(m_form.get(), QString::fromUtf8(name));
    }

    void expectOneMessage(MessageIcon icon, const QString &title, const QString &text) const;

    MessageRecorder m_messages;
    ProxiedFixtureServer m_server;
    std::unique_ptr<Form1> m_form;
};

} // namespace fendrake::test
