#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class QAbstractButton;
class QLineEdit;

namespace fendrake {

// The typed characters each query box refuses; named after the designed constants
// BadInputChars, BadInputCharsEx, BadInputCharsQQ, and so on.
enum class ForbiddenSet
{
    Common,
    Ex,
    QQ,
    AreaCode,
    TelRange,
    IP,
    IDCard,
    Mobile,
    Tel
};

// The common set as designed: 41 characters, 39 distinct (the tilde and the at sign twice, a blank last).
inline constexpr char16_t BadInputChars[] = u"~！@#￥%…？&*（）~!@$^_—+<>《》/、\\。，'“”(){}【】[] ";

// The set's characters; only membership counts.
const QString &forbiddenChars(ForbiddenSet set);
bool isForbidden(ForbiddenSet set, QChar c);

// A query box's key handling: Enter runs the box's action (only while the guard button, if any,
// is enabled), then a typed character of the forbidden set is swallowed. Typed text includes an
// input method's commit; pasted text and text set by the program are not filtered.
class FilterInputKey : public QObject
{
    Q_OBJECT

public:
    FilterInputKey(QLineEdit *box, std::optional<ForbiddenSet> set, std::function<void()> onEnter,
                   QAbstractButton *guard = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString allowedPart(const QString &typed) const;

    QLineEdit *m_box;
    std::optional<ForbiddenSet> m_set;
    std::function<void()> m_onEnter;
    QPointer<QAbstractButton> m_guard;
    bool m_guarded; // a guard that is gone no longer allows the action
};

// Installs the filter on the box; the box owns it.
FilterInputKey *installKeyFilter(QLineEdit *box, std::optional<ForbiddenSet> set, std::function<void()> onEnter,
                                 QAbstractButton *guard = nullptr);

} // namespace fendrake
