#include "app/services/key_filter.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <array>

namespace fendrake {

namespace {

constexpr char16_t kLetters[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr char16_t kLettersButX[] = u"ABCDEFGHIJKLMNOPQRSTUVWYZabcdefghijklmnopqrstuvwyz";
constexpr char16_t kAllowedInputWords[] = u"允许输入的字符";

constexpr int kSetCount = int(ForbiddenSet::Tel) + 1;

std::array<QString, kSetCount> buildSets()
{
    const QString BadInputChars = QString::fromUtf16(fendrake::BadInputChars);
    const QString letters = QString::fromUtf16(kLetters);
    const QString BadInputCharsEx = BadInputChars + QStringLiteral("\" '") + QString::fromUtf16(kAllowedInputWords);
    const QString BadInputCharsQQ = BadInputCharsEx + letters;
    const QString BadInputCharsAreaCode = BadInputChars + letters;
    const QString BadInputCharsTelRange = BadInputChars + letters + QStringLiteral(",.");
    // The IP query reads an asterisk as 0, so the box lets it through.
    const QString BadInputCharsIP = QString(BadInputChars).remove(u'*') + letters + QStringLiteral(",-");
    // An identity-card number may end in X.
    const QString BadInputCharsIDCard = BadInputChars + QString::fromUtf16(kLettersButX);
    const QString BadInputCharsMobile = BadInputChars + letters + QStringLiteral(".,");
    const QString BadInputCharsTel = BadInputChars + letters;
    // In the order of ForbiddenSet.
    return {BadInputChars,   BadInputCharsEx,     BadInputCharsQQ,     BadInputCharsAreaCode, BadInputCharsTelRange,
            BadInputCharsIP, BadInputCharsIDCard, BadInputCharsMobile, BadInputCharsTel};
}

bool isEnterKey(const QKeyEvent *event)
{
    // Ctrl+Enter types a line feed, not the Enter character.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    return enter && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

} // namespace

const QString &forbiddenChars(ForbiddenSet set)
{
    static const std::array<QString, kSetCount> sets = buildSets();
    return sets.at(static_cast<std::size_t>(set));
}

bool isForbidden(ForbiddenSet set, QChar c)
{
    return forbiddenChars(set).contains(c, Qt::CaseSensitive);
}

FilterInputKey::FilterInputKey(QLineEdit *box, std::optional<ForbiddenSet> set, std::function<void()> onEnter,
                               QAbstractButton *guard)
    : QObject(box), m_box(box), m_set(set), m_onEnter(std::move(onEnter)), m_guard(guard), m_guarded(guard != nullptr)
{
    box->installEventFilter(this);
}

QString FilterInputKey::allowedPart(const QString &typed) const
{
    if (!m_set)
        return typed;
    QString allowed;
    allowed.reserve(typed.size());
    for (const QChar c : typed) {
        if (!isForbidden(*m_set, c))
            allowed.append(c);
    }
    return allowed;
}

bool FilterInputKey::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box)
        return false;

    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (isEnterKey(key) && m_onEnter && (!m_guarded || (m_guard && m_guard->isEnabled())))
            m_onEnter();

        const QString typed = key->text();
        const QString allowed = allowedPart(typed);
        if (allowed.size() == typed.size())
            return false;
        // A key that types several characters at once keeps the ones the box accepts.
        if (!allowed.isEmpty()) {
            QKeyEvent rest(QEvent::KeyPress, key->key(), key->modifiers(), allowed, key->isAutoRepeat(),
                           static_cast<quint16>(key->count()));
            QCoreApplication::sendEvent(m_box, &rest);
        }
        return true;
    }

    if (event->type() == QEvent::InputMethod) {
        auto *input = static_cast<QInputMethodEvent *>(event);
        const QString allowed = allowedPart(input->commitString());
        if (allowed.size() != input->commitString().size())
            input->setCommitString(allowed, input->replacementStart(), input->replacementLength());
    }
    return false;
}

FilterInputKey *installKeyFilter(QLineEdit *box, std::optional<ForbiddenSet> set, std::function<void()> onEnter,
                                 QAbstractButton *guard)
{
    return new FilterInputKey(box, set, std::move(onEnter), guard);
}

} // namespace fendrake
