#include "search/engine_prefixes.h"

#include "app/text.h"
#include "search/catalogues.h"

namespace {

Text g_prefixes[kEngineCount];

}  // namespace

void SetEnginePrefixes() {
    for (const SearchEngine& engine : kSearchEngines) {
        Text& slot = g_prefixes[engine.radio - 1];
        slot = Text();
        slot = JoinTexts({"http://", engine.host, engine.requestPath});
    }
}

void ReleaseEnginePrefixes() {
    for (Text& slot : g_prefixes) slot = Text();
}

const char* EnginePrefix(int radio) {
    if (!EngineByRadio(radio)) return nullptr;
    const Text& slot = g_prefixes[radio - 1];
    return slot.missing() ? nullptr : slot.c_str();
}
