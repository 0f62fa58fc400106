#include "checks/site/url_safety.h"

#include "app/services/markers.h"
#include "app/services/service_addresses.h"

#include <QStringView>

namespace fendrake {

namespace {

struct FinalSentence
{
    QStringView sentence;
    SafetyPicture picture;
};

constexpr std::array<FinalSentence, 3> kFinalSentences{{
    {u"安全，未在该网站发现重大的安全问题。", SafetyPicture::Safe},
    {u"没有任何结果", SafetyPicture::Unknown},
    {u"未知，还未对此网站进行检测", SafetyPicture::Unknown},
}};

constexpr QStringView kUnsafeSentence = u"不安全，该网站存在恶意行为，不建议进行访问。";
constexpr QStringView kBlockStart = u"恶意行为：";
constexpr QStringView kBlockEnd = u"恶意行为详情";

// The captions of chkUS1 to chkUS6, which are also the words the block names.
constexpr std::array<QStringView, 6> kBehaviourWords{u"带毒挂马",   u"钓鱼或诈骗", u"恶意推广",
                                                     u"不安全下载", u"大量弹窗",   u"诱导链接"};

} // namespace

bool isUrlSafetyInputLongEnough(const QString &text)
{
    return text.size() >= 5;
}

QString cleanUrlSafetyAddress(QString text)
{
    if (text.startsWith(QStringLiteral("http://"), Qt::CaseSensitive))
        text.remove(0, 7);
    if (text.endsWith(u'/'))
        text.chop(1);
    return text;
}

QString siteCheckAddress(const QString &address)
{
    return serviceAddress(Service::SiteCheck, QStringLiteral("/aspx_2/search.aspx?kw="), address);
}

std::optional<UrlSafetyReading> readUrlSafetyPage(const QString &pageText)
{
    UrlSafetyReading reading;
    qsizetype first = -1;
    for (const FinalSentence &row : kFinalSentences) {
        const qsizetype at = pageText.indexOf(row.sentence);
        if (at >= 0 && (first < 0 || at < first)) {
            first = at;
            reading.picture = row.picture;
        }
    }
    if (first >= 0)
        return reading;
    if (pageText.contains(kUnsafeSentence))
        reading.picture = SafetyPicture::Unsafe;

    const int blockStart = FindMarker(kBlockStart.toString(), pageText);
    if (blockStart == 0)
        return reading;
    const int blockEnd = FindMarker(kBlockEnd.toString(), pageText);
    const std::optional<QString> block = cutText(pageText, blockStart, qint64(blockEnd) - blockStart);
    if (!block)
        return std::nullopt;
    for (size_t i = 0; i < kBehaviourWords.size(); ++i)
        reading.behaviours[i] = block->contains(kBehaviourWords[i]);
    return reading;
}

} // namespace fendrake
