#include "byte_helpers.h"
#include "loader_status.h"
#include "shops_file.h"
#include "stored_picture.h"

namespace zephyr {
namespace {

constexpr std::size_t kItemNameLimit = 50;

// Builds the item table, the item menu and the Shops icons. The icon list
// always counts its entries, so icon indexes come out the same with and
// without pictures.
class ItemMenuBuilder {
public:
    ItemMenuBuilder(const LoadOptions& options, ImageList& icons)
        : options_(options), icons_(icons), working_(36, 36) {}

    // `owner` names the record in picture errors.
    int AddShopIcon(std::string_view path, const std::string& owner) {
        const std::optional<PictureFormat> format = PictureFormatOf(path);
        if (options_.WithPictures &&
            (format == PictureFormat::Jpeg || format == PictureFormat::Gif)) {
            working_ = Load(path, *format, owner);
        }
        // Any other extension loads nothing: the shop shows the picture
        // loaded last (blank for the first shop).
        return AddIcon(working_);
    }

    int AddItemIcon(std::string_view path, const std::string& owner) {
        if (options_.WithPictures) {
            working_ = Load(path, PictureFormat::Jpeg, owner);
        }
        return AddIcon(working_);
    }

private:
    Picture Load(std::string_view path, PictureFormat format, const std::string& owner) {
        return FitPicture(LoadStoredPicture(options_.Location, path, format, owner), 36, 36);
    }

    int AddIcon(const Picture& picture) {
        if (options_.WithPictures) {
            return icons_.Add(picture);
        }
        return count_++;
    }

    const LoadOptions& options_;
    ImageList& icons_;
    Picture working_;
    int count_ = 0;
};

} // namespace

bool LoadItems(const LoadOptions& options, Catalogue& catalogue) {
    ReportStatus(options, "Загрузка предметов...");
    std::optional<ShopsFile> file = ReadShopsFile(options.Location.DataFile("Shops.dat"));
    if (!file) {
        return false;
    }
    std::vector<TItem> items;
    std::vector<ShopMenuEntry> menu;
    ImageList icons{36, 36, {}};
    ItemMenuBuilder builder(options, icons);
    // The group created last, across shops: a variant joins it only when its
    // group name matches exactly (it then lands under that group even when
    // the group belongs to an earlier shop).
    ItemMenuEntry* currentGroup = nullptr;

    for (ShopFileEntry& shop : file->Shops) {
        const int shopNumber = static_cast<int>(menu.size()) + 1;
        menu.push_back(ShopMenuEntry{
            shop.Name,
            builder.AddShopIcon(shop.PicturePath, RecordName("shop", shopNumber, shop.Name)),
            {}});
        std::vector<ItemMenuEntry>& entries = menu.back().Entries;
        // Entries of this shop are appended below; keep group pointers valid.
        entries.reserve(shop.Items.size());
        for (ItemFileEntry& entry : shop.Items) {
            TItem& item = entry.Item;
            const int number = static_cast<int>(items.size()) + 1;
            const std::string owner = RecordName("item", number, entry.Text);
            const std::size_t marker = entry.Text.find(">>");
            if (marker == std::string::npos) {
                item.ImageIndex = builder.AddItemIcon(entry.PicturePath, owner);
                item.Name = CutBytes(entry.Text, kItemNameLimit);
                entries.push_back(ItemMenuEntry{entry.Text, item.ImageIndex, number, {}});
            } else {
                const std::string group(
                    TrimControl(std::string_view(entry.Text).substr(0, marker)));
                const std::string variant(
                    TrimControl(std::string_view(entry.Text).substr(marker + 2)));
                // A new group takes the first variant's picture as its own icon,
                // and that variant shares it.
                item.ImageIndex = builder.AddItemIcon(entry.PicturePath, owner);
                if (currentGroup == nullptr || currentGroup->Caption != group) {
                    entries.push_back(ItemMenuEntry{group, item.ImageIndex, 0, {}});
                    currentGroup = &entries.back();
                }
                item.Name = CutBytes(group + " - " + variant, kItemNameLimit);
                currentGroup->Variants.push_back(
                    ItemMenuEntry{variant, item.ImageIndex, number, {}});
            }
            items.push_back(std::move(item));
        }
    }
    catalogue.Items = std::move(items);
    catalogue.ItemMenu = std::move(menu);
    catalogue.Shops = std::move(icons);
    return true;
}

} // namespace zephyr
