#pragma once

class TmainFrm;

// The commands on the asset list: searching, deleting and the View menu.
namespace ListCommands {
// Binds 查找..., 删除, 分类列表, 排序, 栏目选择 and 保存当前列表样式.
void Bind(TmainFrm &frm);
// Deletes the list's current asset after the warning; false when refused or cancelled.
bool DeleteAsset(TmainFrm &frm);
} // namespace ListCommands
