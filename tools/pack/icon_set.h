#pragma once

#include <QByteArray>
#include <QImage>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace zephyr::pack {

// The Game Icons set (game-icons.net, CC BY 3.0) as the npm package
// @iconify-json/game-icons ships it: one icons.json of SVG bodies on a
// 512 x 512 grid, drawn in "currentColor". The compiler renders the icons the
// sources name as silhouettes and colours them itself.
class IconSet {
public:
    // Reads an icons.json; std::runtime_error naming the file when it cannot
    // be read or holds no icons.
    static IconSet FromFile(const std::filesystem::path& file);
    // The same from the file's text; `shownName` is for messages.
    static IconSet FromJson(const QByteArray& json, const std::string& shownName);

    bool Has(std::string_view name) const;
    std::size_t Count() const { return icons_.size(); }

    // The icon as a white silhouette on transparent, `size` pixels square
    // (alpha carries the shape); a null image for a name the set lacks.
    QImage Silhouette(std::string_view name, int size) const;

private:
    struct Icon {
        QByteArray Body;
        double Left = 0;
        double Top = 0;
        double Width = 512;
        double Height = 512;
    };
    std::map<std::string, Icon, std::less<>> icons_;
};

// The icon set for one pack run. An empty path or a missing file gives no
// set, and `notice` says in one line that the plain pictures are drawn; a
// file that is there but unreadable throws as FromFile does.
std::optional<IconSet> OpenIconSet(const std::filesystem::path& file, std::string& notice);

// Whether a text is written like a Game Icons name: lower-case words of
// letters and digits joined by single hyphens ("leather-boot").
bool IsIconName(std::string_view name);

} // namespace zephyr::pack
