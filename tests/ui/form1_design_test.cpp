#include "app/fonts.h"
#include "app/form1.h"
#include "app/tight_text.h"
#include "app/wrap_label.h"
#include "widget_lookup.h"

#include <QFontInfo>
#include <QSet>

#include <gtest/gtest.h>

#include <memory>

using fendrake::test::childNamed;

namespace {

class Form1Design : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { fendrake::installFontSubstitutions(); }
    void SetUp() override { m_form = std::make_unique<fendrake::Form1>(); }

    template <typename T = QWidget> T *child(const QString &name) { return childNamed<T>(m_form.get(), name); }

    std::unique_ptr<fendrake::Form1> m_form;
};

struct TextCase
{
    const char *control;
    const char *text;
};

TEST_F(Form1Design, DesignFontsMapOntoInstalledFamilies)
{
    const TextCase cases[] = {{"txtYuMing", "DejaVu Sans"},     {"lblShouJiHao", "Noto Sans CJK SC"},
                              {"txtIPTT", "Noto Serif CJK SC"}, {"Label18", "Noto Sans Mono CJK SC"},
                              {"Label23", "Noto Sans CJK SC"},  {"cmdChuJi", "Noto Sans CJK SC"}};
    for (const TextCase &sample : cases)
        EXPECT_EQ(QFontInfo(child(sample.control)->font()).family().toStdString(), sample.text) << sample.control;
    EXPECT_EQ(m_form->font().pointSize(), 9);
    EXPECT_EQ(child("txtYuMing")->font().pointSize(), 9);
}

TEST_F(Form1Design, LongLabelsWrapAndFitTheirDesignHeight)
{
    const QList<fendrake::WrapLabel *> labels = m_form->findChildren<fendrake::WrapLabel *>();
    EXPECT_GE(labels.size(), 10);
    for (const fendrake::WrapLabel *label : labels) {
        const fendrake::TightText text(label->text(), label->font(), label->contentsRect().width(), Qt::AlignLeft,
                                       fendrake::TightText::designLineStep(label->font()));
        EXPECT_GT(text.height(), fendrake::TightText::designLineStep(label->font()))
            << "one line only? " << label->objectName().toStdString();
        EXPECT_LE(text.height(), label->height()) << label->objectName().toStdString();
    }
}

TEST_F(Form1Design, ObjectNamesAreUniqueInTheWindow)
{
    QSet<QString> seen;
    for (const QObject *object : m_form->findChildren<QObject *>()) {
        const QString name = object->objectName();
        if (name.isEmpty() || name.startsWith("qt_"))
            continue;
        EXPECT_FALSE(seen.contains(name)) << name.toStdString();
        seen.insert(name);
    }
}

} // namespace
