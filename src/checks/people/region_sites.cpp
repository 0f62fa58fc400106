#include "checks/people/region_sites.h"

#include <algorithm>

namespace fendrake {

namespace {

// One address serving several regions is a national site, which answers for each of them.
constexpr QStringView kNationalCreditSystem = u"http://www.gsxt.gov.cn/";
constexpr QStringView kNationalRegistryOffice = u"http://www.saic.gov.cn/";
constexpr QStringView kNationalMarketRegulator = u"http://www.samr.gov.cn/";

} // namespace

// name, registry lookup, enterprise-credit lookup
const std::array<RegionSites, 34> ProvinceSiteTable{{
    {u"北京", u"http://www.baic.gov.cn/", u"http://qyxy.baic.gov.cn/"},
    {u"天津", u"http://www.tjaic.gov.cn/", u"http://www.tjcredit.gov.cn/"},
    {u"河北", u"http://www.hebaic.gov.cn/", kNoRelatedAddress},
    {u"山西", u"http://www.sxaic.gov.cn/", kNoRelatedAddress},
    {u"内蒙古", u"http://www.nmgs.gov.cn/", kNoRelatedAddress},
    {u"辽宁", u"http://www.lngs.gov.cn/", u"http://gsxt.lngs.gov.cn/"},
    {u"吉林", u"http://www.jlaic.gov.cn/", u"http://gsxt.jlaic.gov.cn/"},
    {u"黑龙江", u"http://www.hljaic.gov.cn/", kNoRelatedAddress},
    {u"上海", u"http://www.sgs.gov.cn/", u"http://www.sgs.gov.cn/notice/"},
    {u"江苏", kNationalCreditSystem, kNoRelatedAddress},
    {u"浙江", u"http://www.zjaic.gov.cn/", kNationalCreditSystem},
    {u"安徽", u"http://www.ahaic.gov.cn/", kNoRelatedAddress},
    {u"福建", u"http://www.fjaic.gov.cn/", u"http://wsgs.fjaic.gov.cn/creditpub/"},
    {u"江西", u"http://www.jxaic.gov.cn/", kNoRelatedAddress},
    {u"山东", u"http://www.sdaic.gov.cn/", u"http://www.creditsd.gov.cn/"},
    {u"河南", u"http://www.haaic.gov.cn/", kNoRelatedAddress},
    {u"湖北", u"http://www.hbaic.gov.cn/", u"http://www.hbcredit.gov.cn/"},
    {u"湖南", u"http://www.hnaic.gov.cn/", u"http://www.credithunan.gov.cn/"},
    {u"广东", u"http://www.gdgs.gov.cn/", u"http://www.gdcredit.gov.cn/"},
    {u"广西", u"http://www.gxaic.gov.cn/", kNoRelatedAddress},
    {u"海南", u"http://aic.hainan.gov.cn/", kNoRelatedAddress},
    {u"重庆", u"http://www.cqgs.gov.cn/", u"http://gsxt.cqgs.gov.cn/"},
    {u"四川", u"http://www.scaic.gov.cn/", u"http://gsxt.scaic.gov.cn/"},
    {u"贵州", u"http://www.gzgs.gov.cn/", u"http://gsxt.gzgs.gov.cn/"},
    {u"云南", u"http://www.ynaic.gov.cn/", kNoRelatedAddress},
    {u"西藏", kNoWebsite, kNoRelatedAddress},
    {u"陕西", u"http://www.snaic.gov.cn/", u"http://xygs.snaic.gov.cn/"},
    {u"甘肃", u"http://www.gsaic.gov.cn/", u"http://xygs.gsaic.gov.cn/"},
    {u"青海", u"http://www.qhaic.gov.cn/", kNoRelatedAddress},
    {u"宁夏", u"http://www.ngsh.gov.cn/", u"http://gsxt.ngsh.gov.cn/"},
    {u"新疆", u"http://www.xjaic.gov.cn/", kNoRelatedAddress},
    {u"台湾", kNoRelatedAddress, kNoRelatedAddress},
    {u"香港", kNoWebsite, kNoRelatedAddress},
    {u"澳门", kNoRelatedAddress, kNoRelatedAddress},
}};

// 大连 and 贵阳 are offered by no list entry; the list's 富阳 has no row.
const std::array<RegionSites, 53> CitySiteTable{{
    {u"保定", kNoRelatedAddress, kNoRelatedAddress},
    {u"常州", kNoRelatedAddress, kNoRelatedAddress},
    {u"成都", u"http://www.cdgs.gov.cn/", u"http://www.cdcredit.gov.cn/"},
    {u"滁州", u"http://gsj.chuzhou.gov.cn/", kNoRelatedAddress},
    {u"大连", u"http://www.dlaic.gov.cn/", u"http://credit.dl.gov.cn/"},
    {u"德阳", u"http://gsj.deyang.gov.cn/", kNoRelatedAddress},
    {u"鄂州", u"http://gsj.ezhou.gov.cn/", kNoRelatedAddress},
    {u"恩施", u"http://gsj.enshi.gov.cn/", kNoRelatedAddress},
    {u"福州", u"http://www.fzaic.gov.cn/", kNoRelatedAddress},
    {u"广州", u"http://www.gzaic.gov.cn/", u"http://www.gzcredit.gov.cn/"},
    {u"贵阳", u"http://gsj.guiyang.gov.cn/", kNoRelatedAddress},
    {u"哈尔滨", u"http://www.hrbaic.gov.cn/", kNoRelatedAddress},
    {u"杭州", u"http://www.hzaic.gov.cn/", kNoRelatedAddress},
    {u"淮南", u"http://gsj.huainan.gov.cn/", kNoRelatedAddress},
    {u"惠州", u"http://gsj.huizhou.gov.cn/", kNoRelatedAddress},
    {u"吉林", u"http://gsj.jlcity.gov.cn/", kNoRelatedAddress},
    {u"济南", u"http://www.jnaic.gov.cn/", kNoRelatedAddress},
    {u"济宁", u"http://gsj.jining.gov.cn/", kNoRelatedAddress},
    {u"晋中", u"http://gsj.sxjz.gov.cn/", kNoRelatedAddress},
    {u"荆门", u"http://gsj.jingmen.gov.cn/", kNoRelatedAddress},
    {u"九江", u"http://gsj.jiujiang.gov.cn/", kNoRelatedAddress},
    {u"昆明", u"http://www.kmaic.gov.cn/", kNoRelatedAddress},
    {u"乐山", u"http://gsj.leshan.gov.cn/", kNoRelatedAddress},
    {u"临汾", u"http://gsj.linfen.gov.cn/", kNoRelatedAddress},
    {u"临海", kNationalMarketRegulator, kNoRelatedAddress},
    {u"南昌", u"http://gsj.nc.gov.cn/", kNoRelatedAddress},
    {u"南充", u"http://gsj.nanchong.gov.cn/", kNoRelatedAddress},
    {u"南京", u"http://www.njgs.gov.cn/", u"http://www.njcredit.gov.cn/"},
    {u"内江", u"http://gsj.neijiang.gov.cn/", kNoRelatedAddress},
    {u"宁波", u"http://www.nbaic.gov.cn/", kNoRelatedAddress},
    {u"青岛", u"http://www.qdaic.gov.cn/", kNoRelatedAddress},
    {u"衢州", u"http://gsj.qz.gov.cn/", kNoRelatedAddress},
    {u"泉州", kNationalRegistryOffice, kNoRelatedAddress},
    {u"厦门", u"http://www.xmaic.gov.cn/", u"http://www.xmcredit.gov.cn/"},
    {u"上饶", u"http://gsj.zgsr.gov.cn/", kNoRelatedAddress},
    {u"深圳", u"http://www.szaic.gov.cn/", kNoRelatedAddress},
    {u"沈阳", u"http://www.syaic.gov.cn/", kNoRelatedAddress},
    {u"朔州", u"http://gsj.shuozhou.gov.cn/", kNoRelatedAddress},
    {u"台州", u"http://www.tzaic.gov.cn/", kNoRelatedAddress},
    {u"温州", kNationalRegistryOffice, kNoRelatedAddress},
    {u"乌鲁木齐", u"http://gsj.urumqi.gov.cn/", kNoRelatedAddress},
    {u"武汉", u"http://www.whaic.gov.cn/", kNoRelatedAddress},
    {u"西安", u"http://www.xaaic.gov.cn/", kNoRelatedAddress},
    {u"新乡", kNationalMarketRegulator, kNoRelatedAddress},
    {u"新乡北站分局", u"http://bzfj.xxaic.gov.cn/", kNoRelatedAddress},
    {u"兴安盟", u"http://gsj.xam.gov.cn/", kNoRelatedAddress},
    {u"雅安", u"http://gsj.yaan.gov.cn/", kNoRelatedAddress},
    {u"扬州", u"http://www.yzaic.gov.cn/", kNoRelatedAddress},
    {u"宜昌", u"http://gsj.yichang.gov.cn/", kNoRelatedAddress},
    {u"荥阳", kNationalMarketRegulator, kNoRelatedAddress},
    {u"云浮", kNoRelatedAddress, u"http://credit.yunfu.gov.cn/"},
    {u"镇海", u"http://gsj.zh.gov.cn/", kNoRelatedAddress},
    {u"郑州", u"http://www.zzaic.gov.cn/", kNoRelatedAddress},
}};

std::span<const RegionSites> RegionSiteTable(RegionMode mode)
{
    if (mode == RegionMode::Province)
        return ProvinceSiteTable;
    return CitySiteTable;
}

const RegionSites *findRegionSites(RegionMode mode, QStringView text)
{
    const std::span<const RegionSites> table = RegionSiteTable(mode);
    const auto row =
        std::find_if(table.begin(), table.end(), [text](const RegionSites &each) { return each.name == text; });
    return row == table.end() ? nullptr : &*row;
}

} // namespace fendrake
