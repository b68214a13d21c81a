#pragma once
// The compiled catalogues of po/*.po, built into the program by the build.

#include <span>
#include <string_view>

namespace zelvano::text {

struct BuiltInCatalogue {
    std::string_view language;  // the .po file's name: "en"
    std::string_view mo;        // msgfmt's output
};

std::span<const BuiltInCatalogue> builtInCatalogues();

}  // namespace zelvano::text
