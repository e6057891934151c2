#include "loader_status.h"
#include "stored_picture.h"
#include "taverns_file.h"

namespace zephyr {
namespace {

// The ultimate's level-4 program is a single token: longer lists keep their
// first token, an empty one gets {false, 0}.
void CutUltimateLevelFour(THero& hero) {
    TEffectList& list = hero.Abilities[3].LevelEffects[3];
    list.resize(1);
}

} // namespace

bool LoadHeroes(const LoadOptions& options, Catalogue& catalogue) {
    ReportStatus(options, "Загрузка героев...");
    std::optional<TavernsFile> file = ReadTavernsFile(options.Location.DataFile("Taverns.dat"));
    if (!file) {
        return false;
    }
    std::vector<THero> heroes;
    std::vector<TavernMenuEntry> menu;
    ImageList heroes64{64, 64, {}};
    ImageList heroes32{32, 32, {}};
    for (TavernFileEntry& tavern : file->Taverns) {
        TavernMenuEntry tavernEntry{tavern.Name, {}};
        for (HeroFileEntry& entry : tavern.Heroes) {
            const int number = static_cast<int>(heroes.size()) + 1;
            if (options.WithPictures) {
                Picture picture = FitPicture(
                    LoadStoredPicture(options.Location, entry.PicturePath, PictureFormat::Jpeg,
                                      RecordName("hero", number, entry.Hero.Name)),
                    64, 64);
                heroes32.Add(FitPicture(picture, 32, 32));
                heroes64.Add(std::move(picture));
            }
            tavernEntry.Heroes.push_back(HeroMenuEntry{entry.Hero.Name, number, number - 1});
            CutUltimateLevelFour(entry.Hero);
            heroes.push_back(std::move(entry.Hero));
        }
        menu.push_back(std::move(tavernEntry));
    }
    catalogue.Heroes = std::move(heroes);
    catalogue.HeroMenu = std::move(menu);
    catalogue.Heroes64 = std::move(heroes64);
    catalogue.Heroes32 = std::move(heroes32);
    return true;
}

} // namespace zephyr
