#pragma once

#include <string_view>

namespace zephyr {

// The head pieces the list page and the article page share, Windows-1251.
inline constexpr std::string_view kPageHeadOpening =
    R"(<html><head><META http-equiv="content-type" content="text/html" charset="windows-1251"><title>)"
    "\xD1\xEB\xEE\xE2\xE0\xF0\xFC" // Словарь
    R"(</title><style type="text/css" media="screen">body{border-style : none;background-color : #000000;background-image : none;background-repeat : no-repeat;)";
inline constexpr std::string_view kPageHeadScrollbars =
    R"(scrollbar-highlight-color : #000000;scrollbar-3dlight-color : #817879;scrollbar-arrow-color : #817879;}a:link{text-decoration : none;color : #FFCC66;}a:visited{text-decoration : none;color : #FFCC66;}a:active{text-decoration : none;color : #FFCC66;)";

} // namespace zephyr
