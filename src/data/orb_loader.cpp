#include "loader_status.h"
#include "orbs_file.h"
#include "stored_picture.h"

namespace zephyr {
namespace {

// `kind` names the list's records in picture errors.
std::vector<std::string> NamesWithIcons(const LoadOptions& options,
                                        const std::vector<OrbPictureEntry>& entries,
                                        const char* kind, ImageList& icons) {
    std::vector<std::string> names;
    for (const OrbPictureEntry& entry : entries) {
        names.push_back(entry.Name);
        // A missing orb picture only leaves out its icon; the icons after it
        // move up one place.
        if (options.WithPictures && options.Location.Find(entry.PicturePath)) {
            const int number = static_cast<int>(names.size());
            icons.Add(FitPicture(LoadStoredPicture(options.Location, entry.PicturePath,
                                                   PictureFormat::Jpeg,
                                                   RecordName(kind, number, entry.Name)),
                                 30, 30));
        }
    }
    return names;
}

} // namespace

bool LoadOrbs(const LoadOptions& options, Catalogue& catalogue) {
    ReportStatus(options, "Загрузка орбов...");
    std::optional<OrbsFile> file = ReadOrbsFile(options.Location.DataFile("Orbs.dat"));
    if (!file) {
        return false;
    }
    ImageList icons{30, 30, {}};
    std::vector<std::string> categories =
        NamesWithIcons(options, file->Categories, "orb category", icons);
    std::vector<std::string> abilityOrbs =
        NamesWithIcons(options, file->AbilityOrbs, "ability orb", icons);
    const int a = static_cast<int>(categories.size());
    const int b = static_cast<int>(abilityOrbs.size());
    catalogue.MeleeOrbTable = MeleeOrbPairs(a, file->MeleeResults);
    catalogue.RangedOrbTable = RangedOrbPairs(a, file->RangedResults);
    catalogue.AbilityOrbTable = AbilityOrbPairs(a, b, file->AbilityResults);
    catalogue.OrbCategories = std::move(categories);
    catalogue.AbilityOrbs = std::move(abilityOrbs);
    catalogue.ItemOrbs = std::move(file->ItemOrbs);
    catalogue.Orbs30 = std::move(icons);
    return true;
}

} // namespace zephyr
