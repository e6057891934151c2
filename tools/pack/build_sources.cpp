#include "source_error.h"
#include "source_readers.h"

#include "builds/build_file.h"
#include "builds/build_script.h"
#include "data/catalogue.h"
#include "engine/build_code.h"

#include <algorithm>

namespace zephyr::pack {
namespace {

// The names a build script may use: every hero and every item (a variant by
// its full name "Group - Variant"), as the program's catalogue holds them.
Catalogue NamesOf(const PackSources& pack) {
    Catalogue catalogue;
    for (const TavernFileEntry& tavern : pack.Taverns.Taverns) {
        for (const HeroFileEntry& hero : tavern.Heroes) {
            catalogue.Heroes.push_back(hero.Hero);
        }
    }
    for (const ShopFileEntry& shop : pack.Shops.Shops) {
        for (const ItemFileEntry& entry : shop.Items) {
            TItem item = entry.Item;
            item.Name = entry.Text;
            if (const auto marker = item.Name.find(">>"); marker != std::string::npos) {
                item.Name.replace(marker, 2, " - ");
            }
            catalogue.Items.push_back(std::move(item));
        }
    }
    return catalogue;
}

// Documents name a build by its file name, inside an HTML comment.
bool IsBuildId(const std::string& id) {
    return !id.empty() && std::all_of(id.begin(), id.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
}

} // namespace

void ReadBuildSources(const std::filesystem::path& root, PackSources& pack) {
    const Catalogue catalogue = NamesOf(pack);
    for (const auto& path : SourceFilesIn(root / "builds", ".zdxbuild")) {
        const std::string shown = Shown(root, path);
        const SourceLine whole{shown, 0, false, {}, {}};
        BuildSource build;
        build.Id = path.stem().string();
        if (!IsBuildId(build.Id)) {
            whole.Fail("a build file is named in lower-case Latin letters, digits and hyphens");
        }
        BuildFile file;
        try {
            file = ReadBuildFile(ReadSourceText(path, shown), catalogue);
            build.Code = EncodeBuildCode(file.Recipe);
        } catch (const BuildScriptError& error) {
            whole.Fail(error.what());
        } catch (const BuildCodeError& error) {
            whole.Fail(error.what());
        }
        if (file.Name.empty()) {
            whole.Fail("a recommended build needs a \"name\": the text of its links");
        }
        if (file.Recipe.Gestures.empty()) {
            whole.Fail("a recommended build makes at least one gesture");
        }
        if (file.HeroLevel < 0 || file.HeroLevel > 25) {
            whole.Fail("\"level\" is the hero level the build reaches, 0 to 25");
        }
        // Both end up in pages in Windows-1251.
        CpText(whole, file.Name);
        CpText(whole, file.Notes, 65535);
        build.Name = file.Name;
        build.Notes = file.Notes;
        build.Hero = file.Recipe.Hero;
        build.Level = file.HeroLevel;
        pack.Builds.push_back(std::move(build));
    }
}

} // namespace zephyr::pack
