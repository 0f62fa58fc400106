#include "app/services/key_filter.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace fendrake {

namespace {

constexpr char16_t kLetters[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr char16_t kLettersButX[] = u"ABCDEFGHIJKLMNOPQRSTUVWYZabcdefghijklmnopqrstuvwyz";
constexpr char16_t kAllowedInputWords[] = u"允许输入的字符";

struct ForbiddenSets
{
    ForbiddenSets()
    {
        const QString common = QString::fromUtf16(BadInputChars);
        const QString letters = QString::fromUtf16(kLetters);
        BadInputCharsEx = common + QStringLiteral("\" '") + QString::fromUtf16(kAllowedInputWords);
        BadInputCharsQQ = BadInputCharsEx + letters;
        BadInputCharsAreaCode = common + letters;
        // The IP query reads an asterisk as 0, so the box lets it through.
        BadInputCharsIP = QString(common).remove(u'*') + letters + QStringLiteral(",-");
        BadInputCharsTelRange = common + letters + QStringLiteral(",.");
        // An identity-card number may end in X.
        BadInputCharsIDCard = common + QString::fromUtf16(kLettersButX);
        BadInputCharsMobile = common + letters + QStringLiteral(".,");
        BadInputCharsTel = common + letters;
        BadInputCharsCommon = common;
    }

    QString BadInputCharsCommon;
    QString BadInputCharsEx;
    QString BadInputCharsQQ;
    QString BadInputCharsAreaCode;
    QString BadInputCharsTelRange;
    QString BadInputCharsIP;
    QString BadInputCharsIDCard;
    QString BadInputCharsMobile;
    QString BadInputCharsTel;
};

const ForbiddenSets &sets()
{
    static const ForbiddenSets instance;
    return instance;
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
    const ForbiddenSets &all = sets();
    switch (set) {
    case ForbiddenSet::Common:
        return all.BadInputCharsCommon;
    case ForbiddenSet::Ex:
        return all.BadInputCharsEx;
    case ForbiddenSet::QQ:
        return all.BadInputCharsQQ;
    case ForbiddenSet::AreaCode:
        return all.BadInputCharsAreaCode;
    case ForbiddenSet::TelRange:
        return all.BadInputCharsTelRange;
    case ForbiddenSet::IP:
        return all.BadInputCharsIP;
    case ForbiddenSet::IDCard:
        return all.BadInputCharsIDCard;
    case ForbiddenSet::Mobile:
        return all.BadInputCharsMobile;
    case ForbiddenSet::Tel:
        return all.BadInputCharsTel;
    }
    Q_UNREACHABLE();
}

bool isForbidden(ForbiddenSet set, QChar c)
{
    return forbiddenChars(set).contains(c, Qt::CaseSensitive);
}

FilterInputKey::FilterInputKey(QLineEdit *box, std::optional<ForbiddenSet> set, std::function<void()> onEnter,
                               QAbstractButton *guard)
    : QObject(box), m_box(box), m_set(set), m_onEnter(std::move(onEnter)), m_guard(guard)
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
        if (isEnterKey(key) && m_onEnter && (!m_guard || m_guard->isEnabled()))
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
