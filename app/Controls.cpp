#include "app/Controls.h"

std::string_view ControlName(Control control) {
  switch (control) {
    case Control::透明标签2: return "透明标签2";
    case Control::图形按钮4: return "图形按钮4";
    case Control::时钟1: return "时钟1";
    case Control::超级按钮1: return "超级按钮1";
    case Control::超文本浏览框1: return "超文本浏览框1";
    case Control::图形按钮3: return "图形按钮3";
    case Control::图形按钮2: return "图形按钮2";
    case Control::图形按钮1: return "图形按钮1";
    case Control::透明标签1: return "透明标签1";
    case Control::编辑框1: return "编辑框1";
    case Control::图片框1: return "图片框1";
  }
  return {};
}
