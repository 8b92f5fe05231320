// The engine and site catalogues every request is built from.
#pragma once

#include <cstddef>

struct SearchEngine {
    int radio;  // 1 to 7: the radio button whose name ends in this number
    const char* caption;
    const char* host;
    const char* requestPath;  // ends with the "=" the keyword follows
    bool appendsSiteFilter;
};

struct DiskSite {
    int index;  // position in the service list
    const char* caption;
    const char* siteOperator;
    const char* host;
    const char* pathSuffix;
};

inline constexpr size_t kEngineCount = 7;
inline constexpr size_t kSiteCount = 12;

extern const SearchEngine kSearchEngines[kEngineCount];
extern const DiskSite kDiskSites[kSiteCount];

// The engine row for a radio number, or nullptr outside 1 to 7.
const SearchEngine* EngineByRadio(int radio);

// The site's filter (" " + operator + host + suffix), or nullptr when no row
// has this list index (-1 above all).
const char* SiteFilter(int index);

// The captions of the sites in list order, for the service list.
extern const char* const kSiteCaptions[kSiteCount];
