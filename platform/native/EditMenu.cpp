#include "platform/native/EditMenu.h"

#include "platform/core/Gbk.h"
#include "platform/native/NativeConst.h"
#include "platform/window/MenuWindow.h"

std::vector<TEditMenuItem> EditMenuItems(const TEditCommandStates& st) {
    return {
        {Utf8ToGbk("撤消(&U)"), IDM_UNDO, st.Undo},
        {"", 0, false},
        {Utf8ToGbk("剪切(&T)"), IDM_CUT, st.Cut},
        {Utf8ToGbk("复制(&C)"), IDM_COPY, st.Copy},
        {Utf8ToGbk("粘贴(&P)"), IDM_PASTE, st.Paste},
        {Utf8ToGbk("删除(&D)"), IDM_DELETE, st.Delete},
        {"", 0, false},
        {Utf8ToGbk("全选(&A)"), IDM_SELECTALL, st.SelectAll},
    };
}

int TrackEditMenu(HWND owner, TPoint screen, const std::vector<TEditMenuItem>& items) {
    std::vector<TMenuRow> rows;
    for (const TEditMenuItem& item : items) {
        TMenuRow row;
        row.Text = item.Text;
        row.Separator = item.Text.empty();
        row.Enabled = item.Enabled;
        rows.push_back(row);
    }
    // As in the edit menus of the desktop, the keyboard also stops on greyed commands.
    TMenuTrackOptions options;
    options.SkipDisabled = false;
    int chosen = TrackMenuWindow(owner, screen, rows, options);
    return chosen < 0 ? 0 : items[std::size_t(chosen)].Command;
}
