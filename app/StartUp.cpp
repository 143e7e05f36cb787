#include "app/StartUp.h"

#include "app/Program.h"
#include "bank/StartPage.h"
#include "text/GbkCodec.h"

void RunStartUp(Program& program, const std::filesystem::path& fileDirectory) {
  program.VersionText = "1.1";
  program.ui.SetText(Control::透明标签2, Utf8ToGbk("知岚试题搜索_版本号：") + program.VersionText);

  program.OnlineFlag = 0;

  program.ResultPagePath = fileDirectory / "index.html";
  program.DatabasePath = fileDirectory / "study.mdb";

  // The banner covers the browser box exactly, whatever its designed size.
  for (Edge edge : {Edge::Left, Edge::Top, Edge::Width, Edge::Height}) {
    program.ui.SetPlace(Control::超级按钮1, edge, program.ui.Place(Control::超文本浏览框1, edge));
  }

  WriteStartPage(program);
  ConnectDatabase(program);
}
