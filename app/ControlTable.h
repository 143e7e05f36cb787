#pragma once
// The controls of the window as designed: place (left, top, width, height in
// window pixels) and whether they are visible at start, in stacking order, the
// first on top. The window is built from this table.
#include <array>

#include "app/Controls.h"

struct ControlLayout {
  Control control;
  int left, top, width, height;
  bool visible;
};

inline constexpr int kWindowLeft = 50, kWindowTop = 50, kWindowWidth = 760, kWindowHeight = 550;

inline constexpr std::array<ControlLayout, 11> kControlTable{{
    {Control::透明标签2, 50, 8, 248, 16, true},
    {Control::图形按钮4, 13, 77, 120, 40, true},
    {Control::时钟1, 0, 0, 0, 0, false},
    {Control::超级按钮1, 10, 137, 264, 168, true},
    {Control::超文本浏览框1, 10, 137, 740, 400, true},
    {Control::图形按钮3, 633, 77, 96, 40, false},
    {Control::图形按钮2, 576, 77, 52, 40, true},
    {Control::图形按钮1, 720, 0, 30, 30, true},
    {Control::透明标签1, 3, 43, 744, 24, true},
    {Control::编辑框1, 152, 82, 424, 30, true},
    {Control::图片框1, 136, 77, 440, 40, true},
}};

inline constexpr const char* kStatusLabelInitialText = "透明标签";  // UTF-8
