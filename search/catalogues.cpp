#include "search/catalogues.h"

#include <array>
#include <string>

const SearchEngine kSearchEngines[kEngineCount] = {
    {1, "谷歌", "www.google.com.hk", "/#hl=zh-CN&source=hp&q=", true},
    {2, "百度", "www.baidu.com", "/s?wd=", true},
    {3, "有道", "www.youdao.com", "/search?q=", true},
    {4, "千脑", "www.tazhao.com", "/search?q=", false},
    {5, "搜狗", "www.sogou.com", "/web?query=", true},
    {6, "SOSO", "www.soso.com", "/q?pid=s.idx&w=", true},
    {7, "迅雷", "www.gougou.com", "/search?search=", false},
};

const DiskSite kDiskSites[kSiteCount] = {
    {0, "数据银行", "Site:", "dbank.com", ""},
    {1, "新浪爱问", "Site:", "ishare.iask.sina.com.cn", ""},
    {2, "Good网盘", "Site:", "goodisk.com", ""},
    {3, "Xun6", "Site:", "xun6.com", "/file/"},
    {4, "Brsbox", "Site:", "brsbox.com", ""},
    {5, "纳米盘", "Site:", "namipan.com", ""},
    {6, "115网盘", "Site:", "u.115.com", "/File/"},
    {7, "迅载网盘", "site:", "xunzai.com", ""},
    {8, "威盘", "site:", "vdisk.cn", ""},
    {9, "猪八戒网盘", "site:", "zbjpan.com", ""},
    {10, "易盘", "site:", "yipan.com", ""},
    {11, "城通网盘", "site:", "ctdisk.com", ""},
};

const char* const kSiteCaptions[kSiteCount] = {
    kDiskSites[0].caption, kDiskSites[1].caption, kDiskSites[2].caption,  kDiskSites[3].caption,
    kDiskSites[4].caption, kDiskSites[5].caption, kDiskSites[6].caption,  kDiskSites[7].caption,
    kDiskSites[8].caption, kDiskSites[9].caption, kDiskSites[10].caption, kDiskSites[11].caption,
};


const SearchEngine* EngineByRadio(int radio) {
    if (radio < 1 || radio > static_cast<int>(kEngineCount)) return nullptr;
    return &kSearchEngines[radio - 1];
}

const char* SiteFilter(int index) {
    // Constant texts, derived from the rows once.
    static const std::array<std::string, kSiteCount> filters = [] {
        std::array<std::string, kSiteCount> made;
        for (size_t i = 0; i < kSiteCount; ++i)
            made[i] = std::string(" ") + kDiskSites[i].siteOperator + kDiskSites[i].host + kDiskSites[i].pathSuffix;
        return made;
    }();
    if (index < 0 || index >= static_cast<int>(kSiteCount)) return nullptr;
    return filters[static_cast<size_t>(index)].c_str();
}
