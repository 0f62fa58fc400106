#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace fendrake {

enum class IdCardVerdict
{
    Genuine,
    Fake,
    Unreadable, // the 18th character is neither "X" nor a digit: the query's failure path
};

inline constexpr QStringView kIdCardPlaceOpening = u"发 证 地：";
inline constexpr QStringView kIdCardPlaceClosing = u"点击这里查询验证身份证号码及照片的真实资料";

// Exactly 18 characters whose first 17 are the ASCII digits 0-9 (full-width digits are not digits).
bool isIdCardInput(const QString &text);

// The number as the check reads it: the box text upper-cased, so a typed "x" counts as "X".
QString upperCaseIdCard(const QString &text);

// ISO 7064 MOD 11-2 check character ('0'-'9' or 'X') of the first 17 digits.
QChar idCardCheckCharacter(QStringView first17Digits);

// number: an accepted, upper-cased input.
IdCardVerdict idCardVerdict(const QString &number);

// "性别：男" for an odd number in characters 15-17, "性别：女" for an even one.
QString idCardSexText(const QString &number);

// "出生日期：" + year + "年" + month + "月" + day + "日", the digits shown as they stand.
QString idCardBirthDateText(const QString &number);

QString idCardAddress(const QString &number);

// The place of issue cut out of the page text: from 6 past the opening marker to 7 before the
// closing one. A missing opening marker or a negative length is a failure (nullopt).
std::optional<QString> idCardPlaceOfIssue(const QString &pageText);

} // namespace fendrake
