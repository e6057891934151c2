#include "aurs_file.h"
#include "catalogue_writer.h"

namespace zephyr {

std::string WriteAursFile(const AursFile& file) {
    CatalogueWriter out("Aurs.dat");
    out.Count(file.HeaderTexts.size(), 0xFF, "header texts");
    for (const std::string& text : file.HeaderTexts) {
        out.FixedText(text, 50, "header text");
    }
    out.Count(file.Auras.size(), 0xFF, "auras");
    for (const AuraFileEntry& entry : file.Auras) {
        const TAura& aura = entry.Aura;
        out.FixedText(aura.Name, 50, "aura name");
        out.FixedText(entry.PicturePath, 255, "picture path of aura " + aura.Name);
        for (const std::int32_t value : {aura.V0, aura.V1, aura.V2, aura.V3, aura.V4, aura.V5,
                                         aura.V6, aura.V7, aura.V8, aura.V9, aura.V10}) {
            out.Int(value);
        }
    }
    return out.Bytes();
}

} // namespace zephyr
