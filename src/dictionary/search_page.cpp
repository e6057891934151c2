#include "search_page.h"

#include "page_head.h"

#include <string_view>

namespace zephyr {
namespace {

constexpr std::string_view kHeadOverflow =
    R"(color : #FFEBCD;margin : 6px 0px 4px 0px;padding : 0px 0px 0px 0px;}body{overflow-x : auto;overflow-y : always;scrollbar-face-color : #000000;scrollbar-track-color : #000000;scrollbar-darkshadow-color : #817879;scrollbar-shadow-color : #000000;)";
constexpr std::string_view kHeadCells =
    R"(}a:hover{text-decoration : none;color : #CC9966;}table{margin : 0px 0px 0px 0px;padding : 0px 0px 0px 0px;}td.td1{font : normal bolder 12px Verdana, Tahoma;text-align : left;vertical-align : top;padding : 5px 5px 5px 5px;border : 0px;})";
constexpr std::string_view kHeadTable =
    R"(</style></head><body><table border="0" align="center" width="200" cellpadding="0" cellspacing="0">)";

constexpr std::string_view kRowOpening = R"(<tr><td class="td1"><a href="ShowInfo)";
constexpr std::string_view kRowTermOpening = R"(">)";
constexpr std::string_view kRowClosing = R"(</a><br /></td></tr>)";

constexpr std::string_view kClosing = R"(</table></body></html>)";

} // namespace

std::string SearchListPage(std::span<const TSearchHit> hits) {
    std::string page;
    for (const std::string_view piece :
         {kPageHeadOpening, kHeadOverflow, kPageHeadScrollbars, kHeadCells, kHeadTable}) {
        page += piece;
    }
    for (const TSearchHit& hit : hits) {
        page += kRowOpening;
        page += std::to_string(hit.Entry);
        page += kRowTermOpening;
        page += hit.Term;
        page += kRowClosing;
    }
    page += kClosing;
    return page;
}

} // namespace zephyr
