#include "module/setup_file_kind.h"

#include <array>

namespace veka {

namespace {

struct TKindRow {
    TSetupFileKind Kind;
    std::string_view Extension;
    std::string_view Japanese;
    std::string_view English;
};

constexpr std::array kKinds = {
    TKindRow{TSetupFileKind::Ga4, "ga4", "全ﾃﾞｰﾀ", "All data"},
    TKindRow{TSetupFileKind::Ga3, "ga3", "全ﾃﾞｰﾀ", "All data"},
    TKindRow{TSetupFileKind::OnePart, "1pg", "１つのPart", "One Part"},
    TKindRow{TSetupFileKind::OneDrumMap, "1dg", "１つのDrum Map", "One Drum Map"},
    TKindRow{TSetupFileKind::OneUserDrum, "1ug", "１つのUser Drum", "One User Drum"},
    TKindRow{TSetupFileKind::Custom, "cst", "ｶｽﾀﾑﾃﾞｰﾀﾌｧｲﾙ", "Veka Custom File"},
    TKindRow{TSetupFileKind::Reverb, "rev", "Reverb", "Reverb"},
    TKindRow{TSetupFileKind::Chorus, "cho", "Chorus", "Chorus"},
    TKindRow{TSetupFileKind::Delay, "del", "Delay", "Delay"},
    TKindRow{TSetupFileKind::Eq, "eq", "EQ", "EQ"},
    TKindRow{TSetupFileKind::Insertion, "ief", "Insertion Effect", "Insertion Effect"},
};

bool SameWithoutCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace

TSetupFileKind SetupFileKindOf(std::string_view fileName) {
    const size_t slash = fileName.find_last_of('/');
    const std::string_view base = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    const size_t dot = base.find_last_of('.');
    if (dot == std::string_view::npos) return TSetupFileKind::Unknown;
    const std::string_view extension = base.substr(dot + 1);
    for (const TKindRow& row : kKinds)
        if (SameWithoutCase(extension, row.Extension)) return row.Kind;
    return TSetupFileKind::Unknown;
}

std::string_view SetupFileExtension(TSetupFileKind kind) {
    for (const TKindRow& row : kKinds)
        if (row.Kind == kind) return row.Extension;
    return {};
}

std::string SetupFileKindText(TSetupFileKind kind, TLanguage language) {
    for (const TKindRow& row : kKinds)
        if (row.Kind == kind) return std::string(language == TLanguage::English ? row.English : row.Japanese);
    return language == TLanguage::English ? "Unknown kind" : "不明な種類";
}

bool IsEffectPreset(TSetupFileKind kind) {
    return kind == TSetupFileKind::Reverb || kind == TSetupFileKind::Chorus || kind == TSetupFileKind::Delay ||
           kind == TSetupFileKind::Eq || kind == TSetupFileKind::Insertion;
}

TParameterRange SystemGroupRange(TSystemGroup group) {
    switch (group) {
        case TSystemGroup::Master: return {1, 4};
        case TSystemGroup::Reverb: return {5, 11};
        case TSystemGroup::Chorus: return {12, 20};
        case TSystemGroup::Delay: return {21, 31};
        case TSystemGroup::Eq: return {32, 35};
        case TSystemGroup::Insertion: return {36, 64};
    }
    return {1, 4};
}

std::string_view SystemGroupName(TSystemGroup group) {
    static constexpr std::array<std::string_view, kSystemGroupCount> kNames = {"Master", "Reverb", "Chorus",
                                                                               "Delay",  "EQ",     "Insertion"};
    const auto i = static_cast<size_t>(group);
    return i < kNames.size() ? kNames[i] : std::string_view();
}

TSystemGroup EffectPresetGroup(TSetupFileKind kind) {
    switch (kind) {
        case TSetupFileKind::Chorus: return TSystemGroup::Chorus;
        case TSetupFileKind::Delay: return TSystemGroup::Delay;
        case TSetupFileKind::Eq: return TSystemGroup::Eq;
        case TSetupFileKind::Insertion: return TSystemGroup::Insertion;
        default: return TSystemGroup::Reverb;
    }
}

}  // namespace veka
