#include "aurs_file.h"
#include "load_all.h"
#include "stored_picture.h"

namespace zephyr {

// Auras have no status text of their own: the splash keeps the heroes' text.
bool LoadAuras(const LoadOptions& options, Catalogue& catalogue) {
    std::optional<AursFile> file = ReadAursFile(options.Location.DataFile("Aurs.dat"));
    if (!file) {
        return false;
    }
    std::vector<TAura> auras;
    ImageList icons{15, 15, {}};
    for (AuraFileEntry& entry : file->Auras) {
        if (options.WithPictures) {
            const int number = static_cast<int>(auras.size()) + 1;
            icons.Add(FitPicture(LoadStoredPicture(options.Location, entry.PicturePath,
                                                   PictureFormat::Jpeg,
                                                   RecordName("aura", number, entry.Aura.Name)),
                                 15, 15));
        }
        auras.push_back(std::move(entry.Aura));
    }
    catalogue.Auras = std::move(auras);
    catalogue.Aurs15 = std::move(icons);
    return true;
}

} // namespace zephyr
