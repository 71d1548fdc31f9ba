#pragma once
// What a spreadsheet takes as a sheet's name: 1 to 31 characters, none of
// [ ] : * ? / \, not starting or ending with an apostrophe. The engine
// refuses any other name; the report checks a translated name against it.

#include <algorithm>
#include <string_view>

namespace jubilo::xl {

inline constexpr std::size_t kMaxSheetNameLength = 31;
inline constexpr std::u16string_view kSheetNameForbidden = u"[]:*?/\\";

// UTF-16 code units, as the sheet's name is stored.
inline bool isSheetName(std::u16string_view name)
{
    if (name.empty() || name.size() > kMaxSheetNameLength || name.front() == u'\'' || name.back() == u'\'')
        return false;
    return std::none_of(name.begin(), name.end(),
                        [](char16_t c) { return kSheetNameForbidden.find(c) != std::u16string_view::npos; });
}

}  // namespace jubilo::xl
