#pragma once

#include <string_view>

// The program's own texts, as GBK bytes (the UTF-8 spelling in the comment).

// "Qorvin宠物查询器": the application title, caption of every message box.
inline constexpr std::string_view kAppTitle = "Qorvin\xB3\xE8\xCE\xEF\xB2\xE9\xD1\xAF\xC6\xF7";

// "骑宠不可学人宠合一哟": a mount pet cannot learn merge skills, so the panel stays as it is.
inline constexpr std::string_view kMsgMountCannotMerge =
    "\xC6\xEF\xB3\xE8\xB2\xBB\xBF\xC9\xD1\xA7\xC8\xCB\xB3\xE8\xBA\xCF\xD2\xBB\xD3\xB4";
