#include "app/region_lists.h"

#include <cstddef>

namespace fendrake {

namespace {

template <std::size_t N> QStringList rows(const char16_t *const (&names)[N])
{
    QStringList list;
    list.reserve(qsizetype(N));
    for (const char16_t *name : names)
        list.append(QString::fromUtf16(name));
    return list;
}

} // namespace

QStringList provinceRows()
{
    static const char16_t *const kProvinces[] = {
        u"北京", u"天津", u"河北", u"山西", u"内蒙古", u"辽宁", u"吉林", u"黑龙江", u"上海", u"江苏", u"浙江", u"安徽",
        u"福建", u"江西", u"山东", u"河南", u"湖北",   u"湖南", u"广东", u"广西",   u"海南", u"重庆", u"四川", u"贵州",
        u"云南", u"西藏", u"陕西", u"甘肃", u"青海",   u"宁夏", u"新疆", u"香港",   u"澳门", u"台湾",
    };
    return rows(kProvinces);
}

QStringList cityRows()
{
    static const char16_t *const kCities[] = {
        u"保定",   u"常州", u"成都", u"滁州", u"德阳", u"鄂州", u"恩施",     u"福州", u"广州", u"富阳", u"哈尔滨",
        u"杭州",   u"淮南", u"惠州", u"吉林", u"济南", u"济宁", u"晋中",     u"荆门", u"九江", u"昆明", u"乐山",
        u"临汾",   u"临海", u"南昌", u"南充", u"南京", u"内江", u"宁波",     u"青岛", u"衢州", u"泉州", u"厦门",
        u"上饶",   u"深圳", u"沈阳", u"朔州", u"台州", u"温州", u"乌鲁木齐", u"武汉", u"西安", u"新乡", u"新乡北站分局",
        u"兴安盟", u"雅安", u"扬州", u"宜昌", u"荥阳", u"云浮", u"镇海",     u"郑州",
    };
    return rows(kCities);
}

} // namespace fendrake
