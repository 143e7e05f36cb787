#include "bank/Search.h"

#include "app/Program.h"
#include "bank/ResultPage.h"
#include "text/GbkCodec.h"

namespace {

// The keyword is bound as a value: "%" and "_" keep their LIKE meaning, but a
// quote in it is just a quote and can never change the statement.
const Text kInQuestions = "SELECT * FROM study WHERE subject like '%' || ? || '%'";
const Text kInOptions = "SELECT * FROM study WHERE ProblemOption like '%' || ? || '%'";

}  // namespace

void StartSearch(Program& program) {
  Controls& ui = program.ui;
  if (ui.GetText(Control::编辑框1).empty()) {
    ui.SetText(Control::透明标签1, Utf8ToGbk("输入框不能为空，请输入试题关键词进行查询。"));
    return;
  }
  if (ui.Visible(Control::超级按钮1)) {
    ui.SetPeriod(Control::时钟1, 0);
    ui.SetVisible(Control::超级按钮1, false);
  }
  OpenQuery(program.记录集1, kInQuestions, {ui.GetText(Control::编辑框1)});
  if (RenderResults(program) != 0) {
    ui.SetText(Control::编辑框1, {});
    return;
  }
  SearchInOptions(program);
}

void SearchInOptions(Program& program) {
  Controls& ui = program.ui;
  OpenQuery(program.记录集1, kInOptions, {ui.GetText(Control::编辑框1)});
  if (RenderResults(program) == 0) {
    ui.SetText(Control::透明标签1, Utf8ToGbk("非常抱歉，没有收录该试题！"));
  }
  ui.SetText(Control::编辑框1, {});
}
